#pragma once

#include "widgets/kept_inside.h"

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

// Where a window at `window` on a screen at `from` goes on a screen at `to` (their free
// areas, say): at the same place relative to the screen, its left edge as far along the
// room left beside it, and so its top, wholly inside `to`.
QPoint correspondingPlace(const QRect& window, const QRect& from, const QRect& to);

// Where a clock whose own place is `home` stands on `screens` (the primary first), given
// the screen its place lies on (`homeScreen`, empty where none is known): at its place
// (as placeOnScreens has it) while that screen is there, or where none is known; else,
// `away` from it, at the corresponding place in the free area of the primary screen.
struct Standing
{
    QPoint at;
    bool away = false;

    friend bool operator==(const Standing&, const Standing&) = default;
};
Standing standingOn(const QRect& home, const QRect& homeScreen, const QList<ScreenArea>& screens);
