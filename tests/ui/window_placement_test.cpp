#include "ui/window_placement.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowPlacement, KeepsAClockAQuarterVisibleAndBringsTheRestWhollyOnScreen)
{
    const ScreenArea primary{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}};
    const ScreenArea left{{-1280, 0, 1280, 1024}, {-1280, 0, 1280, 1024}};
    const ScreenArea laptop{{0, 0, 1280, 800}, {0, 0, 1280, 770}}; // a panel along the bottom
    const QSize clock(85, 115);
    struct Case
    {
        const char* name;
        QPoint stored;
        QList<ScreenArea> screens;
        QPoint expected;
    };
    const Case cases[] = {
        {"OnScreen", {512, 300}, {primary}, {512, 300}},
        {"PeekingFromTheTopLeft", {-40, -50}, {primary}, {-40, -50}}, // 30 % shows
        {"OnTheLeftScreen", {-800, 200}, {primary, left}, {-800, 200}},
        {"ThatScreenIsGone", {-800, 200}, {primary}, {0, 200}},
        {"FarRightAndBelow", {5000, 3000}, {primary}, {1835, 925}},
        {"OnePixelShows", {1919, 1079}, {primary}, {1835, 925}},
        {"FromALargerMonitor", {1250, 780}, {laptop}, {1195, 655}}, // 30 x 20 pixels of an ear
        {"HalfOffTheRightEdge", {1877, 500}, {primary}, {1877, 500}},
        {"JustUnderAQuarter", {-64, 500}, {primary}, {0, 500}},  // 21 of 85 columns
        {"JustOverAQuarter", {-63, 500}, {primary}, {-63, 500}}, // 22 of 85 columns
        {"MostlyOnTheLeftScreen", {-80, 1005}, {primary, left}, {-85, 909}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(placeOnScreens(QRect(c.stored, clock), c.screens), c.expected) << c.name;
    }
}

// A clock kept on the screen it was put on: at its place while that screen is there, at
// the corresponding place of the primary screen's free area while it is gone; as before
// where no screen is known.
TEST(WindowPlacement, AClockWhoseScreenIsGoneStandsAtTheCorrespondingPlace)
{
    const ScreenArea left{{0, 0, 1024, 768}, {0, 0, 1024, 740}}; // a panel along the bottom
    const ScreenArea right{{1024, 0, 1280, 1024}, {1024, 0, 1280, 1024}};
    const QSize clock(85, 115);
    struct Case
    {
        const char* name;
        QPoint home;
        QRect homeScreen;
        QList<ScreenArea> screens;
        Standing expected;
    };
    const Case cases[] = {
        {"ItsScreenIsThere", {2000, 600}, right.geometry, {left, right}, {{2000, 600}, false}},
        {"ItsScreenIsGone", {2000, 600}, right.geometry, {left}, {{767, 413}, true}},
        {"AtItsScreensTopLeft", {1024, 0}, right.geometry, {left}, {{0, 0}, true}},
        {"AtItsScreensBottomRight", {2219, 909}, right.geometry, {left}, {{939, 625}, true}},
        {"PeekingOffItsScreen", {2250, -40}, right.geometry, {left}, {{939, 0}, true}},
        {"ThePrimaryIsGone", {500, 300}, left.geometry, {right}, {{1660, 418}, true}},
        {"NoScreenKnown", {2000, 600}, QRect(), {left}, {{939, 600}, false}},
        {"NoScreenAtAll", {2000, 600}, right.geometry, {}, {{2000, 600}, false}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(standingOn(QRect(c.home, clock), c.homeScreen, c.screens), c.expected) << c.name;
    }
}

} // namespace
