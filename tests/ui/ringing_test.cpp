#include "model/tick_schedule.h"
#include "support/clicks.h"
#include "support/program_test.h"
#include "support/windows.h"
#include "ui/message_window.h"
#include "ui/settings_window.h"
#include "widgets/image_button.h"
#include "widgets/wrapped_text.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class Ringing : public ProgramTest
{
protected:
    void SetUp() override
    {
        folder.write(u"alm.zdt"_s, alarms);
        desktop.clock.setNow(QDateTime(QDate(2024, 5, 17), QTime(7, 4, 59)));
        ASSERT_TRUE(app.start());
    }

    void closeMessage() { clicks::click(child(message(), "closeButton")); }

    // One tick of the clock at hh:mm:ss.zzz of the test day.
    void tickAt(int hour, int minute, int second, int millisecond = 0)
    {
        desktop.clock.setNow(QDateTime(QDate(2024, 5, 17), QTime(hour, minute, second, millisecond)));
        heartbeat.beat();
    }

    MessageWindow* message() const { return dialogs.find<MessageWindow>(); }

    QByteArray alarms = "\"07:05\",1,\"標準\",\" 表示 \",\"起きて\"\r\n";
};

TEST_F(Ringing, StandardSoundWithMessageBeepsOnceAndShowsTheMessage)
{
    tickAt(7, 4, 59);
    EXPECT_EQ(message(), nullptr);

    tickAt(7, 5, 0);

    ASSERT_NE(message(), nullptr);
    EXPECT_TRUE(message()->isVisible());
    EXPECT_EQ(message()->text(), u"起きて\n\n設定時刻  07：05"_s);
    EXPECT_TRUE(message()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(desktop.sound.beeps, 1);
    EXPECT_TRUE(desktop.sound.playedWaves.isEmpty());
    EXPECT_FALSE(model.lastAlarmPlayedWave());
    EXPECT_FALSE(clock.isEnabled());

    // The rest of the minute brings no second ring.
    for (int second = 1; second < 60; ++second) {
        tickAt(7, 5, second);
    }
    EXPECT_EQ(desktop.sound.beeps, 1);
}

TEST_F(Ringing, ClosingTheMessageEnablesTheClockUnlessTheSettingsWindowIsOpen)
{
    for (const bool settingsOpen : {false, true}) {
        if (settingsOpen) {
            dialogs.openSettings();
        }
        dialogs.showMessage(u"x"_s, Dialogs::Notice::AlarmRang);
        EXPECT_FALSE(clock.isEnabled());
        closeMessage();
        EXPECT_EQ(message(), nullptr);
        EXPECT_EQ(clock.isEnabled(), !settingsOpen) << settingsOpen;
    }
}

TEST(RingingTogether, NoMessageIsDroppedAndTheNewestComesLast)
{
    TempProgramFolder folder;
    folder.write(u"alm.zdt"_s, "\"07:05\",1,\"標準\",\" 表示 \",\"起きて\"\r\n"
                               "\"07:05\",1,\"標準\",\" 表示 \",\"会議\"\r\n"
                               "\"07:06\",1,\"標準\",\" 表示 \",\"出発\"\r\n");
    FakeDesktop desktop(folder.path());
    desktop.clock.setNow(QDateTime(QDate(2024, 5, 17), QTime(7, 5, 0)));
    Application app(desktop.parts());
    ASSERT_TRUE(app.start());
    app.heartbeat().beat();
    desktop.clock.setNow(QDateTime(QDate(2024, 5, 17), QTime(7, 6, 0)));
    app.heartbeat().beat();

    MessageWindow* message = app.dialogs().find<MessageWindow>();
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->text(),
              u"起きて\n\n設定時刻  07：05\n\n会議\n\n設定時刻  07：05\n\n出発\n\n設定時刻  07：06"_s);
    EXPECT_EQ(desktop.sound.beeps, 3); // the standard sound of each
}

