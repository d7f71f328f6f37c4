#pragma once

#include "platform/clock.h"

#include <QDateTime>

// A clock that shows the time the test sets: 2024-05-17 09:05:00 until then.
class FakeClock final : public Clock
{
public:
    FakeClock() { setNow(QDateTime(QDate(2024, 5, 17), QTime(9, 5, 0))); }

    LocalTime now() const override { return now_; }

    void setNow(const QDateTime& dateTime) { now_ = LocalTime::fromDateTime(dateTime); }
    void setNow(int hour, int minute, int second, int millisecond = 0)
    {
        now_.hour = hour;
        now_.minute = minute;
        now_.second = second;
        now_.millisecond = millisecond;
    }

private:
    LocalTime now_;
};
