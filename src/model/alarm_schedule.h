#pragma once

#include "core/local_time.h"
#include "storage/alarm.h"

#include <optional>
#include <vector>

// Decides, tick by tick, which alarms ring. Every enabled alarm whose hour and minute
// match, on a day it rings on, rings once in its minute: the check remembers the
// minute that rang last rather than relying on one tick falling into second 00, so
// late, doubled or skipped ticks neither miss nor repeat an alarm. When the clock jumps forward (a
// stalled machine, a time sync, waking from sleep, a clock set by hand) the minutes
// jumped over, up to catchUpMinutes of them, are looked at as well, so an alarm set
// inside them still rings, late; a clock set back rings the minutes it comes to again.
// When real time passed over more minutes than that (a sleep, a stalled program), the
// alarms of the minutes before the last catchUpMinutes are missed: they ring no more, and
// the check names them. A wall clock set forward misses nothing: its readings' clock since
// boot says that no such time passed, and it keeps to the rules above.
//
// Daylight saving time is told apart from a clock being set by the reading's distance
// from UTC: when it changes, the local clock jumped while real time ran on.
//  - The clocks go forward: the local minutes they leave out ring at the change (when
//    it fell into the last catchUpMinutes of real time; a machine asleep for longer
//    rings only the last catchUpMinutes, as after any sleep).
//  - The clocks go back: the local minutes that come round a second time ring only the
//    first time.
class AlarmSchedule
{
public:
    static constexpr int catchUpMinutes = 10;

    // When an alarm rings next after the minute of a reading: which one (its place in the
    // table; the first of those of one minute), how many days after the reading's, and
    // on which day of the week.
    struct NextRing
    {
        std::size_t index;
        int daysAhead;
        int weekday;
        long long minute; // local minutes since 1970-01-01 00:00

        friend bool operator==(const NextRing&, const NextRing&) = default;
    };
    static std::optional<NextRing> nextRing(const AlarmTable& table, const LocalTime& now);

    // The alarms that ring at this tick, in table order. Nothing is allocated when
    // nothing is due.
    std::vector<const Alarm*> check(const AlarmTable& table, const LocalTime& now);

    // An alarm the last check passed over, and the day it was due on at its time (days
    // since 1970-01-01 on the local calendar).
    struct Missed
    {
        const Alarm* alarm;
        long long day;
    };
    // The alarms the last check found missed, by minute and then in table order; a
    // once-only alarm only at its first minute. Empty after nearly every check.
    const std::vector<Missed>& missed() const { return missed_; }

    // Whether an alarm rings at the given minute of the day (0..1439) on the given day of
    // the week (0 = Sunday): it is enabled, set then, and rings on that day.
    static bool isDue(const Alarm& alarm, int minuteOfDay, int weekday);

private:
    struct Checked
    {
        long long minute; // local minutes since 1970-01-01 00:00 on the local calendar
        long long utcSeconds;
        int utcOffset;
        long long utcMs;
        std::optional<long long> sinceBootMs;
    };

    // Whether the wall clock went on from `last` to `now` as real time did, give or take
    // a minute (a time service's correction), rather than being set.
    static bool realTimePassed(const Checked& last, const LocalTime& now);
    // Collects the alarms of the minutes from `from` to `to`.
    void collectMissed(const AlarmTable& table, long long from, long long to);

    // The first local minute a check at `now` looks at, `current` (the minute of `now`)
    // being the last, when the check before was `last`.
    static long long firstMinuteAfter(const Checked& last, const LocalTime& now, long long current);

    std::optional<long long> lastRangMinute_;
    std::optional<Checked> lastChecked_;
    // After the clocks went back: the last local minute looked at before they did. The
    // minutes up to it come round again and stay quiet until the clock has passed it.
    std::optional<long long> repeatedThrough_;
    std::vector<Missed> missed_;
};
