#pragma once

#include "platform/local_time.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

// What each design prints and where it puts its bell and its digit panel.
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
    QRect panel;                // TimPcBG (digital designs)
    QRect bellBox;              // SuzuBG (digital designs)
};

// The layout of a design; nothing for a value outside 0..6.
std::optional<Layout> layoutFor(int type);

// The text as printed at the given time.
QString format(Text text, const LocalTime& time);

// The one-character Japanese weekday, Sunday = 0.
QChar weekdayCharacter(int weekday);

} // namespace face_layout
