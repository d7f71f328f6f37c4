#include "app/application.h"
#include "face/window_outline.h"
#include "support/fake_desktop.h"
#include "support/menu_user.h"
#include "support/temp_program_folder.h"
#include "ui/settings_window.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ClockStartUp : public ::testing::Test
{
protected:
    TempProgramFolder folder;
    FakeDesktop desktop{folder.path()};
};

TEST_F(ClockStartUp, ShowsTheChosenDesignAtTheStoredPositionInItsOutline)
{
    folder.write(u"fomit.zdt"_s, "7680,4500\r\n");
    folder.write(u"set3.zdt"_s, "4,16777215,0\r\n");
    Application app(desktop.parts());

    ASSERT_TRUE(app.start());

    const ClockWindow& clock = app.clockWindow();
    EXPECT_TRUE(clock.isVisible());
    EXPECT_EQ(clock.pos(), QPoint(512, 300));
    EXPECT_EQ(clock.size(), QSize(115, 90));
    // The design's own picture, where no hand or text reaches.
    EXPECT_EQ(clock.face().image().copy(0, 0, 115, 10),
              designs::picture(DesignIndex{4}, 1).copy(0, 0, 115, 10));
    EXPECT_EQ(clock.mask(), window_outline::outlineOf(designs::picture(DesignIndex{4}, 1)));
    EXPECT_FALSE(clock.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(desktop.questions.messages.empty());
}

TEST_F(ClockStartUp, EveryDesignHasItsOwnSizeAndOutline)
{
    for (int design = 0; design < designs::count; ++design) {
        folder.write(u"set3.zdt"_s, QByteArray::number(design) + ",255,1\r\n");
        Application app(desktop.parts());
        ASSERT_TRUE(app.start());
        EXPECT_EQ(app.clockWindow().size(), designs::find(DesignIndex{design})->size) << design;
        EXPECT_EQ(app.clockWindow().mask(),
                  window_outline::outlineOf(designs::picture(DesignIndex{design}, 1)))
            << design;
    }
}

TEST_F(ClockStartUp, AppliesTheStoredValues)
{
    folder.write(u"set.zdt"_s, "0\r\n");
    folder.write(u"set1.zdt"_s, "0,1\r\n");
    folder.write(u"set2.zdt"_s, "255,65280,16711680\r\n");
    folder.write(u"set3.zdt"_s, "6,0,2\r\n");
    Application app(desktop.parts());

    ASSERT_TRUE(app.start());

    const ClockSettings& s = app.model().settings();
    EXPECT_EQ(s.alwaysOnTop, Stacking::Normal);
    EXPECT_FALSE(s.secondHand);
    EXPECT_TRUE(s.trayIcon);
    EXPECT_TRUE(desktop.shell.trayIconShown);
    EXPECT_EQ(s.hourHandColour, 255u);
    EXPECT_EQ(s.minuteHandColour, 65280u);
    EXPECT_EQ(s.secondHandColour, 16711680u);
    EXPECT_EQ(s.design, DesignIndex{6});
    EXPECT_EQ(s.readoutColour, 0xFFFFFFu); // a stored 0 shows white
    EXPECT_EQ(s.colonStyle, ColonStyle::Hidden);
    EXPECT_EQ(app.dialogs().find<SettingsWindow>(), nullptr);
    EXPECT_TRUE(app.clockWindow().isEnabled());
}

TEST_F(ClockStartUp, StackingOrderFollowsTheSetting)
{
    struct Case
    {
        QByteArray stored;
        bool onTop;
    };
    for (const Case& c : {Case{"1\r\n", true}, Case{"0\r\n", false}, Case{"2\r\n", false}}) {
        folder.write(u"set.zdt"_s, c.stored);
        Application app(desktop.parts());
        ASSERT_TRUE(app.start());
        const ClockWindow& clock = app.clockWindow();
        EXPECT_EQ(clock.windowFlags().testFlag(Qt::WindowStaysOnTopHint), c.onTop) << c.stored.constData();
        EXPECT_TRUE(clock.windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_TRUE(clock.isVisible());
    }
}

TEST_F(ClockStartUp, RefusesToStartOnABadSettingsFileAndWritesNothing)
{
    struct Case
    {
        const char* file;
        QByteArray content;
    };
    const Case cases[] = {{"fomit.zdt", ""},
                          {"set1.zdt", "1\r\n"},
                          {"set2.zdt", "0,black,255\r\n"},
                          {"set3.zdt", "99999,0,0\r\n"},
                          {"set3.zdt", "7,255,1\r\n"}}; // a design after the last
    for (const Case& c : cases) {
        TempProgramFolder bad;
        bad.write(QString::fromLatin1(c.file), c.content);
        // An old-form alarm file would be rewritten by a start that got that far.
        bad.write(u"alm.zdt"_s, "\"07:30\",1,\"標準\",\" 表示 \"\r\n");
        FakeDesktop badDesktop(bad.path());
        const QByteArray before = bad.snapshot();
        {
            Application app(badDesktop.parts());
            EXPECT_FALSE(app.start()) << c.file;
            EXPECT_FALSE(app.clockWindow().isVisible());
        }
        EXPECT_EQ(bad.snapshot(), before) << c.file;
        ASSERT_EQ(badDesktop.questions.messages.size(), 1u);
        EXPECT_TRUE(badDesktop.questions.messages[0].text.contains(QString::fromLatin1(c.file)));
    }

    TempProgramFolder missing;
    missing.remove(u"set.zdt"_s);
    FakeDesktop missingDesktop(missing.path());
    Application app(missingDesktop.parts());
    EXPECT_FALSE(app.start());
    EXPECT_FALSE(app.clockWindow().isVisible());
}

TEST_F(ClockStartUp, AnUnreadableAlarmFileStartsTheClockWithoutAlarmsAndSaysSo)
{
    folder.remove(u"alm.zdt"_s);
    ASSERT_TRUE(QDir().mkdir(folder.filePath(u"alm.zdt"_s))); // a folder where the file should be
    Application app(desktop.parts());
    ASSERT_TRUE(app.start());
    EXPECT_TRUE(app.model().alarms().empty());
    ASSERT_EQ(desktop.questions.messages.size(), 1u);
    EXPECT_EQ(desktop.questions.messages[0].text,
              u"アラームの設定を読み込めませんでした。\n%1\n通常のファイルではありません。"_s.arg(
                  QDir::toNativeSeparators(folder.filePath(u"alm.zdt"_s))));
}

TEST_F(ClockStartUp, AnAlarmTimeOfNoTimeOfDayIsNamedAtStartUpAndKeptAsRead)
{
    folder.write(u"alm.zdt"_s, "\"07:30\",1,\"標準\",\" 表示 \",\"a\"\r\n"
                               "\"25:00\",1,\"標準\",\" 表示 \",\"b\"\r\n");
    const QByteArray before = folder.snapshot();
    Application app(desktop.parts());
    ASSERT_TRUE(app.start());
    EXPECT_EQ(app.model().alarms().size(), 2u);
    ASSERT_EQ(desktop.questions.messages.size(), 1u);
    EXPECT_EQ(desktop.questions.messages[0].text,
              u"アラームの設定を読み込めませんでした。\n%1\n"
              "2 番目のアラームの時刻「25:00」は 00:00～23:59 の時刻として読めないため、鳴りません。"_s.arg(
                  QDir::toNativeSeparators(folder.filePath(u"alm.zdt"_s))));
    EXPECT_EQ(folder.snapshot(), before);

    // Saved again, the file keeps the alarm as it was written.
    ASSERT_TRUE(app.model().saveAlarms(app.model().alarms()));
    EXPECT_TRUE(folder.read(u"alm.zdt"_s).contains("\"25:00\",1,\"標準\",\" 表示 \",\"b\"\r\n"));
}

TEST_F(ClockStartUp, KeepsPositionsPartlyOnScreenAndRescuesLostOnes)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    folder.write(u"fomit.zdt"_s, "-300,-450\r\n");
    {
        Application app(desktop.parts());
        ASSERT_TRUE(app.start());
        EXPECT_EQ(app.clockWindow().pos(), QPoint(-20, -30));
    }
    folder.write(u"fomit.zdt"_s, "-300000,900000\r\n");
    {
        Application app(desktop.parts());
        ASSERT_TRUE(app.start());
        const ClockWindow& clock = app.clockWindow();
        EXPECT_EQ(clock.pos(), QPoint(available.left(), available.bottom() + 1 - clock.height()));
    }
}

} // namespace

