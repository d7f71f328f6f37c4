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

// The full-size picture of a design, from the program's embedded artwork, drawn at
// `scale` (1 or 2; the 2x picture has a device pixel ratio of 2).
QImage picture(DesignIndex index, int scale);

} // namespace designs
