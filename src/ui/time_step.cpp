#include "ui/time_step.h"

namespace {

int wrapped(int value, int count)
{
    return (value % count + count) % count;
}

} // namespace

QTime stepTime(TimeStep step, QTime time)
{
    int hour = time.hour();
    int minute = time.minute();
    switch (step) {
    case TimeStep::HourUp:
        hour = wrapped(hour + 1, 24);
        break;
    case TimeStep::HourDown:
        hour = wrapped(hour - 1, 24);
        break;
    case TimeStep::MinuteUp:
        minute = wrapped(minute + 1, 60);
        break;
    case TimeStep::MinuteDown:
        minute = wrapped(minute - 1, 60);
        break;
    case TimeStep::None:
        break;
    }
    return QTime(hour, minute);
}
