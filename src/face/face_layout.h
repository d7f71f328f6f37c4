#pragma once

#include "core/colour.h"
#include "core/local_time.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

// What a design prints and where it puts its bell and its digit panel; the design
// table (designs.h) holds each design's layout.
namespace face_layout {

enum class Text
{
    None,
    DateWithWeekday, // 2024/05/17 金
    Date,            // 2024/05/17
    MonthDay,        // 05/17
    Weekday,         // 金
    AmPm,            // AM before noon, PM from noon on
};

enum class TextColour
{
    Unchanged, // designs that print nothing
    Light,     // lightText, on a dark bar
    DigitalColour,
};

inline constexpr ColourRef lightText = 0x00E0E0E0;

// The bell is a cell of this many pixels square; its sprite holds the bell's image and
// its mask side by side.
inline constexpr int bellSize = 7;

// Texts are placed by their top-left corner.
struct Layout
{
    TextColour colour = TextColour::Unchanged;
    Text first = Text::None;
    QPoint firstAt{};
    Text second = Text::None;
    QPoint secondAt{};
    std::optional<QPoint> bell{}; // the bell cell on the face itself (analog designs)
    QRect panel{};                // the read-out panel (digital designs)
    QRect bellBox{};              // the bell's own box beside it (digital designs)
};

// The bell's cell, wherever the design shows it.
constexpr QRect bellCell(const Layout& layout)
{
    return layout.bell ? QRect(*layout.bell, QSize(bellSize, bellSize)) : layout.bellBox;
}

// The text as printed at the given time.
QString format(Text text, const LocalTime& time);

// The one-character Japanese weekday, Sunday = 0.
QChar weekdayCharacter(int weekday);

} // namespace face_layout
