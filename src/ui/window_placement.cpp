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
    const QRect& free = best->available.isEmpty() ? best->geometry : best->available;
    const int maxLeft = std::max(free.left(), free.right() + 1 - stored.width());
    const int maxTop = std::max(free.top(), free.bottom() + 1 - stored.height());
    return QPoint(std::clamp(stored.left(), free.left(), maxLeft),
                  std::clamp(stored.top(), free.top(), maxTop));
}
