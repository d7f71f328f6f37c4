#include "ui/window_placement.h"

#include <algorithm>

QPoint placeOnScreens(const QRect& stored, const QList<QRect>& screens, const QRect& primaryAvailable)
{
    const bool visible = std::any_of(screens.begin(), screens.end(),
                                     [&](const QRect& screen) { return screen.intersects(stored); });
    if (visible || primaryAvailable.isEmpty()) {
        return stored.topLeft();
    }
    const int maxLeft = std::max(primaryAvailable.left(), primaryAvailable.right() + 1 - stored.width());
    const int maxTop = std::max(primaryAvailable.top(), primaryAvailable.bottom() + 1 - stored.height());
    return QPoint(std::clamp(stored.left(), primaryAvailable.left(), maxLeft),
                  std::clamp(stored.top(), primaryAvailable.top(), maxTop));
}
