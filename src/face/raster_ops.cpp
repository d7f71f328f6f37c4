#include "face/raster_ops.h"

namespace raster_ops {

namespace {

template <typename Combine>
void blit(QImage& destination, QPoint at, const QImage& source, const QRect& sourceRect, Combine combine)
{
    const QRect target = QRect(at, sourceRect.size()).intersected(destination.rect());
    for (int y = target.top(); y <= target.bottom(); ++y) {
        const int sourceY = sourceRect.top() + (y - at.y());
        if (sourceY < 0 || sourceY >= source.height()) {
            continue;
        }
        auto* out = reinterpret_cast<QRgb*>(destination.scanLine(y));
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(sourceY));
        for (int x = target.left(); x <= target.right(); ++x) {
            const int sourceX = sourceRect.left() + (x - at.x());
            if (sourceX >= 0 && sourceX < source.width()) {
                // Only the colour bits take part; the pixel stays opaque.
                out[x] = (combine(out[x], in[sourceX]) & 0x00FFFFFFu) | 0xFF000000u;
            }
        }
    }
}

} // namespace

void andBlit(QImage& destination, QPoint at, const QImage& source, const QRect& sourceRect)
{
    blit(destination, at, source, sourceRect, [](QRgb d, QRgb s) { return d & s; });
}

void xorBlit(QImage& destination, QPoint at, const QImage& source, const QRect& sourceRect)
{
    blit(destination, at, source, sourceRect, [](QRgb d, QRgb s) { return d ^ s; });
}

} // namespace raster_ops
