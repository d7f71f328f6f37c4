#include "ui/window_placement.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowPlacement, KeepsPositionsOnAScreenAndBringsLostWindowsBack)
{
    const QRect primary(0, 0, 1920, 1080);
    const QRect primaryAvailable(0, 0, 1920, 1040);
    const QRect left(-1280, 0, 1280, 1024);
    const QSize clock(85, 115);
    struct Case
    {
        QPoint stored;
        QList<QRect> screens;
        QPoint expected;
    };
    const Case cases[] = {
        {{512, 300}, {primary}, {512, 300}},         // plainly on screen
        {{-40, -50}, {primary}, {-40, -50}},         // partly above and left of the primary screen
        {{-800, 200}, {primary, left}, {-800, 200}}, // on a screen left of the primary one
        {{-800, 200}, {primary}, {0, 200}},          // that screen is gone
        {{5000, 3000}, {primary}, {1835, 925}},      // far right and below
        {{1919, 1079}, {primary}, {1919, 1079}},     // one pixel still shows
        {{1920, 500}, {primary}, {1835, 500}},       // just off the right edge
        {{100, -115}, {primary}, {100, 0}},          // just above the top edge
    };
    for (const Case& c : cases) {
        EXPECT_EQ(placeOnScreens(QRect(c.stored, clock), c.screens, primaryAvailable), c.expected)
            << c.stored.x() << "," << c.stored.y();
    }
}

} // namespace
