#pragma once

#include "settings_store/colour.h"

#include <QImage>
#include <array>
#include <optional>

// The digital read-out: four digits and a colon copied cell by cell from a digit
// strip (light glyphs on black) and AND-ed onto a panel filled with the digital colour,
// so the glyphs take that colour on a black ground.
namespace digital_readout {

struct Strip
{
    int cellWidth; // of a digit; digit d starts at x = cellWidth * d
    int cellHeight;
    int colonX;
    int colonWidth;
    int blankX;                      // an all-black cell as wide as the colon
    std::array<int, 5> destinationX; // hour tens, hour units, colon, minute tens, minute units
};

// The small strip for types 1 and 2, the large one for type 6; nothing otherwise.
std::optional<Strip> stripFor(int type);

enum class Colon
{
    Shown,
    Blank,
    NotDrawn
};

// Colon mode 1 always shows the colon; mode 0 blinks it with the display tick counter
// (shown for counts 0 and 1, blank for 2 and 3); other modes draw nothing there.
Colon colonFor(int CoronON, int BlinkCnt);

// Draws hh:mm into `panel`: fills it with `colour`, then AND-s the digit cells and the
// colon cell at their places. Allocates nothing.
void DigiDraw(QImage& panel, ColourRef colour, const QImage& stripImage, const Strip& strip, int hour,
              int minute, Colon colon);

} // namespace digital_readout
