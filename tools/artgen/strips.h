#pragma once

#include <QPainterPath>
#include <QRectF>

// The read-out's digit shapes: the centre line of a digit 0..9 filling a box, to be
// stroked with round ends. The strips use them, and so do pictures showing a read-out.
QPainterPath digitPath(int digit, const QRectF& box);
