#include "platform/autostart.h"
#include "platform/xdg/desktop_entry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(Autostart, QuotesAndEscapesTheExecutablePath)
{
    const std::pair<QString, QString> cases[] = {
        {u"/usr/bin/nekotokei"_s, u"\"/usr/bin/nekotokei\""_s},
        {u"/home/a b/nekotokei"_s, u"\"/home/a b/nekotokei\""_s},
        {u"/x\"y/nekotokei"_s, u"\"/x\\\\\"y/nekotokei\""_s},
        {u"/$HOME/`id`/nekotokei"_s, u"\"/\\\\$HOME/\\\\`id\\\\`/nekotokei\""_s},
        {u"/back\\slash/nekotokei"_s, u"\"/back\\\\\\\\slash/nekotokei\""_s},
        {u"/100%/nekotokei"_s, u"\"/100%%/nekotokei\""_s},
        {u"/semi;colon & pipe|/nekotokei"_s, u"\"/semi;colon & pipe|/nekotokei\""_s},
        {u"/line\nbreak/nekotokei"_s, u"\"/line\\nbreak/nekotokei\""_s},
    };
    for (const auto& [path, expected] : cases) {
        EXPECT_EQ(autostart::execArgument(path), expected) << path.toStdString();
    }
}

TEST(Autostart, EntryIsNamedAfterTheExecutableAndItsCopy)
{
    const QRegularExpression named(u"^nekotokei-[0-9a-f]{8}\\.desktop$"_s);
    const QString a = autostart::entryFileName(u"/opt/clock/nekotokei"_s);
    EXPECT_TRUE(named.match(a).hasMatch()) << a.toStdString();
    EXPECT_EQ(autostart::entryFileName(u"/opt/clock/nekotokei"_s), a);
    EXPECT_NE(autostart::entryFileName(u"/opt/clock2/nekotokei"_s), a);
    EXPECT_TRUE(autostart::entryFileName(u"/opt/clock/neko tokei"_s).startsWith(u"neko tokei-"_s));
}

class AutostartFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        saved_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", saved_); }

    QString entryPath(const QString& executable) const
    {
        return config.filePath(u"autostart/"_s + autostart::entryFileName(executable));
    }
    QString entryPath() const { return entryPath(executable); }

    QTemporaryDir config;
    const QString executable = u"/opt/my \"clocks\"/$cat/nekotokei"_s;

private:
    QByteArray saved_;
};

TEST_F(AutostartFolder, CreateTwiceDeleteDeleteAgain)
{
    EXPECT_EQ(autostart::folder(), config.filePath(u"autostart"_s));
    EXPECT_FALSE(autostart::isRegistered(executable));
    ASSERT_TRUE(autostart::create(executable));
    ASSERT_TRUE(autostart::create(executable));
    EXPECT_TRUE(autostart::isRegistered(executable));
    QFile entry(entryPath());
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QByteArray written = entry.readAll();
    EXPECT_EQ(written, autostart::desktopEntry(executable));
    entry.close();
    // Once the program is gone, the desktop passes the entry by.
    EXPECT_TRUE(written.contains("\nTryExec=/opt/my \"clocks\"/$cat/nekotokei\n")) << written.constData();

    EXPECT_TRUE(autostart::remove(executable));
    EXPECT_FALSE(QFile::exists(entryPath()));
    EXPECT_FALSE(autostart::isRegistered(executable));
    EXPECT_FALSE(autostart::remove(executable));
}

// Whether an entry starts this copy at log-on: by its Exec line, unless the desktop was told
// to leave it alone.
TEST(Autostart, AnEntryStartsTheCopyItsExecLineNames)
{
    const QString here = u"/opt/clock/nekotokei"_s;
    const QByteArray ours = autostart::desktopEntry(here);
    const std::pair<QByteArray, bool> cases[] = {
        {ours, true},
        {autostart::desktopEntry(u"/opt/clock2/nekotokei"_s), false},
        {ours + "Hidden=true\n", false},
        {ours + "Hidden=false\n", true},
        {ours + "X-GNOME-Autostart-enabled=false\n", false},
        // An earlier version's entry, without TryExec.
        {"[Desktop Entry]\nType=Application\nName=nekotokei\nExec=\"/opt/clock/nekotokei\"\n", true},
        {"[Desktop Action x]\nExec=\"/opt/clock/nekotokei\"\n", false},
        {"", false},
    };
    for (const auto& [entry, starts] : cases) {
        EXPECT_EQ(autostart::startsProgram(entry, here), starts) << entry.constData();
    }
}

// A copied folder is another clock: each copy registers and removes its own entry.
TEST_F(AutostartFolder, CopiesKeepTheirOwnEntries)
{
    const QString copy = u"/home/u/clock copy/nekotokei"_s;
    ASSERT_TRUE(autostart::create(executable));
    ASSERT_TRUE(autostart::create(copy));
    EXPECT_TRUE(autostart::remove(executable));
    QFile entry(entryPath(copy));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_EQ(entry.readAll(), autostart::desktopEntry(copy));
    EXPECT_TRUE(autostart::remove(copy));
    EXPECT_FALSE(QFile::exists(entryPath(copy)));
}

// An entry named after the executable alone, as earlier versions wrote it, counts and goes
// when it starts this copy, not otherwise.
TEST_F(AutostartFolder, AnEarlierEntryOfThisCopyCountsAndGoesOthersStay)
{
    const QString earlier = config.filePath(u"autostart/nekotokei.desktop"_s);
    ASSERT_TRUE(QDir().mkpath(autostart::folder()));
    for (const bool ours : {false, true}) {
        QFile entry(earlier);
        ASSERT_TRUE(entry.open(QIODevice::WriteOnly | QIODevice::Truncate));
        entry.write("[Desktop Entry]\nType=Application\nName=nekotokei\nComment=Desktop cat clock\nExec=" +
                    autostart::execArgument(ours ? executable : u"/elsewhere/nekotokei"_s).toUtf8() +
                    "\nTerminal=false\n");
        entry.close();
        EXPECT_EQ(autostart::isRegistered(executable), ours);
        EXPECT_EQ(autostart::remove(executable), ours);
        EXPECT_EQ(QFile::exists(earlier), !ours);
        EXPECT_FALSE(autostart::isRegistered(executable));
    }
}

TEST_F(AutostartFolder, UnusableFolderFailsBothWays)
{
    QFile blocker(config.filePath(u"autostart"_s));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    EXPECT_FALSE(autostart::create(executable));
    EXPECT_FALSE(autostart::remove(executable));
}

TEST_F(AutostartFolder, RelativeConfigHomeIsIgnored)
{
    qputenv("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(autostart::folder(), QDir::homePath() + u"/.config/autostart"_s);
}

TEST_F(AutostartFolder, EntryValidates)
{
    const QString validator = QStandardPaths::findExecutable(u"desktop-file-validate"_s);
    if (validator.isEmpty()) {
        GTEST_SKIP() << "desktop-file-validate is not installed";
    }
    ASSERT_TRUE(autostart::create(executable));
    QProcess process;
    process.start(validator, {entryPath()});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardOutput().toStdString();
    EXPECT_TRUE(process.readAllStandardOutput().trimmed().isEmpty());
}

} // namespace
