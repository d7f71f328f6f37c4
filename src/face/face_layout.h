#pragma once

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
    Light,     // 0xE0E0E0 on a dark bar
    DigitalColour,
};

struct Layout
{
    TextColour colour;
    Text first;
    QPoint firstAt;
    Text second;
    QPoint secondAt;
    std::optional<QPoint> bell; // the bell cell on the face itself (analog designs)
    QRect panel;                // the read-out panel (digital designs)
    QRect bellBox;              // the bell's own box beside it (digital designs)
};

// The text as printed at the given time.
QString format(Text text, const LocalTime& time);

// The one-character Japanese weekday, Sunday = 0.
QChar weekdayCharacter(int weekday);

} // namespace face_layout
