#include "model/alarm_schedule.h"
#include "model/tick_schedule.h"

#include <QDateTime>
#include <gtest/gtest.h>
#include <map>
#include <random>

using namespace Qt::StringLiterals;

namespace {

Alarm enabledAt(QTime time, bool enabled = true)
{
    return Alarm{.at = time, .enabled = enabled, .message = time.toString()};
}

const QDateTime morning(QDate(2024, 5, 17), QTime(7, 29, 0));

// Runs the alarm tick at the given moments (milliseconds after `morning`) and counts
// how often each alarm rang, by its message.
std::map<QString, int> ringsAt(const AlarmTable& table, const std::vector<qint64>& moments,
                               AlarmSchedule& check)
{
    std::map<QString, int> rings;
    for (const qint64 ms : moments) {
        for (const Alarm* due : check.check(table, LocalTime::fromDateTime(morning.addMSecs(ms)))) {
            ++rings[due->message];
        }
    }
    return rings;
}

// Tick moments from `from` to `to` ms, the way the clock's timer would deliver them
// for what it shows, each late by up to `jitter` ms.
std::vector<qint64> timerTicks(qint64 from, qint64 to, int jitter, unsigned seed = 1,
                               tick_schedule::Motion motion = {})
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> late(0, jitter);
    std::vector<qint64> moments;
    for (qint64 t = from; t < to;) {
        moments.push_back(t);
        t += tick_schedule::delayAfter(LocalTime::fromDateTime(morning.addMSecs(t)), motion) +
             (jitter ? late(random) : 0);
    }
    return moments;
}

TEST(AlarmSchedule, RingsOnceInItsMinuteWhateverTheTicks)
{
    const AlarmTable table{enabledAt(QTime(7, 30))};
    struct Case
    {
        const char* name;
        std::vector<qint64> moments;
    };
    const std::vector<Case> cases = {
        {"Still", timerTicks(0, 180'000, 0)},
        {"SecondHand", timerTicks(0, 180'000, 0, 1, {.seconds = true})},
        {"BlinkingColon", timerTicks(0, 180'000, 0, 1, {.colonBlinks = true, .blinkStart = 480})},
        {"Jittered", timerTicks(0, 180'000, 400, 7, {.seconds = true})},
        {"HeavyJitter", timerTicks(0, 180'000, 1500, 11, {.seconds = true})},
        {"NoTickInSecondZero", {59'900, 61'100, 62'300, 70'000, 119'999}},
        {"TwoTicksInSecondZero", {59'000, 60'100, 60'600, 61'000, 90'000}},
        {"ClockJumpsBackIntoTheMinute", {59'000, 60'200, 80'000, 65'000, 60'100, 70'000, 100'000}},
        {"StartedInTheMiddleOfTheMinute", {95'000, 95'250, 119'750}},
    };
    for (const Case& c : cases) {
        AlarmSchedule check;
        const auto rings = ringsAt(table, c.moments, check);
        EXPECT_EQ(rings.count(u"07:30:00"_s) ? rings.at(u"07:30:00"_s) : 0, 1) << c.name;
    }
}

TEST(AlarmSchedule, RingsAtTheFirstTickOfTheMinute)
{
    AlarmSchedule check;
    const AlarmTable table{enabledAt(QTime(7, 30))};
    EXPECT_TRUE(check.check(table, LocalTime::fromDateTime(morning.addMSecs(59'999))).empty());
    EXPECT_EQ(check.check(table, LocalTime::fromDateTime(morning.addMSecs(60'150))).size(), 1u);
    EXPECT_TRUE(check.rangThisMinute(LocalTime::fromDateTime(morning.addMSecs(60'150))));
    EXPECT_FALSE(check.rangThisMinute(LocalTime::fromDateTime(morning.addMSecs(120'000))));
}

TEST(AlarmSchedule, ClockJumpingForwardStillRingsWhatItJumpedOver)
{
    const AlarmTable table{enabledAt(QTime(7, 30)), enabledAt(QTime(7, 31))};
    struct Case
    {
        const char* name;
        qint64 after; // the jump lands here; the tick before was at 07:29:50
        int rings;
    };
    const Case cases[] = {
        {"IntoTheMinute", 90'000, 1},  // 07:30:30
        {"OverOneMinute", 130'000, 2}, // 07:31:10: 07:30 late, 07:31 on time
        {"NineMinutesLate", 9 * 60'000 + 59'000, 2},
        {"TooLateToCatchUp", 12 * 60'000, 0}, // 07:41: both are long gone
    };
    for (const Case& c : cases) {
        AlarmSchedule check;
        const auto rings = ringsAt(table, {50'000, c.after}, check);
        int total = 0;
        for (const auto& [time, count] : rings) {
            EXPECT_EQ(count, 1) << c.name << " " << time.toStdString();
            total += count;
        }
        EXPECT_EQ(total, c.rings) << c.name;
    }
}

TEST(AlarmSchedule, AlarmsOfOneMinuteRingTogetherInTableOrder)
{
    AlarmSchedule check;
    const AlarmTable table{enabledAt(QTime(7, 30)), enabledAt(QTime(6, 0)), enabledAt(QTime(7, 30))};
    const auto due = check.check(table, LocalTime::fromDateTime(morning.addSecs(60)));
    ASSERT_EQ(due.size(), 2u);
    EXPECT_EQ(due[0], &table[0]);
    EXPECT_EQ(due[1], &table[2]);
}

TEST(AlarmSchedule, AnAlarmSavedInItsOwnMinuteRingsUnlessOneRangAlready)
{
    const LocalTime at07303020 = LocalTime::fromDateTime(morning.addSecs(80));
    const LocalTime at073030 = LocalTime::fromDateTime(morning.addSecs(90));
    {
        AlarmSchedule check;
        EXPECT_TRUE(check.check({}, at07303020).empty());
        EXPECT_EQ(check.check({enabledAt(QTime(7, 30))}, at073030).size(), 1u);
    }
    {
        AlarmSchedule check;
        EXPECT_EQ(check.check({enabledAt(QTime(7, 30))}, at07303020).size(), 1u);
        EXPECT_TRUE(check.check({enabledAt(QTime(7, 30)), enabledAt(QTime(7, 30))}, at073030).empty());
        // The next day it rings again.
        EXPECT_EQ(
            check.check({enabledAt(QTime(7, 30))}, LocalTime::fromDateTime(morning.addDays(1).addSecs(65)))
                .size(),
            1u);
    }
}

TEST(AlarmSchedule, DisabledAndTimelessAlarmsNeverRing)
{
    const AlarmTable table{enabledAt(QTime(7, 30), false), enabledAt(QTime())};
    AlarmSchedule check;
    EXPECT_TRUE(ringsAt(table, timerTicks(0, 180'000, 0), check).empty());
}

} // namespace
