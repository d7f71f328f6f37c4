#include "platform/settings_location.h"
#include "support/temp_program_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

bool writable(const QString&)
{
    return true;
}
bool readOnly(const QString&)
{
    return false;
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// One machine: a program folder, an installed data folder with the shipped defaults, and
// the user's settings folder, not made yet.
class SettingsLocation : public ::testing::Test
{
protected:
    settings_location::Layout layout(bool (*canWriteIn)(const QString&)) const
    {
        return {executable.path(), installed.path(), user, canWriteIn};
    }

    QTemporaryDir executable;
    TempProgramFolder installed;
    QTemporaryDir home;
    const QString user = home.filePath(u"config/nekotokei"_s);
};

TEST_F(SettingsLocation, ProgramFolderKeepsItsSettingsOnlyWhenItHoldsThemAndMayBeWritten)
{
    enum Where
    {
        Executable,
        Installed,
        User
    };
    struct Case
    {
        const char* what;
        bool settingsBesideExecutable;
        bool (*canWriteIn)(const QString&);
        Where settings;
        Where data;
    };
    const Case cases[] = {
        {"copied program folder", true, writable, Executable, Executable},
        {"program folder the user cannot write", true, readOnly, User, Executable},
        {"installed, run by its owner", false, writable, User, Installed},
        {"installed", false, readOnly, User, Installed},
    };
    for (const Case& c : cases) {
        QFile::remove(executable.filePath(u"set.zdt"_s));
        if (c.settingsBesideExecutable) {
            QFile::copy(installed.filePath(u"set.zdt"_s), executable.filePath(u"set.zdt"_s));
        }
        const QString folders[] = {executable.path(), installed.path(), user};
        EXPECT_EQ(settings_location::settingsFolder(layout(c.canWriteIn)), folders[c.settings]) << c.what;
        EXPECT_EQ(settings_location::dataFolder(layout(c.canWriteIn)), folders[c.data]) << c.what;
    }
}

TEST_F(SettingsLocation, FirstStartFillsTheUserFolderWithTheDefaults)
{
    installed.write(u"set3.zdt"_s, "6,255,1\r\n");
    ASSERT_EQ(settings_location::fillMissingSettings(user, installed.path()), std::nullopt);

    const QStringList names = QDir(installed.path()).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(names.size(), 6);
    EXPECT_EQ(QDir(user).entryList(QDir::Files, QDir::Name), names);
    for (const QString& name : names) {
        EXPECT_EQ(contentOf(QDir(user).filePath(name)), installed.read(name)) << name.toStdString();
        EXPECT_TRUE(QFileInfo(QDir(user).filePath(name)).isWritable()) << name.toStdString();
    }
}

TEST_F(SettingsLocation, ExistingUserFilesAreNeverReplacedAndMissingOnesComeBack)
{
    ASSERT_TRUE(QDir().mkpath(user));
    QFile changed(QDir(user).filePath(u"set3.zdt"_s));
    ASSERT_TRUE(changed.open(QIODevice::WriteOnly));
    changed.write("4,65280,1,0,0,0,0,0,0,0\r\n");
    changed.close();

    ASSERT_EQ(settings_location::fillMissingSettings(user, installed.path()), std::nullopt);

    EXPECT_EQ(contentOf(QDir(user).filePath(u"set3.zdt"_s)), "4,65280,1,0,0,0,0,0,0,0\r\n");
    EXPECT_EQ(contentOf(QDir(user).filePath(u"set2.zdt"_s)), installed.read(u"set2.zdt"_s));
    EXPECT_EQ(QDir(user).entryList(QDir::Files).size(), 6);
}

TEST_F(SettingsLocation, WritingIsTriedInTheFolderItself)
{
    EXPECT_TRUE(settings_location::canWriteIn(executable.path()));
    EXPECT_FALSE(settings_location::canWriteIn(executable.filePath(u"no such folder"_s)));
    EXPECT_TRUE(QDir(executable.path()).entryList(QDir::Files | QDir::Hidden).isEmpty()) << "the probe stays";
}

} // namespace
