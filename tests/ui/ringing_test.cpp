#include "model/tick_schedule.h"
#include "platform/app_identity.h"
#include "support/clicks.h"
#include "support/program_test.h"
#include "support/windows.h"
#include "ui/alarm_edit_window.h"
#include "ui/alarm_list_window.h"
#include "ui/hand_colour_window.h"
#include "ui/message_window.h"
#include "ui/readout_colour_window.h"
#include "ui/settings_window.h"
#include "widgets/highlight_bar.h"
#include "widgets/image_button.h"
#include "widgets/wrapped_text.h"

#include <QAccessible>
#include <QLabel>
#include <QListView>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <functional>
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

TEST_F(Ringing, ShowsTheMessageOnceInItsMinute)
{
    tickAt(7, 4, 59);
    EXPECT_EQ(message(), nullptr);

    tickAt(7, 5, 0);

    ASSERT_NE(message(), nullptr);
    EXPECT_TRUE(message()->isVisible());
    EXPECT_EQ(message()->text(), u"起きて\n\n設定時刻  07：05"_s);
    EXPECT_TRUE(message()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(clock.isEnabled());

    // The rest of the minute brings no second ring.
    for (int second = 1; second < 60; ++second) {
        tickAt(7, 5, second);
    }
    EXPECT_EQ(desktop.sound.heard, QStringList{FakeSound::standard});
}

// The tray icon's tip, the clock's hover tip and its description name the next alarm:
// from the first tick, after it rang (tomorrow, a Saturday), and none once it is off.
TEST_F(Ringing, TheNextAlarmIsToldByTheTrayTipTheHoverTipAndTheDescription)
{
    QAccessibleInterface* described = QAccessible::queryAccessibleInterface(&clock);
    struct Step
    {
        const char* name;
        std::function<void()> act;
        QString next;
    };
    const std::vector<Step> steps = {
        {"FirstTick", [&] { tickAt(7, 4, 59); }, u"次のアラーム 7:05 起きて"_s},
        {"Rang", [&] { tickAt(7, 5, 0); }, u"次のアラーム 土 7:05 起きて"_s},
        {"SwitchedOff",
         [&] {
             AlarmTable off = model.alarms();
             off[0].enabled = false;
             model.saveAlarms(off);
         },
         QString()},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(desktop.shell.trayTip,
                  step.next.isEmpty() ? applicationTitle() : applicationTitle() + u'\n' + step.next)
            << step.name;
        EXPECT_EQ(clock.toolTip(), step.next) << step.name;
        EXPECT_EQ(described->text(QAccessible::Description).endsWith(u"、"_s + step.next),
                  !step.next.isEmpty())
            << step.name;
    }
}

// Snoozed by its button (by the pointer, then by Tab and Space), an alarm rings again,
// sound and message, exactly the snooze length after, until its message is closed;
// meanwhile the alarm list says it is snoozed and the clock wakes for it. A confirmation
// has no snooze.
TEST_F(Ringing, ASnoozedAlarmRingsAgainAfterTheLengthUntilClosed)
{
    model.setSnoozeLength(SnoozeLength(3));
    const auto at = [&](int minute, int second, int millisecond) {
        desktop.clock.setNow(QDateTime(QDate(2024, 5, 17), QTime(7, minute, second, millisecond)));
    };
    struct Step
    {
        const char* name;
        std::function<void()> act;
        bool messageShown;
        qsizetype heard; // sounds so far
        QString days;    // the list's details
    };
    const QString daily = u"毎日"_s;
    const QString first = u"毎日　スヌーズ 7:08"_s;
    const QString second = u"毎日　スヌーズ 7:11"_s;
    const std::vector<Step> steps = {
        {"Rings", [&] { tickAt(7, 5, 0, 300); }, true, 1, daily},
        {"SnoozedByPointer",
         [&] {
             at(5, 10, 250);
             auto* button = child<QAbstractButton>(message(), "snoozeButton");
             EXPECT_EQ(button->text(), u"スヌーズ"_s);
             EXPECT_EQ(button->accessibleDescription(), u"3分後にもう一度鳴らします"_s);
             clicks::click(button);
         },
         false, 1, first},
        {"WokenForIt",
         [&] {
             tickAt(7, 8, 10, 100);
             EXPECT_EQ(heartbeat.interval(), 150 + tick_schedule::lateness);
         },
         false, 1, first},
        {"NotYet", [&] { tickAt(7, 8, 10, 249); }, false, 1, first},
        {"Again", [&] { tickAt(7, 8, 10, 250); }, true, 2, daily},
        {"SnoozedByKeyboard",
         [&] {
             at(8, 30, 0);
             message()->activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(message()));
             child(message(), "closeButton")->setFocus();
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
             ASSERT_EQ(QApplication::focusWidget(), child(message(), "snoozeButton"));
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
         },
         false, 2, second},
        {"Third", [&] { tickAt(7, 11, 30, 0); }, true, 3, daily},
        {"Closed", [&] { closeMessage(); }, false, 3, daily},
        {"Silent",
         [&] {
             tickAt(7, 14, 30, 0);
             tickAt(7, 20, 0, 0);
         },
         false, 3, daily},
    };
    AlarmListWindow* list = dialogs.openAlarmList();
    auto* entries = child<QListView>(list, "alarmList");
    entries->setCurrentIndex(entries->model()->index(0, 0));
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(message() != nullptr, step.messageShown) << step.name;
        EXPECT_EQ(desktop.sound.heard.size(), step.heard) << step.name;
        EXPECT_EQ(child<QLabel>(list, "daysDetail")->accessibleName(), step.days) << step.name;
    }
    dialogs.showMessage(u"保存しました"_s, Dialogs::Notice::AlarmsSavedFromList);
    EXPECT_EQ(message()->findChild<QWidget*>(u"snoozeButton"_s), nullptr);
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

