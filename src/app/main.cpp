#include "app/application.h"
#include "app/command_line.h"
#include "app/display_platform.h"
#include "platform/app_identity.h"
#include "platform/qt_platform.h"
#include "platform/single_instance.h"

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
    // A second start for the same folder brings the running clock forward and ends,
    // touching no file.
    SingleInstance instance(platform.settingsFolder());
    if (!instance.claim()) {
        return 0;
    }
    Application application(platform);
    QObject::connect(&instance, &SingleInstance::comeForwardRequested,
                     [&application] { application.dialogs().bringForward(); });
    if (!application.start()) {
        return 1;
    }
    return QApplication::exec();
}
