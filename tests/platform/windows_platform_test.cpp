// The pieces of the platform that are Windows' own, run under Wine: the start-up
// shortcut, the sound calls, the user's settings folder and the clock's notices.
#include "core/artwork.h"
#include "platform/app_identity.h"
#include "platform/autostart.h"
#include "platform/settings_location.h"
#include "platform/system_clock_watch.h"
#include "platform/windows/shown_desktop.h"
#include "platform/windows/windows_shortcut.h"
#include "platform/windows/windows_sound.h"
#include "support/wave_bytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <utility>
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

// A shortcut file as the shell reads it.
struct Shortcut
{
    QString target;
    QString workingFolder;
    QString icon;
    int iconIndex = -1;
    QString description;
};

Shortcut readShortcut(const QString& shortcutPath)
{
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Shortcut shortcut;
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        wchar_t text[MAX_PATH] = {};
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
            SUCCEEDED(file->Load(reinterpret_cast<const wchar_t*>(shortcutPath.utf16()), STGM_READ))) {
            if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH))) {
                shortcut.target = QString::fromWCharArray(text);
            }
            if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH))) {
                shortcut.workingFolder = QString::fromWCharArray(text);
            }
            if (SUCCEEDED(link->GetIconLocation(text, MAX_PATH, &shortcut.iconIndex))) {
                shortcut.icon = QString::fromWCharArray(text);
            }
            if (SUCCEEDED(link->GetDescription(text, MAX_PATH))) {
                shortcut.description = QString::fromWCharArray(text);
            }
        }
        if (file) {
            file->Release();
        }
        link->Release();
    }
    if (SUCCEEDED(init)) {
        CoUninitialize();
    }
    return shortcut;
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
    for (const auto& [path, program] : {std::pair{shortcut, executable}, std::pair{copyShortcut, copy}}) {
        // Started in its own folder, with its own icon and what it is as the tip.
        const Shortcut read = readShortcut(path);
        const QString native = QDir::toNativeSeparators(program).toLower();
        EXPECT_EQ(read.target.toLower(), native);
        EXPECT_EQ(read.workingFolder.toLower(),
                  QDir::toNativeSeparators(QFileInfo(program).absolutePath()).toLower());
        EXPECT_EQ(read.icon.toLower(), native);
        EXPECT_EQ(read.iconIndex, 0);
        EXPECT_EQ(read.description, programDescription());
    }

    EXPECT_TRUE(autostart::remove(executable));
    EXPECT_FALSE(QFile::exists(shortcut));
    EXPECT_FALSE(autostart::isRegistered(executable));
    EXPECT_FALSE(autostart::remove(executable)) << "already removed";
    EXPECT_TRUE(QFile::exists(copyShortcut)) << "the copy's shortcut stays";
    EXPECT_TRUE(autostart::isRegistered(copy));
    EXPECT_TRUE(autostart::remove(copy));
}

TEST(WindowsStartup, TheShortcutIsNamedAfterTheProgramAndItsFolder)
{
    const QRegularExpression named(u"^"_s + applicationTitle() + u"-[0-9a-f]{8}\\.lnk$"_s);
    const QString a = autostart::entryFileName(u"C:/Program Files/nekotokei/nekotokei.exe"_s);
    EXPECT_TRUE(named.match(a).hasMatch()) << a.toStdString();
    EXPECT_NE(autostart::entryFileName(u"D:/clock copy/nekotokei.exe"_s), a);
}

TEST(WindowsStartup, AShortcutOfTheEarlierNameCountsAndIsReplaced)
{
    // Earlier versions named it after the executable: registered, it still starts the
    // clock, so it counts, a new registration replaces it and a removal takes it.
    const QString executable = QCoreApplication::applicationFilePath();
    const QString earlier = QDir(autostart::folder())
                                .filePath(QFileInfo(executable).completeBaseName() +
                                          autostart::copySuffix(executable) + u".lnk"_s);
    const QString current = QDir(autostart::folder()).filePath(autostart::entryFileName(executable));
    for (const bool registerAgain : {false, true}) {
        ASSERT_TRUE(createWindowsShortcut(QDir::toNativeSeparators(earlier),
                                          QDir::toNativeSeparators(executable), programDescription()));
        EXPECT_TRUE(autostart::isRegistered(executable));
        if (registerAgain) {
            ASSERT_TRUE(autostart::create(executable));
            EXPECT_FALSE(QFile::exists(earlier)) << "two shortcuts would start it twice";
            EXPECT_TRUE(QFile::exists(current));
        }
        EXPECT_TRUE(autostart::remove(executable));
        EXPECT_FALSE(QFile::exists(earlier));
        EXPECT_FALSE(QFile::exists(current));
        EXPECT_FALSE(autostart::isRegistered(executable));
    }
}

