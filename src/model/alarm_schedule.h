#pragma once

#include "core/local_time.h"
#include "storage/alarm.h"

#include <optional>
#include <vector>

// Decides, tick by tick, which alarms ring. Every enabled alarm whose hour and minute
// match rings once in its minute: the check remembers the minute that rang last
// rather than relying on one tick falling into second 00, so late, doubled or
// skipped ticks neither miss nor repeat an alarm. When the clock jumps forward (a
// stalled machine, a time sync, waking from sleep) the minutes jumped over, up to
// catchUpMinutes of them, are looked at as well, so an alarm set inside them still
// rings, late.
class AlarmSchedule
{
public:
    static constexpr int catchUpMinutes = 10;

    // The alarms that ring at this tick, in table order. Nothing is allocated when
    // nothing is due.
    std::vector<const Alarm*> check(const AlarmTable& table, const LocalTime& now);

    // Whether an alarm has rung in the minute of `now`.
    bool rangThisMinute(const LocalTime& now) const;

    // Whether an alarm rings at the given hour and minute: it is enabled and set then.
    static bool isDue(const Alarm& alarm, int hour, int minute);

private:
    static long long minuteStamp(const LocalTime& time);

    std::optional<long long> lastRangMinute_;
    std::optional<long long> lastCheckedMinute_;
};
