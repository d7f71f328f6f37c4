#include "face/hand_geometry.h"

#include <cmath>

namespace {

// The clock has always used this value, not the full-precision pi.
constexpr double clockPi = 3.14159265;

} // namespace

QPointF handTip(QPointF centre, double length, double angle)
{
    const double radians = (90 - angle) * clockPi / 180;
    const double x = centre.x() + length * std::cos(radians);
    const double y = centre.y() - length * std::sin(radians);
    return QPointF(static_cast<float>(x), static_cast<float>(y));
}
