// The application icon: the black cat's face, at every size a launcher or tray asks for.
// The ladder reaches 256 pixels, so 2x screens take its larger sizes: no 2x versions.
#include "canvas.h"
#include "cat.h"
#include "catalogue.h"
#include "core/artwork.h"

namespace {

// Drawn on a 32-unit square and scaled, so that every size shows the same face.
QImage icon(int size)
{
    QImage art = newCanvas(QSize(size, size), 1);
    Pen p(&art);
    p.scale(size / 32.0, size / 32.0);
    cat::drawHead(p, {QRectF(1.5, 9.0, 29.0, 21.5), 8.0, {0.0, 0.05}, 1.4, false}, cat::black());
    p.end();
    return art;
}

} // namespace

void addIcons(Catalogue& catalogue)
{
    for (const int size : artwork::iconSizes) {
        catalogue.addOneSize(artwork::icon(size), icon(size).convertToFormat(QImage::Format_ARGB32));
    }
}
