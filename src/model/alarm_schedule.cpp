#include "model/alarm_schedule.h"

#include <QDate>
#include <algorithm>

namespace {

constexpr int minutesPerDay = 24 * 60;

bool equalsTwoDigits(QStringView text, int value)
{
    return text.size() == 2 && text[0] == QChar(u'0' + value / 10) && text[1] == QChar(u'0' + value % 10);
}

} // namespace

long long AlarmSchedule::minuteStamp(const LocalTime& time)
{
    return QDate(time.year, time.month, time.day).toJulianDay() * minutesPerDay + time.hour * 60 +
           time.minute;
}

bool AlarmSchedule::isDue(const AlarmRecord& record, int hour, int minute)
{
    const QStringView time(record.time);
    return record.enabled == alarm_text::enabledOn && time.size() >= 2 &&
           equalsTwoDigits(time.left(2), hour) && equalsTwoDigits(time.right(2), minute);
}

bool AlarmSchedule::rangThisMinute(const LocalTime& now) const
{
    return lastRangMinute_ == minuteStamp(now);
}

std::vector<AlarmSchedule::Due> AlarmSchedule::check(const AlarmTable& table, const LocalTime& now)
{
    const long long current = minuteStamp(now);
    long long first = current;
    if (lastCheckedMinute_ && *lastCheckedMinute_ < current) {
        first = std::max(*lastCheckedMinute_ + 1, current - catchUpMinutes + 1);
    }
    lastCheckedMinute_ = current;

    std::vector<Due> due;
    for (long long stamp = first; stamp <= current; ++stamp) {
        if (stamp == lastRangMinute_) {
            continue;
        }
        const int minuteOfDay = int(stamp % minutesPerDay);
        bool rang = false;
        for (const AlarmRecord& record : table) {
            if (isDue(record, minuteOfDay / 60, minuteOfDay % 60)) {
                const QStringView time(record.time);
                due.push_back(Due{&record, time.left(2), time.right(2)});
                rang = true;
            }
        }
        if (rang) {
            lastRangMinute_ = stamp;
        }
    }
    return due;
}
