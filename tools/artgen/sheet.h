#pragma once

#include "catalogue.h"

// Contact sheets for looking at the artwork; they are not part of it.
namespace sheet {

// Every picture of a scale (1 or 2) pixel for pixel, labelled with its path.
QImage contactSheet(const Catalogue& catalogue, int scale);

// The cat designs of a scale enlarged to four times their 1x size, to check edges pixel
// by pixel; with the layout on, the places the clock draws on are outlined over them.
QImage designZoom(const Catalogue& catalogue, bool withLayout, int scale);

} // namespace sheet
