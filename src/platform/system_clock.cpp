#include "platform/system_clock.h"

#include "platform/this_system.h"

#include <QTimeZone>
#include <chrono>

LocalTime SystemClock::now() const
{
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    const auto wholeSeconds = std::chrono::floor<std::chrono::seconds>(sinceEpoch);
    const std::time_t seconds = std::time_t(wholeSeconds.count());
    const std::tm local = this_system::localCalendar(seconds);
    LocalTime reading{
        .year = local.tm_year + 1900,
        .month = local.tm_mon + 1,
        .day = local.tm_mday,
        .weekday = local.tm_wday,
        .hour = local.tm_hour,
        .minute = local.tm_min,
        .second = local.tm_sec,
        .millisecond =
            int(std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch - wholeSeconds).count()),
        .sinceBootMs = this_system::millisecondsSinceBoot(),
    };
    // The distance of the local calendar from the moment itself, the same way on every
    // system (Windows' C library has no tm_gmtoff).
    reading.utcOffset = int(reading.localSeconds() - seconds);
    return reading;
}

std::optional<qint64> SystemClock::nextOffsetChange(qint64 utcSeconds) const
{
    const QTimeZone::OffsetData next =
        QTimeZone::systemTimeZone().nextTransition(QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC));
    if (!next.atUtc.isValid()) {
        return std::nullopt;
    }
    return next.atUtc.toSecsSinceEpoch();
}