TEST(WindowsProgram, TheIconHoldsEverySizeOfTheArtworkSoWindowsNeverShrinksOne)
{
    // The sizes in the executable's icon group, as Explorer and the taskbar choose from it.
    const HMODULE program =
        LoadLibraryExW(reinterpret_cast<const wchar_t*>(QStringLiteral(NEKOTOKEI_PROGRAM).utf16()), nullptr,
                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program, nullptr);
    const HRSRC group = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    const auto* directory = static_cast<const std::uint8_t*>(LockResource(LoadResource(program, group)));
    ASSERT_NE(directory, nullptr);
    // The group's header (reserved, type, count: three words), then 14 bytes an image,
    // whose first byte is its width (0 for 256).
    const int count = directory[4] | directory[5] << 8;
    std::vector<int> sizes;
    for (int i = 0; i < count; ++i) {
        const int width = directory[6 + 14 * i];
        sizes.push_back(width == 0 ? 256 : width);
    }
    FreeLibrary(program);
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, std::vector<int>(std::begin(artwork::iconSizes), std::end(artwork::iconSizes)));
}

// What Windows was asked: PlaySoundW's sound name (none to stop; for a sound in
// memory, its first twelve bytes) with its flags, MessageBeep's sound types and the
// formats asked about; and what it answers about formats and playing.
struct SoundCalls
{
    struct Played
    {
        std::optional<std::wstring> name;
        QByteArray memory;
        unsigned long flags;
    };
    std::vector<Played> played;
    std::vector<unsigned int> beeps;
    std::vector<QByteArray> formatsAsked;
    std::optional<bool> formatPlays = true;
    bool soundPlays = true;

    WindowsSound::Calls recorder()
    {
        return WindowsSound::Calls{
            .playSound =
                [this](const wchar_t* sound, unsigned long flags) {
                    if (flags & SND_MEMORY) {
                        played.push_back(
                            {std::nullopt, QByteArray(reinterpret_cast<const char*>(sound), 12), flags});
                    } else {
                        played.push_back(
                            {sound ? std::optional(std::wstring(sound)) : std::nullopt, {}, flags});
                    }
                    return soundPlays;
                },
            .messageBeep =
                [this](unsigned int type) {
                    beeps.push_back(type);
                    return true;
                },
            .formatPlays =
                [this](const QByteArray& format) {
                    formatsAsked.push_back(format);
                    return formatPlays;
                },
        };
    }
};

using namespace wave_bytes;

class WindowsSoundFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        write(wave, riff(plainFormat({}) + samples(400)));
        write(extensible24, riff(extensibleFormat({.bits = 24}) + samples(600)));
        write(muLaw, riff(plainFormat({.tag = 7, .channels = 1, .bits = 8}) + samples(100)));
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
    const QString extensible24 = folder.filePath(u"24.wav"_s);
    const QString muLaw = folder.filePath(u"ulaw.wav"_s);
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
            EXPECT_EQ(calls.played[0].name, QDir::toNativeSeparators(c.path).toStdWString()) << c.what;
            EXPECT_EQ(calls.played[0].flags, static_cast<unsigned long>(SND_FILENAME | SND_ASYNC)) << c.what;
        } else {
            EXPECT_TRUE(calls.played.empty()) << c.what;
        }
    }
}

