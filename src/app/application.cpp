#include "app/application.h"

#include "platform/app_identity.h"
#include "platform/desktop_shell.h"
#include "platform/fonts.h"
#include "platform/settings_location.h"
#include "platform/termination.h"
#include "platform/translations.h"
#include "ui/accessible_clock.h"
#include "ui/notice_texts.h"
#include "ui/questions.h"
#include "widgets/accessible_widgets.h"

#include <QApplication>

Application::Application(const Desktop& desktop)
    : desktop_(desktop), model_(desktop.folders.settings), sounds_(desktop.sound),
      clockWindow_(model_, desktop.shell),
      heartbeat_(model_, clockWindow_, desktop.clock, desktop.clockWatch),
      dialogs_(model_, desktop, sounds_, clockWindow_), menu_(model_, dialogs_),
      trayIcon_(model_, desktop.shell, menu_.menu())
{
    // The clock is a tool window, which Qt does not count as a main window: closing the
    // last dialog must not end the program. Only the clock's own shut-down does.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(programIcon());
    installFontSubstitutions();
    installQtTranslations();
    accessibility::install();
    accessible_clock::install();

    // The clock sleeps until its next beat: what a setting changes is shown at once.
    for (const auto changed :
         {&ClockModel::handColoursChanged, &ClockModel::readoutColourChanged, &ClockModel::secondHandChanged,
          &ClockModel::colonStyleChanged, &ClockModel::alarmsChanged}) {
        QObject::connect(&model_, changed, &heartbeat_, &ClockHeartbeat::showNow);
    }
    QObject::connect(&clockWindow_, &ClockWindow::pictureChanged, &heartbeat_, &ClockHeartbeat::showNow);

    QObject::connect(&clockWindow_, &ClockWindow::menuRequested, &menu_, &ClockMenu::open);
    QObject::connect(&trayIcon_, &TrayIcon::menuRequested, &menu_,
                     [this](QPoint at, DesktopShell::TrayPress press) {
                         if (press == DesktopShell::TrayPress::Left) {
                             clockWindow_.comeForward();
                         }
                         menu_.open(at, MenuOpening::Pointer);
                     });
    QObject::connect(&menu_, &ClockMenu::quitChosen, &clockWindow_, [this] { quit(); });
    QObject::connect(&clockWindow_, &ClockWindow::closing, &dialogs_, [this] { shutDown(true); });

    QObject::connect(&model_, &ClockModel::alarmRang, &dialogs_, [this](const Alarm& alarm) {
        sounds_.alarmRang(alarm);
        if (alarm.showsMessage) {
            dialogs_.showMessage(notice_text::alarmRang(alarm), Dialogs::Notice::AlarmRang);
        }
    });
    QObject::connect(&model_, &ClockModel::alarmsMissed, &dialogs_,
                     [this](const std::vector<ClockModel::MissedAlarm>& missed) {
                         dialogs_.showMessage(notice_text::alarmsMissed(missed),
                                              Dialogs::Notice::AlarmsMissed);
                     });
    QObject::connect(&model_, &ClockModel::hourChimed, &dialogs_,
                     [this] { sounds_.hourChimed(model_.chime()); });
    QObject::connect(&model_, &ClockModel::settingsNotSaved, &dialogs_, [this](const FileFailure& failure) {
        desktop_.questions.showMessage(notice_text::settingsNotSaved(failure));
    });
    QObject::connect(&model_, &ClockModel::alarmsNotRead, &dialogs_, [this](const FileFailure& failure) {
        desktop_.questions.showMessage(notice_text::alarmsNotRead(failure));
    });
    QObject::connect(&model_, &ClockModel::alarmTimeNotRead, &dialogs_,
                     [this](const alarm_file::UnreadableTime& unreadable) {
                         desktop_.questions.showMessage(notice_text::alarmTimeNotRead(unreadable));
                     });
    QObject::connect(&model_, &ClockModel::alarmsNotSaved, &dialogs_, [this](const FileFailure& failure) {
        desktop_.questions.showMessage(notice_text::alarmsNotSaved(failure));
    });
    QObject::connect(&model_, &ClockModel::optionsNotRead, &dialogs_, [this](const FileFailure& failure) {
        desktop_.questions.showMessage(notice_text::optionsNotRead(failure));
    });
}

bool Application::start()
{
    // A first start in the user's settings folder brings the shipped defaults there.
    if (const auto failure =
            settings_location::fillMissingSettings(desktop_.folders.settings, desktop_.folders.data)) {
        desktop_.questions.showMessage(notice_text::settingsNotPrepared(*failure));
        return false;
    }
    if (const std::optional<SettingsLoadFailure> failure = model_.load()) {
        desktop_.questions.showMessage(notice_text::settingsNotLoaded(*failure));
        return false;
    }
    // Asked to end as soon as the clock shows, the clock still writes its position.
    closeOnTerminationRequest(&clockWindow_);
    clockWindow_.start();
    heartbeat_.start();
    menu_.showEntries();
    trayIcon_.update();
    // The session is ending: nobody may be there to answer a message box.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &clockWindow_,
                     &ClockWindow::savePositionAtExit);
    return true;
}

void Application::quit()
{
    clockWindow_.savePositionAtExit();
    shutDown(false);
    clockWindow_.close();
}

void Application::shutDown(bool writePosition)
{
    if (shutDown_) {
        return;
    }
    shutDown_ = true;
    heartbeat_.stop();
    clockWindow_.clearMask();
    trayIcon_.remove();
    if (writePosition) {
        clockWindow_.savePositionAtExit();
    }
    sounds_.stop();
    // The dialogs go with the clock; they close without their own closing steps.
    dialogs_.closeAll();
    QCoreApplication::quit();
}
