#pragma once

#include "catalogue.h"

// Contact sheets for looking at the artwork; they are not part of it.
namespace sheet {

// Every picture at 100 %, labelled with its path.
QImage contactSheet(const Catalogue& catalogue);

// The cat designs at 4x, to check edges pixel by pixel; with the layout on, the
// places the clock draws on are outlined over them.
QImage designZoom(const Catalogue& catalogue, bool withLayout);

} // namespace sheet
