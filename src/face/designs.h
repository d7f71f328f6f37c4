#pragma once

#include "core/setting_values.h"
#include "face/face_layout.h"
#include "face/hand_geometry.h"

#include <QImage>
#include <QRgb>
#include <QSize>
#include <array>
#include <optional>

// The seven cat designs. The index is the stored design number; each design is a
// whole clock face: analog (hands drawn over the picture) or digital (a digit panel).
// The clock draws by this table, and the artwork is drawn to it and tested against it.
namespace designs {

inline constexpr int count = DesignIndex::count;

// The digit strip of a digital design's read-out.
enum class Readout
{
    None, // analog
    Small,
    Large
};

struct Design
{
    const char* name;                    // as the chooser and the settings window show it
    QSize size;                          // of the picture, and so of the clock window
    QRgb key;                            // the picture's background colour, cut away by the outline
    std::optional<HandGeometry> hands{}; // analog designs
    Readout readout = Readout::None;
    face_layout::Layout layout;
};

// Every design, by its stored number.
const std::array<Design, count>& all();

// The design of a stored number, nothing for a number outside the table.
const Design* find(DesignIndex index);

bool isAnalog(DesignIndex index);
bool isDigital(DesignIndex index);

// The full-size picture of a design, from the program's embedded artwork, at `scale`
// (its device pixel ratio): the picture as drawn at 1x and 2x, the 2x one smoothly scaled
// at any other scale, its key covered along the figure first so that none of it blends
// into the figure's edge.
QImage picture(DesignIndex index, qreal scale);

// The scale a clock of `size` is drawn at on a screen of this device pixel ratio: the
// screen's own pictures at the designed size, as every window shows them, and otherwise
// the screen's scale times the size.
qreal drawingScale(qreal devicePixelRatio, ClockSize size);

} // namespace designs
