#pragma once

#include <QPoint>
#include <QRect>

// Where `window` goes to lie wholly inside `area`, moved as little as it can be: a window
// larger than the area keeps its left or top edge at the area's.
QPoint keptInside(const QRect& window, const QRect& area);
