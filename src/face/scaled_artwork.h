#pragma once

#include <QImage>
#include <QString>

// The catalogue's pictures at any scale the clock is drawn at. At 1x and 2x they are the
// pictures as drawn; between and beyond, the 2x picture smoothly scaled, so that a clock
// made larger than its screen's scale still shows its artwork's detail.
namespace scaled_artwork {

// Whether the catalogue has the picture drawn at this scale.
bool isDrawnAt(qreal scale);

// The picture, keeping its logical size, at `scale`: an image of that size times the
// scale (rounded) with `scale` as its device pixel ratio. A picture already at that
// scale comes back as it is.
QImage scaled(const QImage& picture, qreal scale);

// A catalogue picture at `scale`, in RGB32.
QImage load(const char* path, qreal scale);

} // namespace scaled_artwork
