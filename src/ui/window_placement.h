#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// Where a window stored at `stored` opens: unchanged when any part of it lies on one of
// the screens (left of or above the primary screen included), otherwise moved just far
// enough to lie wholly inside the primary screen's available area.
QPoint placeOnScreens(const QRect& stored, const QList<QRect>& screens, const QRect& primaryAvailable);
