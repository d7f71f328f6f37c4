#pragma once

#include "platform/clock.h"

#include <QDateTime>

// A clock that shows the time the test sets: 2024-05-17 09:05:00 until then. Its time
// zone keeps its distance from UTC unless the test names a change to come.
class FakeClock final : public Clock
{
public:
    FakeClock() { setNow(QDateTime(QDate(2024, 5, 17), QTime(9, 5, 0))); }

    LocalTime now() const override { return now_; }
    std::optional<qint64> nextOffsetChange(qint64 utcSeconds) const override
    {
        return offsetChange_ > utcSeconds ? std::optional(*offsetChange_) : std::nullopt;
    }

    void setNow(const QDateTime& dateTime) { now_ = LocalTime::fromDateTime(dateTime); }
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
