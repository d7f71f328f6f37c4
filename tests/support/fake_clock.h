#pragma once

#include "platform/clock.h"

#include <QDateTime>

// A clock that shows the time the test sets: 2024-05-17 09:05:00 until then. Its time
// zone keeps its distance from UTC unless the test names a change to come. Its clock since
// boot moves only when the test lets time pass.
class FakeClock final : public Clock
{
public:
    FakeClock()
    {
        setNow(QDateTime(QDate(2024, 5, 17), QTime(9, 5, 0)));
        now_.sinceBootMs = 3'600'000;
    }

    LocalTime now() const override { return now_; }
    std::optional<qint64> nextOffsetChange(qint64 utcSeconds) const override
    {
        return offsetChange_ > utcSeconds ? std::optional(*offsetChange_) : std::nullopt;
    }

    // Sets the wall clock, as by hand: the clock since boot stays where it is.
    void setNow(const QDateTime& dateTime)
    {
        const std::optional<long long> sinceBoot = now_.sinceBootMs;
        now_ = LocalTime::fromDateTime(dateTime);
        now_.sinceBootMs = sinceBoot;
    }
    // Time passes until `dateTime` (a sleep, a stalled program): the clock since boot runs
    // on with the wall clock.
    void letTimePass(const QDateTime& dateTime)
    {
        const long long before = now_.utcSeconds() * 1000 + now_.millisecond;
        const long long sinceBoot = *now_.sinceBootMs;
        now_ = LocalTime::fromDateTime(dateTime);
        now_.sinceBootMs = sinceBoot + (now_.utcSeconds() * 1000 + now_.millisecond - before);
    }
    void setNow(int hour, int minute, int second, int millisecond = 0)
    {
        now_.hour = hour;
        now_.minute = minute;
        now_.second = second;
        now_.millisecond = millisecond;
    }

    void setOffsetChange(std::optional<qint64> utcSeconds) { offsetChange_ = utcSeconds; }

private:
    LocalTime now_;
    std::optional<qint64> offsetChange_;
};
