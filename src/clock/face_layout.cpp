#include "clock/face_layout.h"

namespace face_layout {

std::optional<Layout> layoutFor(int type)
{
    switch (type) {
    case 0:
        return Layout{TextColour::Light, Text::DateWithWeekday, {4, 105}, Text::AmPm,
                      {2, 95},           QPoint(15, 96),        {},       {}};
    case 1:
        return Layout{TextColour::Unchanged, Text::None,    {}, Text::None, {}, {},
                      {23, 61, 41, 12},      {39, 51, 7, 7}};
    case 2:
        return Layout{TextColour::DigitalColour, Text::MonthDay, {24, 71}, Text::Weekday, {54, 71}, {},
                      {23, 58, 41, 12},          {40, 81, 7, 7}};
    case 3:
        return Layout{TextColour::Unchanged, Text::None, {}, Text::None, {}, QPoint(9, 92), {}, {}};
    case 4:
        return Layout{TextColour::Light, Text::None, {}, Text::None, {}, QPoint(10, 79), {}, {}};
    case 5:
        return Layout{TextColour::Light, Text::DateWithWeekday, {34, 89}, Text::AmPm,
                      {6, 89},           QPoint(21, 90),        {},       {}};
    case 6:
        return Layout{TextColour::DigitalColour, Text::Date,   {12, 52}, Text::Weekday, {73, 51}, {},
                      {5, 24, 76, 23},           {3, 53, 7, 7}};
    default:
        return std::nullopt;
    }
}

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
