#include "model/alarm_schedule.h"
#include "model/tick_schedule.h"

#include <QDateTime>
#include <QTimeZone>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <random>

using namespace Qt::StringLiterals;

namespace {

Alarm enabledAt(QTime time, bool enabled = true)
{
    return Alarm{.at = time, .enabled = enabled, .message = time.toString()};
}

const QDateTime morning(QDate(2024, 5, 17), QTime(7, 29, 0));

// The clock's reading at a moment given in milliseconds.
using Clock = std::function<LocalTime(qint64)>;

LocalTime inTheMorning(qint64 ms)
{
    return LocalTime::fromDateTime(morning.addMSecs(ms));
}

// Runs the alarm tick at the given moments (milliseconds after `morning`) and counts
// how often each alarm rang, by its message.
std::map<QString, int> ringsAt(const AlarmTable& table, const std::vector<qint64>& moments,
                               AlarmSchedule& check)
{
    std::map<QString, int> rings;
    for (const qint64 ms : moments) {
        for (const Alarm* due : check.check(table, inTheMorning(ms))) {
            ++rings[due->message];
        }
    }
    return rings;
}

// Tick moments from `from` to `to` ms, the way the clock's timer would deliver them
// for what it shows, each late by up to `jitter` ms.
std::vector<qint64> timerTicks(qint64 from, qint64 to, int jitter, unsigned seed = 1,
                               tick_schedule::Motion motion = {}, const Clock& read = inTheMorning,
                               tick_schedule::Wakers wakers = {})
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> late(0, jitter);
    std::vector<qint64> moments;
    for (qint64 t = from; t < to;) {
        moments.push_back(t);
        t += tick_schedule::delayAfter(read(t), motion, wakers) + (jitter ? late(random) : 0);
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
        {"StillSleepingMinutes", timerTicks(0, 180'000, 0, 1, {}, inTheMorning, {.jumpsHeard = true})},
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

// The schedule counts minutes on the calendar: each reading's count of seconds must be
// the real one across month, leap-day, century and epoch boundaries.
TEST(AlarmSchedule, CountsTheCalendarsSeconds)
{
    for (const QDateTime& moment :
         {QDateTime(QDate(1969, 12, 31), QTime(23, 59, 59), Qt::UTC),
          QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC),
          QDateTime(QDate(2000, 2, 29), QTime(12, 0), Qt::UTC),
          QDateTime(QDate(2024, 3, 1), QTime(0, 0, 1), Qt::UTC),
          QDateTime(QDate(2100, 3, 1), QTime(7, 30), Qt::UTC),
          QDateTime(QDate(1600, 2, 29), QTime(23, 59), Qt::UTC),
          QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59), Qt::OffsetFromUTC, 9 * 3600)}) {
        EXPECT_EQ(LocalTime::fromDateTime(moment).utcSeconds(), moment.toSecsSinceEpoch())
            << moment.toString(Qt::ISODate).toStdString();
    }
}

TEST(AlarmSchedule, RingsAtTheFirstTickOfTheMinute)
{
    AlarmSchedule check;
    const AlarmTable table{enabledAt(QTime(7, 30))};
    EXPECT_TRUE(check.check(table, LocalTime::fromDateTime(morning.addMSecs(59'999))).empty());
    EXPECT_EQ(check.check(table, LocalTime::fromDateTime(morning.addMSecs(60'150))).size(), 1u);
    // The rest of the minute stays quiet; the next day's 07:30 rings again.
    EXPECT_TRUE(check.check(table, LocalTime::fromDateTime(morning.addMSecs(119'999))).empty());
    EXPECT_EQ(check.check(table, LocalTime::fromDateTime(morning.addDays(1).addMSecs(60'200))).size(), 1u);
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

// Through a week from Sunday, by ticks and by a jump over midnight: each alarm rings on
// the days it is set for, each day counted at the minute that rang, not at the tick.
TEST(AlarmSchedule, RingsOnTheDaysItIsSetFor)
{
    const QDateTime sunday(QDate(2024, 5, 19), QTime(0, 0));
    const auto alarm = [](const char* name, QTime at, std::uint8_t weekdays, bool once = false) {
        return Alarm{
            .at = at, .message = QString::fromLatin1(name), .days = {.weekdays = weekdays, .once = once}};
    };
    const AlarmTable table{
        alarm("every", QTime(7, 30), AlarmDays::everyDay),
        alarm("workdays", QTime(7, 30), AlarmDays::workdays),
        alarm("monWedFri0000", QTime(0, 0), 0x2A),
        alarm("sat2359", QTime(23, 59), 0x40),
        alarm("sun2358", QTime(23, 58), 0x01),
        alarm("mon0001", QTime(0, 1), 0x02),
        alarm("once", QTime(12, 0), 0x01, true),
    };
    struct Case
    {
        const char* name;
        std::vector<qint64> seconds;     // after Sunday 00:00
        std::map<QString, QString> days; // the alarm, and the days it rang on (0 = Sunday)
    };
    std::vector<qint64> week;
    for (qint64 second = -30; second < 8 * 86'400; second += 20) {
        week.push_back(second);
    }
    const std::vector<Case> cases = {
        {"AWeekOfTicks",
         week,
         {{u"every"_s, u"01234560"_s},
          {u"workdays"_s, u"12345"_s},
          {u"monWedFri0000"_s, u"135"_s},
          {u"sat2359"_s, u"66"_s},
          {u"sun2358"_s, u"00"_s},
          {u"mon0001"_s, u"1"_s},
          {u"once"_s, u"01234560"_s}}},
        // From Sunday 23:55 to Monday 00:03: Sunday's minute and Monday's both ring.
        {"AJumpOverMidnight",
         {23 * 3600 + 55 * 60, 86'400 + 180},
         {{u"sun2358"_s, u"0"_s}, {u"monWedFri0000"_s, u"1"_s}, {u"mon0001"_s, u"1"_s}}},
    };
    for (const Case& c : cases) {
        AlarmSchedule check;
        std::map<QString, QString> rang;
        for (const qint64 second : c.seconds) {
            const LocalTime now = LocalTime::fromDateTime(sunday.addSecs(second));
            for (const Alarm* due : check.check(table, now)) {
                // The day of the alarm's own minute, which a jump rings on a later tick.
                const QDate day = QDate(now.year, now.month, now.day)
                                      .addDays(due->at > QTime(now.hour, now.minute) ? -1 : 0);
                rang[due->message] += QString::number(day.dayOfWeek() % 7);
            }
        }
        EXPECT_EQ(rang, c.days) << c.name;
    }
}

// The next alarm after a reading on Friday 2024-05-17 at 18:00: the nearest minute to
// come on a day the alarm rings on, never the reading's own minute.
TEST(AlarmSchedule, FindsTheAlarmThatRingsNext)
{
    const auto alarm = [](QTime at, std::uint8_t weekdays = AlarmDays::everyDay, bool enabled = true) {
        return Alarm{.at = at, .enabled = enabled, .days = {.weekdays = weekdays}};
    };
    const LocalTime friday = LocalTime::fromDateTime(QDateTime(QDate(2024, 5, 17), QTime(18, 0, 30)));
    struct Case
    {
        const char* name;
        AlarmTable table;
        std::optional<std::pair<std::size_t, int>> next; // the alarm, days ahead
        int weekday = 0;
    };
    const std::vector<Case> cases = {
        {"NoneOn", {alarm(QTime(19, 0), AlarmDays::everyDay, false), Alarm{}}, std::nullopt},
        {"LaterToday", {alarm(QTime(7, 0)), alarm(QTime(19, 0))}, std::pair{1u, 0}, 5},
        {"ItsOwnMinuteHasRung", {alarm(QTime(18, 0))}, std::pair{0u, 1}, 6},
        {"WorkdaysOnFridayEvening", {alarm(QTime(7, 0), AlarmDays::workdays)}, std::pair{0u, 3}, 1},
        {"OnlyOnFridayMorning", {alarm(QTime(7, 0), 0x20)}, std::pair{0u, 7}, 5},
        {"TheNearestOfMany",
         {alarm(QTime(9, 0), 0x40), alarm(QTime(8, 0), 0x01), alarm(QTime(23, 59))},
         std::pair{2u, 0},
         5},
        {"TheFirstOfOneMinute", {alarm(QTime(6, 0)), alarm(QTime(6, 0))}, std::pair{0u, 1}, 6},
    };
    for (const Case& c : cases) {
        const std::optional<AlarmSchedule::NextRing> next = AlarmSchedule::nextRing(c.table, friday);
        ASSERT_EQ(next.has_value(), c.next.has_value()) << c.name;
        if (next) {
            EXPECT_EQ(std::pair(next->index, next->daysAhead), *c.next) << c.name;
            EXPECT_EQ(next->weekday, c.weekday) << c.name;
        }
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

// The reading of a clock in `zone` at `ms` milliseconds since the epoch.
Clock clockIn(const QTimeZone& zone)
{
    return [zone](qint64 ms) {
        return LocalTime::fromDateTime(QDateTime::fromMSecsSinceEpoch(ms, zone));
    };
}

TEST(AlarmSchedule, DaylightSavingNightsRingEveryMinuteOnceAndTheFaceFollowsAtOnce)
{
    struct Night
    {
        const char* zone;
        QDate date; // the clocks go forward or back in the small hours of this day
    };
    const Night nights[] = {
        {"America/New_York", QDate(2024, 3, 10)},    {"America/New_York", QDate(2024, 11, 3)},
        {"Europe/London", QDate(2024, 3, 31)},       {"Europe/London", QDate(2024, 10, 27)},
        {"Australia/Lord_Howe", QDate(2024, 10, 6)}, {"Australia/Lord_Howe", QDate(2024, 4, 7)},
    };
    struct Ticks
    {
        const char* name;
        tick_schedule::Motion motion;
        int jitter;
    };
    const Ticks ticking[] = {
        {"Still", {}, 0},
        {"SecondHand", {.seconds = true}, 0},
        {"BlinkingColon", {.colonBlinks = true, .blinkStart = 730}, 0},
        {"Jittered", {.seconds = true}, 1500},
    };
    for (const Night& night : nights) {
        const QTimeZone zone(night.zone);
        ASSERT_TRUE(zone.isValid()) << night.zone;
        const QTimeZone::OffsetData change = zone.nextTransition(night.date.startOfDay(zone).addSecs(-1));
        ASSERT_EQ(change.atUtc.toTimeZone(zone).date(), night.date) << night.zone;
        const qint64 changeAt = change.atUtc.toMSecsSinceEpoch();
        const Clock read = clockIn(zone);
        const LocalTime lastBefore = read(changeAt - 1);
        const LocalTime firstAfter = read(changeAt);
        const QString name = QString::fromLatin1(night.zone) + u' ' + night.date.toString(Qt::ISODate);

        // An alarm for every minute from two before the change to two after it, on either
        // side of the jump: the minutes left out, or the minutes that come twice.
        const QTime jumpFrom(lastBefore.hour, lastBefore.minute);
        const QTime jumpTo(firstAfter.hour, firstAfter.minute);
        AlarmTable table;
        for (QTime at = std::min(jumpFrom, jumpTo).addSecs(-120);
             at <= std::max(jumpFrom, jumpTo).addSecs(120); at = at.addSecs(60)) {
            table.push_back(enabledAt(at));
        }

        for (const Ticks& ticks : ticking) {
            const std::vector<qint64> moments = timerTicks(changeAt - 90 * 60'000, changeAt + 75 * 60'000,
                                                           ticks.jitter, 5, ticks.motion, read);
            std::vector<LocalTime> readings;
            std::transform(moments.begin(), moments.end(), std::back_inserter(readings), read);
            AlarmSchedule check;
            std::map<QString, std::vector<std::size_t>> rings; // the ticks each alarm rang at
            for (std::size_t tick = 0; tick < readings.size(); ++tick) {
                for (const Alarm* due : check.check(table, readings[tick])) {
                    rings[due->message].push_back(tick);
                }
            }
            // Each alarm rings once: at the first tick whose reading has reached its
            // minute. A minute left out is reached at the change; a minute that comes
            // twice is reached the first time.
            for (const Alarm& alarm : table) {
                const long long target =
                    LocalTime::fromDateTime(QDateTime(night.date, alarm.at, QTimeZone::utc())).minuteKey();
                const auto reached =
                    std::find_if(readings.begin(), readings.end(),
                                 [&](const LocalTime& now) { return now.minuteKey() >= target; });
                ASSERT_NE(reached, readings.end());
                EXPECT_EQ(rings[alarm.message],
                          std::vector<std::size_t>{std::size_t(reached - readings.begin())})
                    << name.toStdString() << " " << ticks.name << " " << alarm.message.toStdString();
            }
            // The face shows the new local time from the moment of the change on.
            if (ticks.jitter == 0) {
                const auto next = std::lower_bound(moments.begin(), moments.end(), changeAt);
                ASSERT_NE(next, moments.end());
                EXPECT_LE(*next - changeAt, tick_schedule::lateness)
                    << name.toStdString() << " " << ticks.name;
                EXPECT_EQ(read(*next).utcOffset, change.offsetFromUtc);
            }
        }
    }
}

TEST(AlarmSchedule, AClockSetByHandOrAsleepOverTheChangeKeepsItsRules)
{
    constexpr int est = -5 * 3600;
    constexpr int edt = -4 * 3600;
    // A reading of the clock in New York: the time and its distance from UTC.
    struct Reading
    {
        QDate date;
        QTime time;
        int utcOffset;
    };
    struct Case
    {
        const char* name;
        std::vector<Reading> readings;
        std::map<QString, int> rings; // by alarm time
    };
    const QDate may(2024, 5, 17);
    const QDate spring(2024, 3, 10);
    const QDate autumn(2024, 11, 3);
    const Case cases[] = {
        // Set back by hand, not for daylight saving time: the minutes it comes to ring
        // again.
        {"SetBackByHand",
         {{may, QTime(1, 45, 5), edt},
          {may, QTime(1, 50, 5), edt},
          {may, QTime(1, 40, 0), edt},
          {may, QTime(1, 45, 10), edt},
          {may, QTime(1, 50, 10), edt}},
         {{u"01:45:00"_s, 2}, {u"01:50:00"_s, 2}}},
        // Asleep for hours: only the last ten minutes ring, even over the minutes the
        // clocks went forward over.
        {"AsleepOverTheSpringNight",
         {{spring, QTime(1, 30, 0), est}, {spring, QTime(7, 0, 0), edt}},
         {{u"02:30:00"_s, 0}, {u"06:40:00"_s, 0}, {u"06:52:00"_s, 1}}},
        // Woken seven minutes after going to sleep, across the change: all of it rings.
        {"WokenJustAfterTheSpringChange",
         {{spring, QTime(1, 57, 0), est}, {spring, QTime(3, 4, 0), edt}},
         {{u"01:58:00"_s, 1}, {u"02:30:00"_s, 1}, {u"03:03:00"_s, 1}}},
        // Asleep while the clocks went back: what was shown before stays quiet, what the
        // clock comes to for the first time rings.
        {"AsleepOverTheAutumnChange",
         {{autumn, QTime(1, 20, 0), edt},
          {autumn, QTime(1, 22, 30), edt},
          {autumn, QTime(1, 25, 30), edt},
          {autumn, QTime(1, 10, 0), est},
          {autumn, QTime(1, 22, 40), est},
          {autumn, QTime(1, 25, 30), est},
          {autumn, QTime(1, 35, 10), est}},
         {{u"01:22:00"_s, 1}, {u"01:25:00"_s, 1}, {u"01:30:00"_s, 1}}},
    };
    for (const Case& c : cases) {
        AlarmTable table;
        for (const auto& [time, count] : c.rings) {
            table.push_back(enabledAt(QTime::fromString(time, Qt::ISODate)));
        }
        AlarmSchedule check;
        std::map<QString, int> rings;
        for (const Reading& reading : c.readings) {
            const LocalTime now =
                LocalTime::fromDateTime(QDateTime(reading.date, reading.time, QTimeZone(reading.utcOffset)));
            for (const Alarm* due : check.check(table, now)) {
                ++rings[due->message];
            }
        }
        for (const auto& [time, count] : c.rings) {
            EXPECT_EQ(rings[time], count) << c.name << " " << time.toStdString();
        }
    }
}

// Real time passing over more minutes than are caught up (a sleep, a stalled program)
// misses the alarms before the last ten: they ring no more, and are named once each, on
// the days they ring on. A clock set forward by hand, which the clock since boot tells,
// misses nothing and keeps to the rules above.
TEST(AlarmSchedule, TimePassingBeyondTheCatchUpMissesTheAlarmsItPassedOver)
{
    const QTimeZone newYork("America/New_York");
    ASSERT_TRUE(newYork.isValid());
    const auto alarm = [](QTime at, std::uint8_t weekdays = AlarmDays::everyDay, bool once = false,
                          bool enabled = true) {
        return Alarm{.at = at, .enabled = enabled, .days = {.weekdays = weekdays, .once = once}};
    };
    const AlarmTable table{
        alarm(QTime(7, 30)),
        alarm(QTime(7, 35), AlarmDays::workdays),
        alarm(QTime(7, 36), AlarmDays::everyDay, false, false),
        alarm(QTime(7, 38), AlarmDays::everyDay, true),
        alarm(QTime(8, 0), 0x01), // Sundays
        alarm(QTime(2, 30)),
        alarm(QTime(15, 0)),
    };
    // A reading in New York, `bootMs` after the machine started.
    struct Reading
    {
        QDateTime at;
        qint64 bootMs;
    };
    struct Case
    {
        const char* name;
        std::vector<Reading> readings;
        QStringList missed; // at the last reading: "day hh:mm"
        QStringList rang;   // at the last reading
    };
    const auto at = [&](int day, QTime time) {
        return QDateTime(QDate(2024, day < 17 ? 3 : 5, day), time, newYork);
    };
    const qint64 hour = 3'600'000;
    const Reading friday{at(17, QTime(7, 29, 50)), hour};
    const Case cases[] = {
        {"Asleep11Minutes",
         {friday, {at(17, QTime(7, 40, 50)), hour + 11 * 60'000}},
         {u"17 07:30"_s},
         {u"07:35"_s, u"07:38"_s}},
        {"Asleep8Hours",
         {friday, {at(17, QTime(15, 29, 50)), 9 * hour}},
         {u"17 07:30"_s, u"17 07:35"_s, u"17 07:38"_s, u"17 15:00"_s},
         {}},
        {"StalledForNineMinutesCatchesAllUp",
         {friday, {at(17, QTime(7, 38, 50)), hour + 9 * 60'000}},
         {},
         {u"07:30"_s, u"07:35"_s, u"07:38"_s}},
        // The wall clock went on eight hours while ten seconds passed.
        {"SetForward8HoursByHand", {friday, {at(17, QTime(15, 29, 50)), hour + 10'000}}, {}, {}},
        // Asleep the weekend: Saturday and Sunday have no workday alarm, Sunday its own,
        // and the once-only alarm counts once; Monday's 07:30 has not come.
        {"AsleepOverTheWeekend",
         {friday, {at(20, QTime(7, 29, 50)), hour + 72 * hour}},
         {u"17 07:30"_s, u"17 07:35"_s, u"17 07:38"_s, u"17 15:00"_s, u"18 02:30"_s, u"18 07:30"_s,
          u"18 15:00"_s, u"19 02:30"_s, u"19 07:30"_s, u"19 08:00"_s, u"19 15:00"_s, u"20 02:30"_s},
         {}},
        // Asleep from 01:30 to 07:00 on the night the clocks go forward: the minute they
        // leave out was passed over as well.
        {"AsleepOverTheSpringNight",
         {{at(10, QTime(1, 30)), hour}, {at(10, QTime(7, 0)), hour + 4 * hour + 30 * 60'000}},
         {u"10 02:30"_s},
         {}},
    };
    for (const Case& c : cases) {
        AlarmSchedule check;
        std::vector<const Alarm*> rang;
        for (const Reading& reading : c.readings) {
            LocalTime now = LocalTime::fromDateTime(reading.at);
            now.sinceBootMs = reading.bootMs;
            rang = check.check(table, now);
        }
        QStringList missed;
        for (const AlarmSchedule::Missed& one : check.missed()) {
            missed.append(QString::number(QDate(1970, 1, 1).addDays(one.day).day()) + u' ' +
                          one.alarm->at.toString(u"HH:mm"_s));
        }
        QStringList rangAt;
        for (const Alarm* one : rang) {
            rangAt.append(one->at.toString(u"HH:mm"_s));
        }
        EXPECT_EQ(missed, c.missed) << c.name;
        EXPECT_EQ(rangAt, c.rang) << c.name;
    }
}

} // namespace
