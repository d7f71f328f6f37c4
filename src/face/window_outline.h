#pragma once

#include <QImage>
#include <QRegion>
#include <vector>

// The clock window takes the outline of its picture: every pixel with the colour of
// the top-left pixel is transparent, every other pixel belongs to the window.
namespace window_outline {

// One horizontal run of opaque pixels: x1 is its first column, x2 the column after
// its last, y its row.
struct Run
{
    int x1;
    int y;
    int x2;

    friend bool operator==(const Run&, const Run&) = default;
};

// The runs of pixels that differ from keyColour, row by row, left to right.
std::vector<Run> scanPictureRuns(const QImage& picture, QRgb keyColour);

// The union of the runs, each a rectangle one pixel high.
QRegion runsToRegion(const std::vector<Run>& runs);

// The picture with the key pixels along its figure, `depth` pixels deep, in the colours
// of the figure beside them. Only the figure shows inside the outline, but a screen that
// scales the picture smoothly blends neighbouring pixels: so no key colour seeps into
// the edge of the figure.
QImage coverKeyAlongOutline(const QImage& picture, int depth);

// The outline of a picture keyed by its top-left pixel, in logical pixels. A 2x picture
// keys exactly the pixels of its 1x picture blown up, so its outline is read from one
// pixel of each 2 x 2 block: the outline is the same at every scale.
QRegion outlineOf(const QImage& picture);
// The same outline cut at another size: each pixel of `size` is in where the picture's
// pixel under its middle is.
QRegion outlineOf(const QImage& picture, QSize size);

} // namespace window_outline