TEST_F(ClockStartUp, OnWaylandTheCatIsCutOutByTransparencyAndThePositionStaysAsStored)
{
    desktop.shell.placesAndShapesWindows = false;
    folder.write(u"fomit.zdt"_s, "7680,4500\r\n");
    Application app(desktop.parts());
    ASSERT_TRUE(app.start());
    ClockWindow& clock = app.clockWindow();

    const QImage shown = clock.grab().toImage();
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0); // outside the cat
    EXPECT_EQ(qAlpha(shown.pixel(clock.width() / 2, clock.height() / 2)), 255);

    // Wayland reports the window at 0,0 wherever the desktop put it.
    clock.move(0, 0);
    const MenuUser user(app.menu().menu()); // dismisses the menu the right click opens
    QTest::mousePress(&clock, Qt::RightButton, {}, {40, 60});
    QTest::mouseRelease(&clock, Qt::RightButton, {}, {40, 60});
    clock.close();
    EXPECT_EQ(folder.read(u"fomit.zdt"_s), "7680,4500\r\n");
}

// An installed copy: the settings live in the user's folder, and the shipped files elsewhere.
class InstalledStartUp : public ::testing::Test
{
protected:
    InstalledStartUp() { desktop.folders.data = shipped.path(); }

    TempProgramFolder shipped;
    QTemporaryDir home;
    FakeDesktop desktop{home.filePath(u"nekotokei"_s)};
};

