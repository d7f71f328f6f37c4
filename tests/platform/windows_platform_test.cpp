// The pieces of the platform that are Windows' own, run under Wine: the start-up
// shortcut, the sound calls and the user's settings folder.
#include "platform/autostart.h"
#include "platform/settings_location.h"
#include "platform/windows_sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

// clang-format off
#include <windows.h>
#include <mmsystem.h>
#include <objbase.h>
#include <shlobj.h>
// clang-format on

using namespace Qt::StringLiterals;

namespace {

// A Windows path from an environment variable, in Qt's form.
QString environmentFolder(const char* name)
{
    return QDir::fromNativeSeparators(qEnvironmentVariable(name));
}

// What a shortcut file starts, as the shell reads it.
QString shortcutTarget(const QString& shortcutPath)
{
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    QString target;
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        wchar_t path[MAX_PATH] = {};
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
            SUCCEEDED(file->Load(reinterpret_cast<const wchar_t*>(shortcutPath.utf16()), STGM_READ)) &&
            SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH))) {
            target = QString::fromWCharArray(path);
        }
        if (file) {
            file->Release();
        }
        link->Release();
    }
    if (SUCCEEDED(init)) {
        CoUninitialize();
    }
    return target;
}

TEST(WindowsStartup, TheShortcutInTheUsersStartupFolderStartsThisExecutable)
{
    const QString startup =
        environmentFolder("APPDATA") + u"/Microsoft/Windows/Start Menu/Programs/Startup"_s;
    ASSERT_EQ(autostart::folder().toLower(), startup.toLower());

    // Two copies of the program, each registered under a name of its own.
    const QString executable = QCoreApplication::applicationFilePath();
    QTemporaryDir copyFolder;
    const QString copy = copyFolder.filePath(QFileInfo(executable).fileName());
    ASSERT_TRUE(QFile::copy(executable, copy));
    for (const QString& program : {executable, copy}) {
        EXPECT_FALSE(autostart::isRegistered(program)) << program.toStdString();
        ASSERT_TRUE(autostart::create(program)) << program.toStdString();
        ASSERT_TRUE(autostart::create(program)) << "registered again: " << program.toStdString();
        EXPECT_TRUE(autostart::isRegistered(program)) << program.toStdString();
    }

    const QString shortcut = QDir(startup).filePath(autostart::entryFileName(executable));
    const QString copyShortcut = QDir(startup).filePath(autostart::entryFileName(copy));
    EXPECT_NE(shortcut, copyShortcut);
    EXPECT_EQ(shortcutTarget(shortcut).toLower(), QDir::toNativeSeparators(executable).toLower());
    EXPECT_EQ(shortcutTarget(copyShortcut).toLower(), QDir::toNativeSeparators(copy).toLower());

    EXPECT_TRUE(autostart::remove(executable));
    EXPECT_FALSE(QFile::exists(shortcut));
    EXPECT_FALSE(autostart::isRegistered(executable));
    EXPECT_FALSE(autostart::remove(executable)) << "already removed";
    EXPECT_TRUE(QFile::exists(copyShortcut)) << "the copy's shortcut stays";
    EXPECT_TRUE(autostart::isRegistered(copy));
    EXPECT_TRUE(autostart::remove(copy));
}

TEST(WindowsStartup, TheShortcutIsNamedAfterTheExecutableAndItsFolder)
{
    const QRegularExpression named(u"^nekotokei-[0-9a-f]{8}\\.lnk$"_s);
    const QString a = autostart::entryFileName(u"C:/Program Files/nekotokei/nekotokei.exe"_s);
    EXPECT_TRUE(named.match(a).hasMatch()) << a.toStdString();
    EXPECT_NE(autostart::entryFileName(u"D:/clock copy/nekotokei.exe"_s), a);
    EXPECT_TRUE(autostart::entryFileName(u"C:/x/neko tokei.exe"_s).startsWith(u"neko tokei-"_s));
}

// What Windows was asked: PlaySoundW's sound name (none to stop) with its flags, and
// MessageBeep's sound types.
struct SoundCalls
{
    std::vector<std::pair<std::optional<std::wstring>, unsigned long>> played;
    std::vector<unsigned int> beeps;

    WindowsSound::Calls recorder()
    {
        return WindowsSound::Calls{
            .playSound =
                [this](const wchar_t* sound, unsigned long flags) {
                    played.emplace_back(sound ? std::optional(std::wstring(sound)) : std::nullopt, flags);
                    return true;
                },
            .messageBeep =
                [this](unsigned int type) {
                    beeps.push_back(type);
                    return true;
                },
        };
    }
};

class WindowsSoundFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        write(wave, QByteArray("RIFF\x24\x00\x00\x00WAVEfmt ", 16) + QByteArray(28, '\0'));
        write(text, "not a sound\r\n");
    }
    void write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir folder;
    const QString wave = folder.filePath(u"ねこ alarm.wav"_s);
    const QString text = folder.filePath(u"notes.wav"_s);
    const QString missing = folder.filePath(u"missing.wav"_s);
};

TEST_F(WindowsSoundFiles, WaveFilesArePlayedInTheBackgroundOthersAreRefused)
{
    struct Case
    {
        const char* what;
        QString path;
        bool played;
    };
    for (const Case& c : {Case{"wave file", wave, true}, Case{"text file", text, false},
                          Case{"missing file", missing, false}}) {
        SoundCalls calls;
        WindowsSound sound(calls.recorder());
        EXPECT_EQ(sound.playWave(c.path), c.played) << c.what;
        if (c.played) {
            ASSERT_EQ(calls.played.size(), 1u) << c.what;
            EXPECT_EQ(calls.played[0].first, QDir::toNativeSeparators(c.path).toStdWString()) << c.what;
            EXPECT_EQ(calls.played[0].second, static_cast<unsigned long>(SND_FILENAME | SND_ASYNC)) << c.what;
        } else {
            EXPECT_TRUE(calls.played.empty()) << c.what;
        }
    }
}

TEST_F(WindowsSoundFiles, StoppingPlaysNoSoundAndTheStandardSoundIsTheMessageBeep)
{
    SoundCalls calls;
    WindowsSound sound(calls.recorder());
    sound.stop();
    sound.beep();
    ASSERT_EQ(calls.played.size(), 1u);
    EXPECT_EQ(calls.played[0].first, std::nullopt);
    EXPECT_EQ(calls.played[0].second, 0u);
    EXPECT_EQ(calls.beeps, std::vector<unsigned int>{MB_OK});
}

TEST_F(WindowsSoundFiles, WindowsTakesTheWaveFile)
{
    WindowsSound sound;
    EXPECT_TRUE(sound.playWave(wave));
    EXPECT_FALSE(sound.playWave(missing));
    sound.stop();
}

TEST(WindowsSettingsFolder, TheUsersFolderIsAppDataNekotokei)
{
    const settings_location::Layout layout = settings_location::current();
    // The folder named after the program (nekotokei; the test program's own name here).
    const QString appData = environmentFolder("APPDATA") + u'/' + QCoreApplication::applicationName();
    EXPECT_EQ(layout.userSettingsFolder.toLower(), appData.toLower());
    EXPECT_EQ(layout.executableFolder, QCoreApplication::applicationDirPath());

    // The test program's folder holds no settings: the user's folder is used.
    ASSERT_FALSE(settings_location::holdsSettingsFiles(layout.executableFolder));
    EXPECT_EQ(settings_location::settingsFolder(layout), layout.userSettingsFolder);
}

} // namespace
