#pragma once

#include "core/colour.h"
#include "core/local_time.h"
#include "face/hand_geometry.h"

#include <QPainter>
#include <QPen>
#include <array>

// The colours of the three hands.
struct HandColours
{
    ColourRef hour;
    ColourRef minute;
    ColourRef second;
};

// Draws an analog face's hands: straight lines from the centre, hour then minute then
// second on top. The clock and the hand colour window's small face both draw with it.
// Its pens are kept between calls, so a redraw with unchanged colours allocates nothing.
class HandPainter
{
public:
    void draw(QPainter& painter, const HandGeometry& geometry, const HandColours& colours,
              const LocalTime& time, bool withSecondHand);

private:
    std::array<QPen, 3> pens_;
};
