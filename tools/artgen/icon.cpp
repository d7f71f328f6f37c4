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

// Straight alpha, pixel by pixel: Qt's own conversion takes a different vector path on
// different processors, and rounds a few edge pixels differently on each.
QImage unpremultiplied(const QImage& premultiplied)
{
    QImage straight(premultiplied.size(), QImage::Format_ARGB32);
    for (int y = 0; y < premultiplied.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(premultiplied.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(straight.scanLine(y));
        for (int x = 0; x < premultiplied.width(); ++x) {
            to[x] = qUnpremultiply(from[x]);
        }
    }
    return straight;
}

} // namespace

void addIcons(Catalogue& catalogue)
{
    for (const int size : artwork::iconSizes) {
        catalogue.addOneSize(artwork::icon(size), unpremultiplied(icon(size)));
    }
}