TEST_F(InstalledStartUp, FirstStartRunsOnTheShippedDefaultsAndSavesInTheUserFolder)
{
    shipped.write(u"set3.zdt"_s, "6,255,1\r\n");
    const QByteArray shippedBefore = shipped.snapshot();
    Application app(desktop.parts());

    ASSERT_TRUE(app.start());
    EXPECT_EQ(app.model().settings().design, DesignIndex{6});
    app.model().setAlwaysOnTop(Stacking::Normal);

    QFile saved(desktop.folders.settings + u"/set.zdt"_s);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), "0\r\n");
    EXPECT_EQ(shipped.snapshot(), shippedBefore);
}

TEST_F(InstalledStartUp, AUserFolderThatCannotBeMadeStopsStartUp)
{
    QFile blocker(desktop.folders.settings); // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Application app(desktop.parts());

    EXPECT_FALSE(app.start());
    EXPECT_FALSE(app.clockWindow().isVisible());
    ASSERT_EQ(desktop.questions.messages.size(), 1u);
    EXPECT_TRUE(
        desktop.questions.messages[0].text.contains(QDir::toNativeSeparators(desktop.folders.settings)))
        << desktop.questions.messages[0].text.toStdString();
}

// The clock on real disks that are full or read-only, which tests/ui/on_small_disks.sh
// mounts for it and names in the environment (skipped elsewhere).
class OnASmallDisk : public ::testing::Test
{
protected:
    static QString disk(const char* variable) { return qEnvironmentVariable(variable); }

