#pragma once

#include <QDateTime>
#include <chrono>
#include <optional>

// One reading of the local wall clock, with how far it stands from UTC. A plain value:
// reading it never allocates, which matters because every tick of the clock reads it.
struct LocalTime
{
    int year = 0;
    int month = 0;   // 1..12
    int day = 0;     // 1..31
    int weekday = 0; // 0 = Sunday .. 6 = Saturday
    int hour = 0;    // 0..23
    int minute = 0;
    int second = 0;
    int millisecond = 0; // 0..999: the tick schedule aims at the boundaries of seconds
    // Seconds east of UTC: the reading minus UTC. It changes when the clocks go forward
    // or back for daylight saving time, while UTC runs on.
    int utcOffset = 0;
    // Milliseconds since the machine started on a clock that runs on through sleep and
    // that nobody sets: against it, a jump of the wall clock is real time that passed (a
    // sleep, a stalled program) or the wall clock set. None where the system gave none.
    std::optional<long long> sinceBootMs{};

    static LocalTime fromDateTime(const QDateTime& dateTime);

    // Seconds from 1970-01-01 00:00 on the local calendar to this reading, and the
    // moment itself in seconds since the epoch (UTC): the passage of real time.
    constexpr long long localSeconds() const
    {
        const std::chrono::sys_days date{std::chrono::year_month_day{
            std::chrono::year{year}, std::chrono::month(unsigned(month)), std::chrono::day(unsigned(day))}};
        return date.time_since_epoch().count() * 86'400LL + hour * 3600 + minute * 60 + second;
    }
    constexpr long long utcSeconds() const { return localSeconds() - utcOffset; }

    // One number per calendar day, larger for a later day (not a count of days), one per
    // minute and one per second: what a drawing keys its reuse on.
    constexpr long long dayKey() const { return (year * 13LL + month) * 32 + day; }
    constexpr long long minuteKey() const { return (dayKey() * 24 + hour) * 60 + minute; }
    constexpr long long secondKey() const { return minuteKey() * 61 + second; }

    friend bool operator==(const LocalTime&, const LocalTime&) = default;
};