TEST_F(Ringing, LongMessagesWrapAndTheWindowGrowsToShowThem)
{
    struct Case
    {
        QString message;
        bool grows;
    };
    const Case cases[] = {
        {u"起きて"_s, false},
        {u"10時から会議室Bで定例ミーティングです"_s, true},
        {u"10時から会議室Bで定例ミーティングです"_s.repeated(7), true},
        {u"file:///home/someone/a/very/long/path/without/any/spaces/to/break/at/alarm.wav"_s, true},
    };
    for (const Case& c : cases) {
        MessageWindow* window =
            dialogs.showMessage(c.message + u"\r\n\r\n設定時刻  07：05"_s, Dialogs::Notice::AlarmRang);
        auto* text = child<WrappedText>(window, "messageText");
        EXPECT_EQ(window->width(), 240);
        EXPECT_EQ(window->height() > 90, c.grows) << window->height();
        EXPECT_EQ(child(window, "messageScroll")->geometry(), QRect(5, 12, 230, window->height() - 41));
        EXPECT_EQ(child(window, "closeButton")->pos(), QPoint(85, window->height() - 28));
        // Every line fits the box: the text is wrapped inside its width, whole, without scrolling.
        EXPECT_EQ(text->width(), 230);
        EXPECT_EQ(text->height(), window->height() - 41);
        EXPECT_LE(text->heightFor(230), text->height());
        closeMessage();
    }
}

// Ten alarms in one minute, more than the screen holds: the window grows as each comes, stays wholly inside
// the free part of the screen (moving up), and the messages that do not fit scroll above the close button,
// the newest shown.
TEST_F(Ringing, ManyMessagesStayOnTheScreenAndScroll)
{
    MessageWindow* window = nullptr;
    int firstTop = 0;
    for (int i = 0; i < 10; ++i) {
        window = dialogs.showMessage(
            u"会議 %1 の準備をしてください。資料は共有フォルダーにあります。会議室は三階です。"
            "\r\n\r\n設定時刻  07：05"_s.arg(i + 1),
            Dialogs::Notice::AlarmRang);
        firstTop = i == 0 ? window->y() : firstTop;
        const QRect free = window->screen()->availableGeometry();
        EXPECT_TRUE(free.contains(window->geometry())) << i << ": " << window->y() << "+" << window->height();
        EXPECT_TRUE(window->rect().contains(child(window, "closeButton")->geometry())) << i;
    }
    EXPECT_EQ(window->height(), window->screen()->availableGeometry().height());
    EXPECT_LT(window->y(), firstTop);
    // The messages lie on the window's dark picture, which shows between their lines.
    const QImage shown = window->grab().toImage();
    int light = 0;
    for (int x = 5; x < 235; ++x) {
        light += shown.pixelColor(x, 12).lightness() > 128;
    }
    EXPECT_LT(light, 20);

    auto* area = child<QScrollArea>(window, "messageScroll");
    QScrollBar* bar = area->verticalScrollBar();
    auto* text = child<WrappedText>(window, "messageText");
    ASSERT_TRUE(bar->isVisible());
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum()); // the newest message
    // Beside the scroll bar, the text is still wrapped whole.
    EXPECT_EQ(text->width(), area->viewport()->width());
    EXPECT_LE(text->heightFor(text->width()), text->height());

    const auto press = [&](Qt::Key key) {
        QTest::keyClick(window, key);
        return bar->value();
    };
    EXPECT_EQ(press(Qt::Key_Home), 0);
    EXPECT_GT(press(Qt::Key_Down), 0);
    EXPECT_GT(press(Qt::Key_PageDown), bar->singleStep());
    EXPECT_EQ(press(Qt::Key_End), bar->maximum());
    // The wheel over the messages (their viewport receives it) and over the window's edges.
    for (QWidget* under : {area->viewport(), static_cast<QWidget*>(window)}) {
        const int before = bar->value();
        QWheelEvent wheel(QPointF(2, 2), under->mapToGlobal(QPointF(2, 2)), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(under, &wheel);
        EXPECT_LT(bar->value(), before) << under->objectName().toStdString();
    }
    EXPECT_EQ(dialogs.find<MessageWindow>(), window); // the keys scroll; none closes it
}

TEST_F(Ringing, MovingOverTheMessageLetsGoOfAPressedButton)
{
    MessageWindow* window = dialogs.showMessage(u"x"_s, Dialogs::Notice::AlarmRang);
    auto* close = child<ImageButton>(window, "closeButton");
    QTest::mousePress(close, Qt::LeftButton, {}, QPoint(5, 5));
    clicks::moveTo(close, QPoint(6, 6), Qt::LeftButton);
    ASSERT_EQ(close->look(), ImageButton::Look::Pressed);
    clicks::moveTo(child(window, "messageText"), QPoint(10, 10), Qt::LeftButton);
    clicks::moveTo(close, QPoint(6, 6), Qt::LeftButton);
    EXPECT_EQ(close->look(), ImageButton::Look::Hover);
}

