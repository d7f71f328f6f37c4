#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// A screen as the placement sees it: all of it, and the part panels leave free.
struct ScreenArea
{
    QRect geometry;
    QRect available;
};

// Where a window stored at `stored` opens. Where at least a quarter of it shows on one
// of the screens (a cat peeking in from an edge on purpose), exactly where it was;
// otherwise wholly inside the free area of the screen it overlaps most, or of the first
// (primary) screen when it overlaps none.
QPoint placeOnScreens(const QRect& stored, const QList<ScreenArea>& screens);

// Where `window` goes to lie wholly inside `area`, moved as little as it can be: a window
// larger than the area keeps its left or top edge at the area's.
QPoint keptInside(const QRect& window, const QRect& area);
