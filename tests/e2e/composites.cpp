// Says whether the program finds the desktop composing its windows, as the options window
// asks before it says the clock cannot be seen through: prints "composites" or "does not".
#include "platform/this_system.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    std::puts(this_system::composites() ? "composites" : "does not");
    return 0;
}
