#include "app/application.h"
#include "app/command_line.h"
#include "app/display_platform.h"
#include "platform/app_identity.h"
#include "platform/qt_platform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    nameApplication();
    // Answered before any window system is touched, so that it works without a display.
    if (const std::optional<int> exitCode = answerCommandLine(argc, argv)) {
        return *exitCode;
    }
    QtPlatform::prepareProcess();
    const std::unique_ptr<QApplication> display = openDisplay(argc, argv);
    QtPlatform platform;
    Application application(platform);
    if (!application.start()) {
        return 1;
    }
    return QApplication::exec();
}
