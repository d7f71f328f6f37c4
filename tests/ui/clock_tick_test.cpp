#include "model/tick_schedule.h"
#include "support/program_test.h"
#include "ui/message_window.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int late = tick_schedule::lateness;

// The clock started at 12:00:00.000 of the test day; the colon's rhythm starts there too.
struct StartedClock : Program
{
    StartedClock(const QByteArray& secondHandAndTray, const QByteArray& design)
    {
        folder.write(u"set1.zdt"_s, secondHandAndTray);
        folder.write(u"set3.zdt"_s, design);
        desktop.clock.setNow(QDateTime(QDate(2024, 5, 17), QTime(12, 0, 0)));
        started = app.start();
    }

    void tickAt(int second, int millisecond)
    {
        desktop.clock.setNow(12, 0, second, millisecond);
        heartbeat.beat();
    }

    bool started = false;
};

TEST(ClockTickRhythm, SleepsUntilWhatTheDesignShowsCanChange)
{
    struct Case
    {
        const char* name;
        QByteArray secondHandAndTray;
        QByteArray design;
        int interval; // after a tick at 12:00:03.005
    };
    const Case cases[] = {
        {"AnalogSecondHand", "1,0\r\n", "0,255,0\r\n", 1000},
        {"LargeAnalogSecondHand", "1,0\r\n", "4,255,1\r\n", 1000},
        {"AnalogWithoutSecondHand", "0,0\r\n", "5,255,0\r\n", 7000},
        {"DigitalBlinkingColon", "1,0\r\n", "1,255,0\r\n", 500},
        {"DigitalSteadyColon", "1,0\r\n", "6,255,1\r\n", 57'000},
        {"DigitalWithoutColon", "1,0\r\n", "2,255,2\r\n", 57'000},
    };
    for (const Case& c : cases) {
        StartedClock program(c.secondHandAndTray, c.design);
        ASSERT_TRUE(program.started);
        program.tickAt(3, late);
        EXPECT_EQ(program.heartbeat.interval(), c.interval) << c.name;
    }
}

TEST(ClockTickRhythm, KeepsItsRhythmAndIsSetAgainWhenItDrifts)
{
    struct Tick
    {
        int second;
        int millisecond;
        int interval; // the timer's interval after it
    };
    struct Case
    {
        const char* name;
        QByteArray secondHandAndTray;
        QByteArray design;
        std::vector<Tick> ticks;
    };
    const Case cases[] = {
        {"SecondHand",
         "1,0\r\n",
         "0,255,0\r\n",
         {
             {1, late, 1000},           // on time
             {2, late + 9, 1000},       // a little late: the timer keeps its interval
             {3, late + 30, 1000 - 30}, // too late: set for the next second
             {4, late, 1000},           // and back to whole seconds
         }},
        {"BlinkingColon", // its rhythm started at 12:00:00.000
         "0,0\r\n",
         "1,255,0\r\n",
         {
             {1, 500 + late, 500},
             {2, late + 9, 500},
             {2, 500 + late + 30, 500 - 30},
             {3, late, 500},
         }},
    };
    for (const Case& c : cases) {
        StartedClock program(c.secondHandAndTray, c.design);
        ASSERT_TRUE(program.started);
        for (const Tick& tick : c.ticks) {
            program.tickAt(tick.second, tick.millisecond);
            EXPECT_EQ(program.heartbeat.interval(), tick.interval)
                << c.name << " at " << tick.second << "." << tick.millisecond;
        }
    }
}

TEST(ClockTickRhythm, ASettingShowsAtOnceAndChangesTheRhythm)
{
    StartedClock program("0,0\r\n", "0,255,0\r\n");
    ASSERT_TRUE(program.started);
    ClockWindow& clock = program.clock;
    ClockHeartbeat& heartbeat = program.heartbeat;
    ClockModel& model = program.model;
    program.tickAt(3, late);
    ASSERT_EQ(heartbeat.interval(), 7000);
    const QImage withoutSecondHand = clock.face().image();

    model.setSecondHand(true);
    EXPECT_NE(clock.face().image(), withoutSecondHand);
    EXPECT_EQ(heartbeat.interval(), 1000);

    model.setDesign(DesignIndex{2}); // digital, the colon blinking from the start of the clock
    const QImage blinkingPanel = clock.face().panel();
    EXPECT_EQ(heartbeat.interval(), 500);
    model.setColonStyle(ColonStyle::Hidden);
    EXPECT_NE(clock.face().panel(), blinkingPanel);
    EXPECT_EQ(heartbeat.interval(), 57'000);

    const QImage noBell = clock.face().bellBox();
    ASSERT_TRUE(model.saveAlarms({Alarm{.at = QTime(7, 30), .message = u"m"_s}}));
    EXPECT_NE(clock.face().bellBox(), noBell);
}

TEST(ClockTickRhythm, AJumpOfTheClockShowsAndRingsAtOnceWhileItSleepsTheMinute)
{
    Program program;
    program.folder.write(u"set3.zdt"_s, "6,255,1\r\n"); // digital, the colon steady
    program.folder.write(u"alm.zdt"_s, "\"07:30\",1,\"標準\",\" 表示 \",\"起きて\"\r\n");
    FakeClock& clock = program.desktop.clock;
    const auto setTo = [&](int hour, int minute, int second) {
        clock.setNow(QDateTime(QDate(2024, 5, 17), QTime(hour, minute, second)));
    };
    setTo(7, 10, 3);
    ASSERT_TRUE(program.app.start());
    const QImage tenPast = program.clock.face().panel();
    ASSERT_EQ(program.heartbeat.interval(), 57'000 + late);
    // The watch wakes it by then should the timer not (a machine asleep meanwhile).
    EXPECT_EQ(program.desktop.clockWatch.deadline,
              clock.now().utcSeconds() * 1000 + 57'000 + late + ClockHeartbeat::watchMargin);

    // Set forward into the alarm's minute: no timer fires before the minute is out.
    setTo(7, 30, 20);
    program.desktop.clockWatch.tellJump();
    EXPECT_NE(program.clock.face().panel(), tenPast);
    ASSERT_NE(program.dialogs.find<MessageWindow>(), nullptr);
    EXPECT_EQ(program.desktop.sound.heard, QStringList{FakeSound::standard});
    EXPECT_EQ(program.heartbeat.interval(), 40'000 + late);

    // And back: the face follows, and the minute rang already rings no more.
    setTo(7, 10, 30);
    program.desktop.clockWatch.tellJump();
    EXPECT_EQ(program.clock.face().panel(), tenPast);
    EXPECT_EQ(program.heartbeat.interval(), 30'000 + late);
    EXPECT_EQ(program.desktop.sound.heard.size(), 1);
}

} // namespace
