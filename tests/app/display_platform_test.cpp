#include "app/display_platform.h"

#include <gtest/gtest.h>

namespace {

TEST(DisplayPlatform, X11WhereTheSessionOffersItUnlessTheUserChose)
{
    struct Case
    {
        const char* what;
        DisplayEnvironment environment;
        QByteArray chosen;
    };
    const Case cases[] = {
        {"X11 session", {"", "x11", "", ":0"}, ""},
        {"Wayland session with XWayland", {"", "wayland", "wayland-0", ":0"}, "xcb"},
        {"Wayland socket without a session type", {"", "", "wayland-1", ":1"}, "xcb"},
        {"Wayland alone", {"", "wayland", "wayland-0", ""}, "wayland"},
        {"the user chose Wayland", {"wayland", "wayland", "wayland-0", ":0"}, ""},
        {"the user chose offscreen", {"offscreen", "", "", ""}, ""},
        {"no display at all", {"", "tty", "", ""}, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(displayPlatformFor(c.environment), c.chosen) << c.what;
    }
}

} // namespace
