#include "model/alarm_schedule.h"

#include <QDate>
#include <algorithm>

namespace {

constexpr int minutesPerDay = 24 * 60;

} // namespace

long long AlarmSchedule::minuteStamp(const LocalTime& time)
{
    return QDate(time.year, time.month, time.day).toJulianDay() * minutesPerDay + time.hour * 60 +
           time.minute;
}

bool AlarmSchedule::isDue(const Alarm& alarm, int hour, int minute)
{
    return alarm.enabled && alarm.at.isValid() && alarm.at.hour() == hour && alarm.at.minute() == minute;
}

bool AlarmSchedule::rangThisMinute(const LocalTime& now) const
{
    return lastRangMinute_ == minuteStamp(now);
}

std::vector<const Alarm*> AlarmSchedule::check(const AlarmTable& table, const LocalTime& now)
{
    const long long current = minuteStamp(now);
    long long first = current;
    if (lastCheckedMinute_ && *lastCheckedMinute_ < current) {
        first = std::max(*lastCheckedMinute_ + 1, current - catchUpMinutes + 1);
    }
    lastCheckedMinute_ = current;

    std::vector<const Alarm*> due;
    for (long long stamp = first; stamp <= current; ++stamp) {
        if (stamp == lastRangMinute_) {
            continue;
        }
        const int minuteOfDay = int(stamp % minutesPerDay);
        bool rang = false;
        for (const Alarm& alarm : table) {
            if (isDue(alarm, minuteOfDay / 60, minuteOfDay % 60)) {
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
