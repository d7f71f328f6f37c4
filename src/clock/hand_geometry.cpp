#include "clock/hand_geometry.h"

#include <cmath>

namespace {

// The clock has always used this value, not the full-precision pi.
constexpr double clockPi = 3.14159265;

} // namespace

std::optional<HandGeometry> handGeometryFor(int type)
{
    switch (type) {
    case 0:
    case 3:
        return HandGeometry{42, 64, 14, 22, 20, 3, 2, 1};
    case 4:
    case 5:
        return HandGeometry{45, 45, 22, 32, 30, 4, 3, 2};
    default:
        return std::nullopt;
    }
}

QPointF handTip(QPointF centre, double length, double angle)
{
    const double radians = (90 - angle) * clockPi / 180;
    const double x = centre.x() + length * std::cos(radians);
    const double y = centre.y() - length * std::sin(radians);
    return QPointF(static_cast<float>(x), static_cast<float>(y));
}
