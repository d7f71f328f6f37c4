#include "ui/window_placement.h"

#include <algorithm>

namespace {

long long area(const QRect& rect)
{
    return rect.isEmpty() ? 0 : (long long)rect.width() * rect.height();
}

} // namespace

QPoint placeOnScreens(const QRect& stored, const QList<ScreenArea>& screens)
{
    if (screens.isEmpty()) {
        return stored.topLeft();
    }
    const ScreenArea* best = &screens.front();
    long long shown = 0;
    for (const ScreenArea& screen : screens) {
        const long long overlap = area(screen.geometry.intersected(stored));
        if (overlap > shown) {
            shown = overlap;
            best = &screen;
        }
    }
    if (shown * 4 >= area(stored)) {
        return stored.topLeft();
    }
    return keptInside(stored, best->available.isEmpty() ? best->geometry : best->available);
}

QPoint keptInside(const QRect& window, const QRect& area)
{
    const int maxLeft = std::max(area.left(), area.right() + 1 - window.width());
    const int maxTop = std::max(area.top(), area.bottom() + 1 - window.height());
    return QPoint(std::clamp(window.left(), area.left(), maxLeft),
                  std::clamp(window.top(), area.top(), maxTop));
}
