#pragma once

#include <QDateTime>

// One reading of the local wall clock. A plain value: reading it never allocates,
// which matters because every tick of the clock reads it.
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

    static LocalTime fromDateTime(const QDateTime& dateTime);

    // One number per calendar day, larger for a later day (not a count of days), one per
    // minute and one per second: what a drawing keys its reuse on.
    constexpr long long dayKey() const { return (year * 13LL + month) * 32 + day; }
    constexpr long long minuteKey() const { return (dayKey() * 24 + hour) * 60 + minute; }
    constexpr long long secondKey() const { return minuteKey() * 61 + second; }

    friend bool operator==(const LocalTime&, const LocalTime&) = default;
};
