#pragma once

#include <QDateTime>

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

    static LocalTime fromDateTime(const QDateTime& dateTime);

    // Whole days from 1970-01-01 to a day of the calendar (negative before it).
    static constexpr long long daysFromCivil(int year, int month, int day)
    {
        // Counted in years that begin in March, so that the leap day ends its year.
        const long long y = year - (month <= 2 ? 1 : 0);
        const long long era = (y >= 0 ? y : y - 399) / 400;
        const long long yearOfEra = y - era * 400;
        const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
        const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
        return era * 146'097 + dayOfEra - 719'468;
    }

    // Seconds from 1970-01-01 00:00 on the local calendar to this reading, and the
    // moment itself in seconds since the epoch (UTC): the passage of real time.
    constexpr long long localSeconds() const
    {
        return daysFromCivil(year, month, day) * 86'400 + hour * 3600 + minute * 60 + second;
    }
    constexpr long long utcSeconds() const { return localSeconds() - utcOffset; }

    // One number per calendar day, larger for a later day (not a count of days), one per
    // minute and one per second: what a drawing keys its reuse on.
    constexpr long long dayKey() const { return (year * 13LL + month) * 32 + day; }
    constexpr long long minuteKey() const { return (dayKey() * 24 + hour) * 60 + minute; }
    constexpr long long secondKey() const { return minuteKey() * 61 + second; }

    friend bool operator==(const LocalTime&, const LocalTime&) = default;
};
