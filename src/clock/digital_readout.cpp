#include "clock/digital_readout.h"

#include "clock/raster_ops.h"

namespace digital_readout {

std::optional<Strip> stripFor(int type)
{
    switch (type) {
    case 1:
    case 2:
        return Strip{9, 12, 91, 6, 96, {0, 9, 18, 24, 33}};
    case 6:
        return Strip{16, 23, 159, 12, 168, {0, 16, 32, 44, 60}};
    default:
        return std::nullopt;
    }
}

Colon colonFor(int CoronON, int BlinkCnt)
{
    if (CoronON == 1) {
        return Colon::Shown;
    }
    if (CoronON == 0) {
        return BlinkCnt > 1 ? Colon::Blank : Colon::Shown;
    }
    return Colon::NotDrawn;
}

void DigiDraw(QImage& panel, ColourRef colour, const QImage& stripImage, const Strip& strip, int hour,
              int minute, Colon colon)
{
    panel.fill(toQColor(colour).rgb());
    const int digits[4] = {hour / 10, hour % 10, minute / 10, minute % 10};
    const int places[4] = {strip.destinationX[0], strip.destinationX[1], strip.destinationX[3],
                           strip.destinationX[4]};
    for (int i = 0; i < 4; ++i) {
        raster_ops::andBlit(panel, QPoint(places[i], 0), stripImage,
                            QRect(strip.cellWidth * digits[i], 0, strip.cellWidth, strip.cellHeight));
    }
    if (colon != Colon::NotDrawn) {
        const int sourceX = colon == Colon::Shown ? strip.colonX : strip.blankX;
        raster_ops::andBlit(panel, QPoint(strip.destinationX[2], 0), stripImage,
                            QRect(sourceX, 0, strip.colonWidth, strip.cellHeight));
    }
}

} // namespace digital_readout
