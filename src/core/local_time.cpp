#include "core/local_time.h"

LocalTime LocalTime::fromDateTime(const QDateTime& dateTime)
{
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    return LocalTime{
        .year = date.year(),
        .month = date.month(),
        .day = date.day(),
        .weekday = date.dayOfWeek() % 7,
        .hour = time.hour(),
        .minute = time.minute(),
        .second = time.second(),
        .millisecond = time.msec(),
        .utcOffset = dateTime.offsetFromUtc(),
    };
}
