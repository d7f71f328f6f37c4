#include "face/digital_readout.h"

#include "face/raster_ops.h"
#include "face/scaled_artwork.h"

namespace digital_readout {

const Strip* stripFor(designs::Readout readout)
{
    switch (readout) {
    case designs::Readout::Small:
        return &smallStrip;
    case designs::Readout::Large:
        return &largeStrip;
    case designs::Readout::None:
        break;
    }
    return nullptr;
}

QImage stripPicture(const Strip& strip, qreal scale)
{
    return scaled_artwork::load(strip.picture, scale);
}

Colon colonFor(ColonStyle colonStyle, int colonPhase)
{
    switch (colonStyle) {
    case ColonStyle::Steady:
        return Colon::Shown;
    case ColonStyle::Blinking:
        return colonPhase > 1 ? Colon::Blank : Colon::Shown;
    case ColonStyle::Hidden:
        break;
    }
    return Colon::NotDrawn;
}

void drawReadout(QImage& panel, ColourRef colour, const QImage& stripImage, const Strip& strip, int hour,
                 int minute, Colon colon)
{
    panel.fill(toQColor(colour).rgb());
    // Cells and places in the strip picture's pixels, to the nearest at scales between.
    const qreal s = stripImage.devicePixelRatio();
    const auto at = [s](int logical) {
        return qRound(logical * s);
    };
    const auto cell = [&](int x, int width) {
        return QRect(at(x), 0, at(x + width) - at(x), at(strip.cellHeight));
    };
    const int digits[4] = {hour / 10, hour % 10, minute / 10, minute % 10};
    const int places[4] = {strip.destinationX[0], strip.destinationX[1], strip.destinationX[3],
                           strip.destinationX[4]};
    for (int i = 0; i < 4; ++i) {
        raster_ops::andBlit(panel, QPoint(at(places[i]), 0), stripImage,
                            cell(strip.cellWidth * digits[i], strip.cellWidth));
    }
    if (colon != Colon::NotDrawn) {
        const int sourceX = colon == Colon::Shown ? strip.colonX : strip.blankX;
        raster_ops::andBlit(panel, QPoint(at(strip.destinationX[2]), 0), stripImage,
                            cell(sourceX, strip.colonWidth));
    }
}

} // namespace digital_readout