// What is heard, case by case: an alarm once as it rings (its wave file, or the standard
// sound where it has none or the file cannot be played), and every other notice of the
// message window its standard sound, also after an alarm that played a wave file.
struct HeardCase
{
    const char* name;
    QByteArray alarms; // rung at 07:05:20
    std::function<void(Program&)> then;
    QStringList heard;
    bool message;

    friend void PrintTo(const HeardCase& c, std::ostream* os) { *os << c.name; }
};

const QString wave = u"/snd/alarm.wav"_s;
const QString unplayable = u"/snd/unplayable.wav"_s;
const QString standard = FakeSound::standard;

QByteArray alarmLine(const QString& sound, const char* shown, int enabled = 1)
{
    return u"\"07:05\",%1,\"%2\",\"%3\",\"m\"\r\n"_s.arg(enabled)
        .arg(sound, QString::fromUtf8(shown))
        .toUtf8();
}

void pressBar(HighlightBar* bar)
{
    const QPoint at = bar->captionRect().center();
    clicks::moveTo(bar, at);
    QTest::mousePress(bar, Qt::LeftButton, {}, at);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
}

// The confirmations, each as the user brings it about.
void applyHandColours(Program& p)
{
    clicks::click(child(p.dialogs.openHandColour(), "applyButton"));
}
void applyReadoutColour(Program& p)
{
    clicks::click(child(p.dialogs.openReadoutColour(), "applyButton"));
}
void saveAlarmList(Program& p)
{
    clicks::click(child(p.dialogs.openAlarmList(), "saveButton"));
}
void saveEditedAlarm(Program& p)
{
    pressBar(child<HighlightBar>(p.dialogs.openAlarmList(), "addButton"));
    clicks::click(child(p.dialogs.find<AlarmEditWindow>(), "applyButton"));
}

class WhatIsHeard : public ::testing::TestWithParam<HeardCase>
{};

