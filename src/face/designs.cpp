#include "face/designs.h"

#include "core/artwork.h"
#include "face/digital_readout.h"
#include "face/scaled_artwork.h"
#include "face/window_outline.h"

namespace designs {

namespace {

using enum face_layout::Text;
using digital_readout::largeStrip;
using digital_readout::smallStrip;
using face_layout::bellSize;
using face_layout::TextColour;

// The backgrounds the outline cuts away.
constexpr QRgb magenta = 0xFFFF00FF;
constexpr QRgb softMagenta = 0xFFFE01FE;

constexpr HandGeometry smallHands{.centre = {42, 64}, .hour = {14, 3}, .minute = {22, 2}, .second = {20, 1}};
constexpr HandGeometry largeHands{.centre = {45, 45}, .hour = {22, 4}, .minute = {32, 3}, .second = {30, 2}};

constexpr std::array<Design, count> table{{
    {
        .name = "Type A04",
        .size = {85, 115},
        .key = softMagenta,
        .hands = smallHands,
        .layout = {.colour = TextColour::Light,
                   .first = DateWithWeekday,
                   .firstAt = {4, 105},
                   .second = AmPm,
                   .secondAt = {2, 95},
                   .bell = QPoint(15, 96)},
    },
    {
        .name = "Type A02",
        .size = {85, 105},
        .key = magenta,
        .readout = Readout::Small,
        .layout = {.panel = {QPoint(23, 61), smallStrip.panelSize}, .bellBox = {39, 51, bellSize, bellSize}},
    },
    {
        .name = "Type A03",
        .size = {85, 105},
        .key = magenta,
        .readout = Readout::Small,
        .layout = {.colour = TextColour::DigitalColour,
                   .first = MonthDay,
                   .firstAt = {24, 71},
                   .second = Weekday,
                   .secondAt = {54, 71},
                   .panel = {QPoint(23, 58), smallStrip.panelSize},
                   .bellBox = {40, 81, bellSize, bellSize}},
    },
    {
        .name = "Type A01",
        .size = {85, 104},
        .key = softMagenta,
        .hands = smallHands,
        .layout = {.bell = QPoint(9, 92)},
    },
    {
        .name = "Type B01",
        .size = {115, 90},
        .key = softMagenta,
        .hands = largeHands,
        .layout = {.colour = TextColour::Light, .bell = QPoint(10, 79)},
    },
    {
        .name = "Type B02",
        .size = {115, 100},
        .key = softMagenta,
        .hands = largeHands,
        .layout = {.colour = TextColour::Light,
                   .first = DateWithWeekday,
                   .firstAt = {34, 89},
                   .second = AmPm,
                   .secondAt = {6, 89},
                   .bell = QPoint(21, 90)},
    },
    {
        .name = "Type B03",
        .size = {115, 82},
        .key = softMagenta,
        .readout = Readout::Large,
        .layout = {.colour = TextColour::DigitalColour,
                   .first = Date,
                   .firstAt = {12, 52},
                   .second = Weekday,
                   .secondAt = {73, 51},
                   .panel = {QPoint(5, 24), largeStrip.panelSize},
                   .bellBox = {3, 53, bellSize, bellSize}},
    },
}};

} // namespace

const std::array<Design, count>& all()
{
    return table;
}

const Design* find(DesignIndex index)
{
    return index.number >= 0 && index.number < count ? &table[std::size_t(index.number)] : nullptr;
}

bool isAnalog(DesignIndex index)
{
    const Design* design = find(index);
    return design && design->hands;
}

bool isDigital(DesignIndex index)
{
    const Design* design = find(index);
    return design && design->readout != Readout::None;
}

QImage picture(DesignIndex index, qreal scale)
{
    const int drawnAt = artwork::pictureScale(scale);
    QImage drawn = QImage(artwork::resource(artwork::atScale(artwork::designPicture(index.number), drawnAt)))
                       .convertToFormat(QImage::Format_RGB32);
    if (scaled_artwork::isDrawnAt(scale)) {
        return drawn;
    }
    // Two pixels of the 2x picture reach past the outline's pixels at any scale from 1x up.
    QImage covered = window_outline::coverKeyAlongOutline(drawn, 2);
    covered.setDevicePixelRatio(drawnAt);
    return scaled_artwork::scaled(covered, scale).convertToFormat(QImage::Format_RGB32);
}

qreal drawingScale(qreal devicePixelRatio, ClockSize size)
{
    return size == ClockSize{} ? artwork::pictureScale(devicePixelRatio) : devicePixelRatio * size.factor();
}

} // namespace designs