struct SoundCase
{
    const char* name;
    QByteArray alarm;
    bool unplayable;
    QStringList played;
    int beeps;
    bool message;
    bool lastAlarmPlayedWave;

    friend void PrintTo(const SoundCase& c, std::ostream* os) { *os << c.name; }
};

class RingingSound : public ::testing::TestWithParam<SoundCase>
{};

TEST_P(RingingSound, PlaysWhatTheAlarmAsksFor)
{
    const SoundCase& c = GetParam();
    TempProgramFolder folder;
    folder.write(u"alm.zdt"_s, c.alarm);
    FakeDesktop desktop(folder.path());
    if (c.unplayable) {
        desktop.sound.unplayableWaves.insert(u"/snd/alarm.wav"_s, WaveProblem::Encoding);
    }
    desktop.clock.setNow(QDateTime(QDate(2024, 5, 17), QTime(7, 5, 20)));
    Application app(desktop.parts());
    ASSERT_TRUE(app.start());

    app.heartbeat().beat();

    EXPECT_EQ(desktop.sound.playedWaves, c.played);
    EXPECT_EQ(desktop.sound.beeps, c.beeps);
    EXPECT_EQ(app.dialogs().find<MessageWindow>() != nullptr, c.message);
    EXPECT_EQ(app.clockWindow().isEnabled(), !c.message);
    EXPECT_EQ(app.model().lastAlarmPlayedWave(), c.lastAlarmPlayedWave);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RingingSound,
    ::testing::Values(
        SoundCase{"WaveWithMessage",
                  "\"07:05\",1,\"/snd/alarm.wav\",\" 表示 \",\"m\"\r\n",
                  false,
                  {u"/snd/alarm.wav"_s},
                  0,
                  true,
                  1},
        SoundCase{"WaveSilently",
                  "\"07:05\",1,\"/snd/alarm.wav\",\"非表示\",\"m\"\r\n",
                  false,
                  {u"/snd/alarm.wav"_s},
                  0,
                  false,
                  1},
        SoundCase{"StandardWithoutMessageBeepsOnce",
                  "\"07:05\",1,\"標準\",\"非表示\",\"m\"\r\n",
                  false,
                  {},
                  1,
                  false,
                  0},
        SoundCase{"UnplayableWaveBeepsOnce",
                  "\"07:05\",1,\"/snd/alarm.wav\",\" 表示 \",\"m\"\r\n",
                  true,
                  {},
                  1,
                  true,
                  1},
        SoundCase{"UnplayableWaveWithoutMessageBeepsOnce",
                  "\"07:05\",1,\"/snd/alarm.wav\",\"非表示\",\"m\"\r\n",
                  true,
                  {},
                  1,
                  false,
                  1},
        SoundCase{"EmptySoundIsStandard", "\"07:05\",1,\"\",\" 表示 \",\"m\"\r\n", false, {}, 1, true, 0},
        SoundCase{"Disabled", "\"07:05\",0,\"/snd/alarm.wav\",\" 表示 \",\"m\"\r\n", false, {}, 0, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Bell, FollowsTheEnabledFlags)
{
    struct Case
    {
        QByteArray file;
        bool bellShown;
    };
    const Case cases[] = {
        {"", false},
        {"\"07:05\",0,\"標準\",\" 表示 \",\"m\"\r\n", false},
        {"\"07:05\",0,\"標準\",\" 表示 \",\"m\"\r\n\"08:05\",1,\"標準\",\" 表示 \",\"m\"\r\n", true},
        {"\"07:05\",\"1\",\"標準\",\" 表示 \",\"m\"\r\n", true},
    };
    for (const Case& c : cases) {
        TempProgramFolder folder;
        folder.write(u"alm.zdt"_s, c.file);
        FakeDesktop desktop(folder.path());
        Application app(desktop.parts());
        ASSERT_TRUE(app.start());
        EXPECT_EQ(app.model().bellShown(), c.bellShown) << c.file.constData();
    }
}

TEST_F(Ringing, TheTickAtTheTurnOfTheMinuteRingsIt)
{
    // Started at 07:04:59.000 with the second hand off: the first tick comes at the minute.
    model.setSecondHand(false);
    EXPECT_EQ(heartbeat.interval(), 1000 + tick_schedule::lateness);
    tickAt(7, 5, 0, tick_schedule::lateness);
    EXPECT_NE(message(), nullptr);
    EXPECT_EQ(desktop.sound.beeps, 1);
}

} // namespace
