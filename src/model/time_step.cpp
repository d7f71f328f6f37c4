#include "model/time_step.h"

namespace {

QString up(const QString& text, int last)
{
    const int value = text.toInt();
    if (value > last - 1) {
        return QStringLiteral("00");
    }
    if (value > 8) {
        return QString::number(value + 1);
    }
    return u'0' + QString::number(value + 1);
}

QString down(const QString& text, int last)
{
    if (text == u"00") {
        return QString::number(last);
    }
    const int value = text.toInt();
    if (value > 10) {
        return QString::number(value - 1);
    }
    return u'0' + QString::number(value - 1);
}

} // namespace

QString stepTime(TimeStep step, const QString& text)
{
    switch (step) {
    case TimeStep::HourUp:
        return up(text, 23);
    case TimeStep::HourDown:
        return down(text, 23);
    case TimeStep::MinuteUp:
        return up(text, 59);
    case TimeStep::MinuteDown:
        return down(text, 59);
    case TimeStep::None:
        break;
    }
    return text;
}