TEST_P(WhatIsHeard, EachAlarmOnceAndEachNoticeItsSound)
{
    const HeardCase& c = GetParam();
    Program program;
    program.folder.write(u"alm.zdt"_s, c.alarms);
    program.desktop.sound.unplayableWaves.insert(unplayable, WaveProblem::Encoding);
    program.desktop.clock.setNow(QDateTime(QDate(2024, 5, 17), QTime(7, 5, 20)));
    ASSERT_TRUE(program.app.start());

    program.heartbeat.beat();
    EXPECT_EQ(program.dialogs.find<MessageWindow>() != nullptr, c.message);
    EXPECT_EQ(program.clock.isEnabled(), !c.message);
    if (c.then) {
        c.then(program);
    }

    EXPECT_EQ(program.desktop.sound.heard, c.heard);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WhatIsHeard,
    ::testing::Values(
        HeardCase{"WaveWithMessage", alarmLine(wave, " 表示 "), {}, {wave}, true},
        HeardCase{"WaveSilently", alarmLine(wave, "非表示"), {}, {wave}, false},
        HeardCase{"StandardWithMessage", alarmLine(u"標準"_s, " 表示 "), {}, {standard}, true},
        HeardCase{"StandardWithoutMessage", alarmLine(u"標準"_s, "非表示"), {}, {standard}, false},
        HeardCase{"EmptySoundIsStandard", alarmLine(QString(), " 表示 "), {}, {standard}, true},
        HeardCase{
            "UnplayableWaveGivesTheStandardSound", alarmLine(unplayable, " 表示 "), {}, {standard}, true},
        HeardCase{"UnplayableWaveWithoutMessage", alarmLine(unplayable, "非表示"), {}, {standard}, false},
        HeardCase{"Disabled", alarmLine(wave, " 表示 ", 0), {}, {}, false},
        HeardCase{"AlarmsOfOneMinuteEachTheirOwn",
                  alarmLine(wave, " 表示 ") + alarmLine(u"標準"_s, " 表示 ") + alarmLine(wave, "非表示"),
                  {},
                  {wave, standard, wave},
                  true},
        HeardCase{"HandColoursConfirmed", {}, applyHandColours, {standard}, false},
        HeardCase{"ReadoutColourConfirmed", {}, applyReadoutColour, {standard}, false},
        HeardCase{"AlarmListSaved", {}, saveAlarmList, {standard}, false},
        HeardCase{"EditedAlarmSaved", {}, saveEditedAlarm, {standard}, false},
        HeardCase{"ConfirmationAfterAWaveAlarm",
                  alarmLine(wave, " 表示 "),
                  applyHandColours,
                  {wave, standard},
                  true},
        HeardCase{"ConfirmationAfterASilentWaveAlarm",
                  alarmLine(wave, "非表示"),
                  saveAlarmList,
                  {wave, standard},
                  false}),
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
    EXPECT_EQ(desktop.sound.heard, QStringList{FakeSound::standard});
}

// Time passing over alarms beyond the ten minutes caught up (a sleep) lists them in one
// notice with the standard sound, which holds no window back; a second sleep adds its
// list to the open notice. A clock set forward by hand tells nothing. Nothing is stored:
// the once-only alarm that did not ring stays on.
class MissedAlarms : public Ringing
{
protected:
    MissedAlarms()
    {
        alarms = "\"07:05\",1,\"標準\",\" 表示 \",\"起きて\"\r\n"
                 "\"07:20\",1,\"標準\",\"非表示\",\"m\"\r\n"
                 "\"07:30\",1,\"標準\",\" 表示 \",\"一度だけ\"\r\n"
                 "\"12:00\",1,\"標準\",\" 表示 \",\"昼\"\r\n";
    }
};

TEST_F(MissedAlarms, AreListedInOneNoticeAndRingNoMore)
{
    AlarmTable table = model.alarms();
    table[2].days.once = true;
    ASSERT_TRUE(model.saveAlarms(table));
    const QByteArray alarmFile = folder.read(u"alm.zdt"_s);
    const QByteArray options = folder.read(u"options.ini"_s);
    tickAt(7, 4, 59);

    const QString morning = u"鳴らなかったアラーム\n7:05　起きて\n7:20\n7:30　一度だけ"_s;
    const auto day = [](int day, QTime time) {
        return QDateTime(QDate(2024, 5, day), time);
    };
    struct Step
    {
        const char* name;
        std::function<void()> act;
        QString shown; // the message window's text; none when it is closed
    };
    const std::vector<Step> steps = {
        {"AsleepUntil0745", [&] { desktop.clock.letTimePass(day(17, QTime(7, 45, 30))); }, morning},
        {"AsleepAgainWhileItIsOpen", [&] { desktop.clock.letTimePass(day(17, QTime(12, 30))); },
         morning + u"\n\n鳴らなかったアラーム\n12:00　昼"_s},
        {"SetForwardByHandAfterItClosed",
         [&] {
             closeMessage();
             desktop.clock.setNow(day(18, QTime(13, 0)));
         },
         QString()},
    };
    for (const Step& step : steps) {
        step.act();
        heartbeat.beat();
        ASSERT_EQ(message() != nullptr, !step.shown.isEmpty()) << step.name;
        if (message()) {
            EXPECT_EQ(message()->text(), step.shown) << step.name;
            EXPECT_TRUE(clock.isEnabled()) << step.name;
        }
    }
    EXPECT_EQ(desktop.sound.heard, QStringList(2, FakeSound::standard));
    EXPECT_TRUE(model.alarms()[2].enabled);
    EXPECT_EQ(folder.read(u"alm.zdt"_s), alarmFile);
    EXPECT_EQ(folder.read(u"options.ini"_s), options);
}

} // namespace
