#include "model/alarm_schedule.h"

#include <algorithm>

namespace {

constexpr long long minutesPerDay = 24 * 60;
long long floorDivide(long long value, long long divisor)
{
    return (value >= 0 ? value : value - divisor + 1) / divisor;
}

// The day of the week (0 = Sunday) of a day counted from 1970-01-01, a Thursday.
int weekdayOf(long long day)
{
    return int(((day + 4) % 7 + 7) % 7);
}

long long minuteStamp(const LocalTime& time)
{
    const long long seconds = time.localSeconds();
    return floorDivide(seconds, 60);
}

} // namespace

bool AlarmSchedule::isDue(const Alarm& alarm, int minuteOfDay, int weekday)
{
    return alarm.enabled && alarm.at.isValid() && alarm.at.hour() * 60 + alarm.at.minute() == minuteOfDay &&
           alarm.days.ringsOn(weekday);
}

std::optional<AlarmSchedule::NextRing> AlarmSchedule::nextRing(const AlarmTable& table, const LocalTime& now)
{
    const long long current = minuteStamp(now);
    const long long today = floorDivide(current, minutesPerDay);
    std::optional<NextRing> next;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const Alarm& alarm = table[i];
        if (!alarm.enabled || !alarm.at.isValid()) {
            continue;
        }
        const int minuteOfDay = alarm.at.hour() * 60 + alarm.at.minute();
        // A week and a day: today's minute may have gone, and the day be this one only.
        for (int ahead = 0; ahead <= 7; ++ahead) {
            const long long minute = (today + ahead) * minutesPerDay + minuteOfDay;
            const int weekday = weekdayOf(today + ahead);
            if (minute > current && alarm.days.ringsOn(weekday)) {
                if (!next || minute < next->minute) {
                    next = NextRing{.index = i, .daysAhead = ahead, .weekday = weekday, .minute = minute};
                }
                break;
            }
        }
    }
    return next;
}

long long AlarmSchedule::firstMinuteAfter(const Checked& last, const LocalTime& now, long long current)
{
    if (last.minute >= current) {
        return current; // the same minute, or a clock set back
    }
    long long reach = catchUpMinutes;
    const int offsetChange = now.utcOffset - last.utcOffset;
    if (offsetChange > 0 && now.utcSeconds() - last.utcSeconds <= catchUpMinutes * 60LL) {
        reach += offsetChange / 60; // the minutes the clocks went forward over
    }
    return std::max(last.minute + 1, current - reach + 1);
}

bool AlarmSchedule::realTimePassed(const Checked& last, const LocalTime& now)
{
    if (!last.sinceBootMs || !now.sinceBootMs) {
        return false;
    }
    constexpr long long correction = 60'000;
    const long long wall = now.utcSeconds() * 1000 + now.millisecond - last.utcMs;
    const long long real = *now.sinceBootMs - *last.sinceBootMs;
    return wall <= real + correction;
}

void AlarmSchedule::collectMissed(const AlarmTable& table, long long from, long long to)
{
    for (long long stamp = from; stamp <= to; ++stamp) {
        const long long day = floorDivide(stamp, minutesPerDay);
        const int minuteOfDay = int(stamp - day * minutesPerDay);
        const int weekday = weekdayOf(day);
        // A once-only alarm is due on any day: the first of them counts.
        const bool firstDay = stamp - from < minutesPerDay;
        for (const Alarm& alarm : table) {
            if ((firstDay || !alarm.days.once) && isDue(alarm, minuteOfDay, weekday)) {
                missed_.push_back({.alarm = &alarm, .day = day});
            }
        }
    }
}

std::vector<const Alarm*> AlarmSchedule::check(const AlarmTable& table, const LocalTime& now)
{
    missed_.clear();
    const long long current = minuteStamp(now);
    long long first = current;
    // The minutes before `first` that real time passed over, no longer caught up.
    long long missedFrom = current;
    if (lastChecked_) {
        if (now.utcOffset < lastChecked_->utcOffset) {
            repeatedThrough_ =
                std::max(repeatedThrough_.value_or(lastChecked_->minute), lastChecked_->minute);
        }
        first = firstMinuteAfter(*lastChecked_, now, current);
        missedFrom = realTimePassed(*lastChecked_, now) ? lastChecked_->minute + 1 : first;
    }
    const long long missedTo = first - 1;
    lastChecked_ = Checked{.minute = current,
                           .utcSeconds = now.utcSeconds(),
                           .utcOffset = now.utcOffset,
                           .utcMs = now.utcSeconds() * 1000 + now.millisecond,
                           .sinceBootMs = now.sinceBootMs};
    if (repeatedThrough_) {
        if (current <= *repeatedThrough_) {
            return {};
        }
        // The minutes up to it were looked at before the clocks went back.
        first = std::max(first, *repeatedThrough_ + 1);
        missedFrom = std::max(missedFrom, *repeatedThrough_ + 1);
        repeatedThrough_.reset();
    }
    collectMissed(table, missedFrom, missedTo);

    std::vector<const Alarm*> due;
    for (long long stamp = first; stamp <= current; ++stamp) {
        if (stamp == lastRangMinute_) {
            continue;
        }
        const long long day = floorDivide(stamp, minutesPerDay);
        const int minuteOfDay = int(stamp - day * minutesPerDay);
        const int weekday = weekdayOf(day);
        bool rang = false;
        for (const Alarm& alarm : table) {
            if (isDue(alarm, minuteOfDay, weekday)) {
                due.push_back(&alarm);
                rang = true;
            }
        }
        if (rang) {
            lastRangMinute_ = stamp;
        }
    }
    return due;
}
