#pragma once

#include <QImage>

// Bitwise combinations of a source rectangle into a destination image, the way the
// digit strips and the bell sprite are meant to be used: AND keeps only what both
// have, XOR inverts where the source is light. Both images are RGB32; the parts that
// fall outside the destination are left out. Nothing is allocated.
namespace raster_ops {

void andBlit(QImage& destination, QPoint at, const QImage& source, const QRect& sourceRect);
void xorBlit(QImage& destination, QPoint at, const QImage& source, const QRect& sourceRect);

} // namespace raster_ops
