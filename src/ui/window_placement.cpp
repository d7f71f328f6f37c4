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

QPoint correspondingPlace(const QRect& window, const QRect& from, const QRect& to)
{
    // How far along the room beside it an edge lies, 0 to 1.
    const auto along = [](int offset, int room) {
        return room > 0 ? std::clamp(double(offset) / room, 0.0, 1.0) : 0.0;
    };
    const double x = along(window.left() - from.left(), from.width() - window.width());
    const double y = along(window.top() - from.top(), from.height() - window.height());
    const QPoint place(to.left() + qRound(x * (to.width() - window.width())),
                       to.top() + qRound(y * (to.height() - window.height())));
    return keptInside(QRect(place, window.size()), to);
}

Standing standingOn(const QRect& home, const QRect& homeScreen, const QList<ScreenArea>& screens)
{
    const bool gone = !homeScreen.isEmpty() && !screens.isEmpty() &&
                      std::none_of(screens.begin(), screens.end(),
                                   [&](const ScreenArea& screen) { return screen.geometry == homeScreen; });
    if (!gone) {
        return {placeOnScreens(home, screens), false};
    }
    const ScreenArea& remaining = screens.front();
    return {correspondingPlace(home, homeScreen,
                               remaining.available.isEmpty() ? remaining.geometry : remaining.available),
            true};
}
