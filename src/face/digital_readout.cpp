#include "face/digital_readout.h"

#include "face/raster_ops.h"

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

QImage stripPicture(const Strip& strip, int scale)
{
    return QImage(artwork::resource(artwork::atScale(strip.picture, scale)))
        .convertToFormat(QImage::Format_RGB32);
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
    const int s = int(stripImage.devicePixelRatio());
    const int digits[4] = {hour / 10, hour % 10, minute / 10, minute % 10};
    const int places[4] = {strip.destinationX[0], strip.destinationX[1], strip.destinationX[3],
                           strip.destinationX[4]};
    for (int i = 0; i < 4; ++i) {
        raster_ops::andBlit(
            panel, QPoint(places[i] * s, 0), stripImage,
            QRect(strip.cellWidth * digits[i] * s, 0, strip.cellWidth * s, strip.cellHeight * s));
    }
    if (colon != Colon::NotDrawn) {
        const int sourceX = colon == Colon::Shown ? strip.colonX : strip.blankX;
        raster_ops::andBlit(panel, QPoint(strip.destinationX[2] * s, 0), stripImage,
                            QRect(sourceX * s, 0, strip.colonWidth * s, strip.cellHeight * s));
    }
}

} // namespace digital_readout
