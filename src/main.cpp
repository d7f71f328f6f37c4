#include "clock/form1.h"
#include "platform/app_identity.h"
#include "platform/fonts.h"
#include "platform/qt_platform.h"
#include "platform/termination.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nekotokei"));
    // The clock is a tool window, which Qt does not count as a main window: closing the
    // last dialog must not end the program. Only the clock's own shut-down does.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(programIcon());
    installFontSubstitutions();

    QtPlatform platform;
    Form1 clock(platform);
    if (!clock.start()) {
        return 1;
    }
    closeOnTerminationRequest(&clock);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &clock, &Form1::savePosition);
    return QApplication::exec();
}
