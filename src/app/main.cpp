#include "app/application.h"
#include "app/command_line.h"
#include "app/display_platform.h"
#include "platform/app_identity.h"
#include "platform/qt_desktop_shell.h"
#include "platform/settings_location.h"
#include "platform/single_instance.h"
#include "platform/system_clock.h"
#include "platform/system_clock_watch.h"
#include "platform/system_sound.h"
#include "ui/qt_questions.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    nameApplication();
    // Answered before any window system is touched, so that it works without a display.
    if (const std::optional<int> exitCode = answerCommandLine(argc, argv)) {
        return *exitCode;
    }
    QtDesktopShell::prepareProcess();
    const std::unique_ptr<QApplication> display = openDisplay(argc, argv);
    const ProgramFolders folders = settings_location::programFolders();
    // A second start for the same folder opens the running clock's settings window and
    // ends, touching no file.
    SingleInstance instance(folders.settings);
    if (!instance.claim()) {
        return 0;
    }
    SystemClock clock;
    const std::unique_ptr<ClockWatch> clockWatch = makeSystemClockWatch();
    const std::unique_ptr<SoundOutput> sound = makeSystemSound();
    QtDesktopShell shell;
    QtQuestions questions;
    Application application(Desktop{clock, *clockWatch, *sound, shell, questions, folders});
    QObject::connect(&instance, &SingleInstance::comeForwardRequested,
                     [&application] { application.dialogs().answerAnotherStart(); });
    if (!application.start()) {
        return 1;
    }
    return QApplication::exec();
}
