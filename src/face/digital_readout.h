#pragma once

#include "core/artwork.h"
#include "core/colour.h"
#include "core/setting_values.h"
#include "face/designs.h"

#include <QImage>
#include <array>

// The digital read-out: four digits and a colon copied cell by cell from a digit
// strip (light glyphs on black) and AND-ed onto a panel filled with the read-out colour,
// so the glyphs take that colour on a black ground.
namespace digital_readout {

struct Strip
{
    const char* picture; // in the artwork catalogue
    QSize pictureSize;   // at 1x
    int cellWidth;       // of a digit; digit d starts at x = cellWidth * d
    int cellHeight;
    int colonX;
    int colonWidth;
    int blankX;                      // an all-black cell as wide as the colon
    std::array<int, 5> destinationX; // hour tens, hour units, colon, minute tens, minute units
    QSize panelSize;
};

inline constexpr Strip smallStrip{
    .picture = artwork::smallDigitStrip,
    .pictureSize = {130, 15},
    .cellWidth = 9,
    .cellHeight = 12,
    .colonX = 91,
    .colonWidth = 6,
    .blankX = 96,
    .destinationX = {0, 9, 18, 24, 33},
    .panelSize = {41, 12},
};
inline constexpr Strip largeStrip{
    .picture = artwork::largeDigitStrip,
    .pictureSize = {220, 25},
    .cellWidth = 16,
    .cellHeight = 23,
    .colonX = 159,
    .colonWidth = 12,
    .blankX = 168,
    .destinationX = {0, 16, 32, 44, 60},
    .panelSize = {76, 23},
};

// The strip's picture at `scale`, in the format the blits expect. The cells of a picture
// at 2x are twice as wide and high as the numbers above say; at the scales between and
// beyond, the 2x picture is smoothly scaled and the cells lie at the nearest pixels.
QImage stripPicture(const Strip& strip, qreal scale);

// The strip of a read-out size; nothing for an analog design.
const Strip* stripFor(designs::Readout readout);

enum class Colon
{
    Shown,
    Blank,
    NotDrawn
};

// A steady colon always shows; a blinking one follows the display tick's colon phase
// (shown in phases 0 and 1, blank in 2 and 3); a hidden one is not drawn.
Colon colonFor(ColonStyle colonStyle, int colonPhase);

// Draws hh:mm into `panel`: fills it with `colour`, then AND-s the digit cells and the
// colon cell at their places, in the pixels of the strip picture's scale (its device
// pixel ratio); the panel is drawn at that scale too. Allocates nothing.
void drawReadout(QImage& panel, ColourRef colour, const QImage& stripImage, const Strip& strip, int hour,
                 int minute, Colon colon);

} // namespace digital_readout
