#pragma once

#include <QPointF>
#include <QSize>
#include <cmath>

// Whether a pointer position, in a control's own coordinates, lies on the control:
// the left and top edges count as inside, the right and bottom edges as outside.
inline bool containsPointer(const QSize& control, const QPointF& position)
{
    const long x = std::lround(position.x());
    const long y = std::lround(position.y());
    return x >= 0 && y >= 0 && x < control.width() && y < control.height();
}
