#include "widgets/kept_inside.h"

#include <algorithm>

QPoint keptInside(const QRect& window, const QRect& area)
{
    const int maxLeft = std::max(area.left(), area.right() + 1 - window.width());
    const int maxTop = std::max(area.top(), area.bottom() + 1 - window.height());
    return QPoint(std::clamp(window.left(), area.left(), maxLeft),
                  std::clamp(window.top(), area.top(), maxTop));
}