    // Writes a file until the disk has no room left.
    static void fill(const QString& disk)
    {
        QFile filler(disk + u"/filler"_s);
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        for (const qsizetype block : {4096, 1}) {
            while (filler.write(QByteArray(block, 'x')) == block) {
            }
        }
    }

    // The words of a message without the path it names: Japanese only.
    static bool allJapanese(QString text, const QString& path)
    {
        return !text.remove(QDir::toNativeSeparators(path)).contains(QRegularExpression(u"[A-Za-z]"_s));
    }

    TempProgramFolder shipped;
};

TEST_F(OnASmallDisk, AFirstStartThatCannotFinishLeavesNothingBehindAndSaysWhy)
{
    struct Case
    {
        const char* disk;
        bool full;
        QString first;  // the first line
        QString failed; // the path named, in the user's folder
        QString why;
    };
    const Case cases[] = {
        // The empty alarm file fits, the position file does not.
        {"NEKOTOKEI_TEST_FULL_DISK", true, u"設定ファイルを用意できないため、起動できません。"_s,
         u"/fomit.zdt"_s, u"ディスクの空き容量が足りません。"_s},
        {"NEKOTOKEI_TEST_READ_ONLY_DISK", false, u"設定フォルダーを作れないため、起動できません。"_s,
         QString(), u"読み取り専用のディスクにあります。"_s},
    };
    for (const Case& c : cases) {
        const QString root = disk(c.disk);
        if (root.isEmpty()) {
            GTEST_SKIP() << "needs the disks that on_small_disks.sh mounts";
        }
        if (c.full) {
            fill(root);
        }
        const QStringList before = QDir(root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        FakeDesktop desktop(root + u"/home/.config/nekotokei"_s);
        desktop.folders.data = shipped.path();
        {
            Application app(desktop.parts());
            EXPECT_FALSE(app.start()) << c.disk;
            EXPECT_FALSE(app.clockWindow().isVisible());
        }
        EXPECT_EQ(QDir(root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before) << c.disk;
        ASSERT_EQ(desktop.questions.messages.size(), 1u) << c.disk;
        const QString path = desktop.folders.settings + c.failed;
        EXPECT_EQ(desktop.questions.messages[0].text,
                  c.first + u'\n' + QDir::toNativeSeparators(path) + u'\n' + c.why);
        EXPECT_TRUE(allJapanese(desktop.questions.messages[0].text, path))
            << desktop.questions.messages[0].text.toStdString();
        QFile::remove(root + u"/filler"_s);
    }
}

TEST_F(OnASmallDisk, ASaveOnAFullDiskKeepsTheOldFileAndSaysWhy)
{
    const QString root = disk("NEKOTOKEI_TEST_FULL_DISK");
    if (root.isEmpty()) {
        GTEST_SKIP() << "needs the disks that on_small_disks.sh mounts";
    }
    FakeDesktop desktop(root + u"/settings"_s);
    desktop.folders.data = shipped.path();
    Application app(desktop.parts());
    ASSERT_TRUE(app.start());
    const QString set = desktop.folders.settings + u"/set.zdt"_s;
    const QByteArray before = shipped.read(u"set.zdt"_s);
    fill(root);

    app.model().setAlwaysOnTop(Stacking::Normal);

    // One message for each of the three files the choice rewrites, set.zdt first.
    ASSERT_FALSE(desktop.questions.messages.empty());
    EXPECT_EQ(desktop.questions.messages[0].text,
              u"設定ファイルを保存できませんでした。\n%1\nディスクの空き容量が足りません。"_s.arg(
                  QDir::toNativeSeparators(set)));
    for (const FakeQuestions::Message& message : desktop.questions.messages) {
        EXPECT_TRUE(message.text.endsWith(u"\nディスクの空き容量が足りません。"_s))
            << message.text.toStdString();
    }
    QFile file(set);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_EQ(QDir(desktop.folders.settings).entryList(QDir::Files).size(), 6) << "no temporary file stays";
    QFile::remove(root + u"/filler"_s);
}
