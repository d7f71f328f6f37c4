#pragma once

#include "ui/layout_order.h"

#include <QSize>
#include <array>
#include <cstddef>

// The rows of the options window, top to bottom: each a heading on the left and its
// controls from controlLeft on, in a band of its own height with an engraved line under
// it. The window places its controls by these rows, and the artwork generator draws the
// window's background at the size they give; a new option is a new row.
namespace options_layout {

enum class Row
{
    SnoozeLength,
    Chime,
    ChimeSound,
    QuietHours,
    ClockSize,
    Opacity,
    ClickThrough,
};

struct RowPlace
{
    Row row;
    const char* heading;
    int height;
};

inline constexpr std::array rows{
    RowPlace{Row::SnoozeLength, "スヌーズの長さ", 38}, RowPlace{Row::Chime, "時報", 28},
    RowPlace{Row::ChimeSound, "時報の音色", 46},       RowPlace{Row::QuietHours, "鳴らさない時間", 38},
    RowPlace{Row::ClockSize, "時計の大きさ", 38},      RowPlace{Row::Opacity, "不透明度", 52},
    RowPlace{Row::ClickThrough, "クリック透過", 28},
};

inline constexpr int width = 410;
inline constexpr int firstRowTop = 36; // under the title strip
inline constexpr int headingLeft = 14;
inline constexpr int controlLeft = 130;
// The close button's face, under the last row at the right.
inline constexpr QSize closeButton{55, 40};
inline constexpr int closeMargin = 8;

constexpr int rowTop(Row row)
{
    int top = firstRowTop;
    for (std::size_t i = 0; i < std::size_t(row); ++i) {
        top += rows[i].height;
    }
    return top;
}

constexpr int rowsBottom()
{
    return rowTop(Row(rows.size() - 1)) + rows.back().height;
}

constexpr QSize windowSize()
{
    return {width, rowsBottom() + closeMargin + closeButton.height() + closeMargin};
}

static_assert(followsEnumOrder<&RowPlace::row>(rows), "the rows follow the order of Row");

} // namespace options_layout