TEST_F(WindowsSoundFiles, WindowsJudgesTheFormatsAndTheFileItsOwnFaults)
{
    // Where no output device answers, the layouts the program knows stand in.
    struct Case
    {
        const char* what;
        QString path;
        std::optional<bool> windowsPlays;
        std::optional<WaveProblem> problem;
        bool asked;
    };
    const Case cases[] = {
        {"24-bit extensible", extensible24, true, std::nullopt, true},
        {"u-law, which Windows decodes", muLaw, true, std::nullopt, true},
        {"16-bit, refused by Windows", wave, false, WaveProblem::Encoding, true},
        {"u-law, no device to ask", muLaw, std::nullopt, WaveProblem::Encoding, true},
        {"16-bit, no device to ask", wave, std::nullopt, std::nullopt, true},
        {"text file", text, true, WaveProblem::NotWave, false},
        {"missing file", missing, true, WaveProblem::Unreadable, false},
    };
    for (const Case& c : cases) {
        SoundCalls calls;
        calls.formatPlays = c.windowsPlays;
        WindowsSound sound(calls.recorder());
        EXPECT_EQ(sound.checkWave(c.path), c.problem) << c.what;
        ASSERT_EQ(calls.formatsAsked.size(), c.asked ? 1u : 0u) << c.what;
        if (c.asked) {
            // The format chunk as the file holds it, without its chunk header.
            QFile file(c.path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            EXPECT_EQ(calls.formatsAsked[0],
                      bytes.mid(20, qFromLittleEndian<quint32>(bytes.constData() + 16)))
                << c.what;
        }
    }
}

TEST_F(WindowsSoundFiles, TheStandardSoundPlaysFromMemoryElseTheMessageBeep)
{
    for (const bool soundPlays : {true, false}) {
        SoundCalls calls;
        calls.soundPlays = soundPlays;
        WindowsSound sound(calls.recorder());
        sound.stop();
        sound.beep();
        ASSERT_EQ(calls.played.size(), 2u);
        EXPECT_EQ(calls.played[0].name, std::nullopt);
        EXPECT_EQ(calls.played[0].flags, 0u);
        EXPECT_TRUE(calls.played[1].memory.startsWith("RIFF")) << soundPlays;
        EXPECT_EQ(calls.played[1].memory.mid(8), "WAVE") << soundPlays;
        EXPECT_EQ(calls.played[1].flags, static_cast<unsigned long>(SND_MEMORY | SND_ASYNC | SND_NODEFAULT));
        EXPECT_EQ(calls.beeps, soundPlays ? std::vector<unsigned int>{} : std::vector<unsigned int>{MB_OK});
    }
}

TEST_F(WindowsSoundFiles, WindowsTakesTheWaveFile)
{
    WindowsSound sound;
    EXPECT_EQ(sound.checkWave(wave), std::nullopt);
    EXPECT_TRUE(sound.playWave(wave));
    EXPECT_FALSE(sound.playWave(missing));
    sound.beep();
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

// Windows tells each top-level window that its clock was set or that the machine
// resumed; other power messages and other messages wake nothing. The tests run on the
// offscreen platform, where Qt has no window of its own: the notices come to a window
// of the test's, through the thread's queue, which passes them to the same filters.
TEST(WindowsClockWatch, HearsTheClockSetAndTheResume)
{
    struct Case
    {
        const char* name;
        UINT message;
        WPARAM wParam;
        int jumps;
    };
    const Case cases[] = {
        {"ClockSet", WM_TIMECHANGE, 0, 1},
        {"Resumed", WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 1},
        {"Suspending", WM_POWERBROADCAST, PBT_APMSUSPEND, 0},
        {"SettingChanged", WM_SETTINGCHANGE, 0, 0},
    };
    for (const Case& c : cases) {
        const HWND window =
            CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        const std::unique_ptr<ClockWatch> watch = makeSystemClockWatch();
        int jumps = 0;
        ASSERT_TRUE(watch->watch([&jumps] { ++jumps; }));
        PostMessageW(window, c.message, c.wParam, 0);
        QTest::qWait(50);
        EXPECT_EQ(jumps, c.jumps) << c.name;
        DestroyWindow(window);
    }
}

// The clock minimised by the shell (showing the desktop, minimising every window) comes
// back at once; other changes of its size leave it be. A window of the test's, as above:
// Windows minimises it for real, and the notice comes through the thread's queue.
TEST(WindowsShownDesktop, AMinimisedClockComesBackAtOnce)
{
    struct Case
    {
        const char* name;
        WPARAM size;
        bool restored;
    };
    const Case cases[] = {
        {"Minimised", SIZE_MINIMIZED, true},
        {"Restored", SIZE_RESTORED, false},
        {"Maximised", SIZE_MAXIMIZED, false},
    };
    for (const Case& c : cases) {
        const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                            nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        QObject owner;
        this_system::keepRestored(window, owner);
        ShowWindow(window, SW_SHOWMINNOACTIVE);
        ASSERT_TRUE(IsIconic(window)) << c.name;
        PostMessageW(window, WM_SIZE, c.size, 0);
        QTest::qWait(50);
        EXPECT_EQ(!IsIconic(window), c.restored) << c.name;
        DestroyWindow(window);
    }
}

} // namespace
