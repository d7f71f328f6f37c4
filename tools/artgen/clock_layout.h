#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <optional>

// Where the clock window draws on each design: the artwork is built around these
// places so that hands, read-out, texts and the bell land on the right parts.
namespace clock_layout {

struct Hand
{
    int length;
    int width;
};

struct Analog
{
    QPoint centre;
    Hand hour;
    Hand minute;
    Hand second;
};

struct DateText
{
    QPoint at; // top-left corner of the text
    enum class Kind
    {
        FullDate,
        AmPm,
        MonthDay,
        Weekday,
        YearMonthDay
    } kind;
};

struct Design
{
    QSize size;
    QRgb key;
    std::optional<Analog> analog;
    std::optional<QRect> readout; // the digital panel
    QPoint bell;                  // top-left of the 7 x 7 bell cell
    std::array<std::optional<DateText>, 2> texts;
};

inline constexpr Analog smallDial{{42, 64}, {14, 3}, {22, 2}, {20, 1}};
inline constexpr Analog largeDial{{45, 45}, {22, 4}, {32, 3}, {30, 2}};

inline constexpr int bellSize = 7;

// The clock's text face: the 8.25 point gothic at 96 dots per inch.
inline constexpr int textPixelSize = 11;

// The texts the previews show: Friday 17 May 2024, in the morning.
inline QString sampleText(DateText::Kind kind)
{
    switch (kind) {
    case DateText::Kind::FullDate:
        return QStringLiteral("2024/05/17 金");
    case DateText::Kind::AmPm:
        return QStringLiteral("AM");
    case DateText::Kind::MonthDay:
        return QStringLiteral("05/17");
    case DateText::Kind::Weekday:
        return QStringLiteral("金");
    case DateText::Kind::YearMonthDay:
        return QStringLiteral("2024/05/17");
    }
    return {};
}

using K = DateText::Kind;

inline const std::array<Design, 7> designs{{
    {{85, 115},
     0xFFFE01FE,
     smallDial,
     {},
     {15, 96},
     {{DateText{{4, 105}, K::FullDate}, DateText{{2, 95}, K::AmPm}}}},
    {{85, 105}, 0xFFFF00FF, {}, QRect(23, 61, 41, 12), {39, 51}, {}},
    {{85, 105},
     0xFFFF00FF,
     {},
     QRect(23, 58, 41, 12),
     {40, 81},
     {{DateText{{24, 71}, K::MonthDay}, DateText{{54, 71}, K::Weekday}}}},
    {{85, 104}, 0xFFFE01FE, smallDial, {}, {9, 92}, {}},
    {{115, 90}, 0xFFFE01FE, largeDial, {}, {10, 79}, {}},
    {{115, 100},
     0xFFFE01FE,
     largeDial,
     {},
     {21, 90},
     {{DateText{{34, 89}, K::FullDate}, DateText{{6, 89}, K::AmPm}}}},
    {{115, 82},
     0xFFFE01FE,
     {},
     QRect(5, 24, 76, 23),
     {3, 53},
     {{DateText{{12, 52}, K::YearMonthDay}, DateText{{73, 51}, K::Weekday}}}},
}};

// The read-out: digit cells of the small (types 1, 2) and large (type 6) strips.
struct Strip
{
    QSize size;
    int cellWidth;
    int cellHeight;
    int colonX;
    int colonWidth;
    int blankX;
    std::array<int, 5> panelX; // hour tens, hour units, colon, minute tens, minute units
};

inline constexpr Strip smallStrip{{130, 15}, 9, 12, 91, 6, 96, {0, 9, 18, 24, 33}};
inline constexpr Strip largeStrip{{220, 25}, 16, 23, 159, 12, 168, {0, 16, 32, 44, 60}};

} // namespace clock_layout
