#pragma once

#include <QColor>
#include <cstdint>

// A colour as the settings files store it: 0x00BBGGRR, red in the low byte.
using ColourRef = std::uint32_t;

constexpr ColourRef colourRef(int red, int green, int blue)
{
    return ColourRef(red) | ColourRef(green) << 8 | ColourRef(blue) << 16;
}

inline QColor toQColor(ColourRef colour)
{
    return QColor(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
}

inline ColourRef fromQColor(const QColor& colour)
{
    return colourRef(colour.red(), colour.green(), colour.blue());
}
