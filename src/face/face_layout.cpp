#include "face/face_layout.h"

namespace face_layout {

QChar weekdayCharacter(int weekday)
{
    static constexpr char16_t names[] = u"日月火水木金土";
    return QChar(names[weekday % 7]);
}

QString format(Text text, const LocalTime& time)
{
    const auto twoDigits = [](int value) {
        return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    };
    const QString date = QStringLiteral("%1/%2/%3")
                             .arg(time.year, 4, 10, QLatin1Char('0'))
                             .arg(twoDigits(time.month), twoDigits(time.day));
    switch (text) {
    case Text::DateWithWeekday:
        return date + u' ' + weekdayCharacter(time.weekday);
    case Text::Date:
        return date;
    case Text::MonthDay:
        return twoDigits(time.month) + u'/' + twoDigits(time.day);
    case Text::Weekday:
        return QString(weekdayCharacter(time.weekday));
    case Text::AmPm:
        return time.hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
    case Text::None:
        break;
    }
    return {};
}

} // namespace face_layout
