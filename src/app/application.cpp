#include "app/application.h"

#include "platform/app_identity.h"
#include "platform/fonts.h"
#include "platform/platform.h"
#include "platform/settings_location.h"
#include "platform/termination.h"
#include "platform/translations.h"
#include "ui/notice_texts.h"

#include <QApplication>

Application::Application(Platform& platform)
    : platform_(platform), model_(platform), clockWindow_(model_, platform),
      dialogs_(model_, platform, clockWindow_), menu_(platform, dialogs_)
{
    // The clock is a tool window, which Qt does not count as a main window: closing the
    // last dialog must not end the program. Only the clock's own shut-down does.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(programIcon());
    installFontSubstitutions();
    installQtTranslations();

    QObject::connect(&clockWindow_, &ClockWindow::menuRequested, &menu_, &ClockMenu::open);
    QObject::connect(&menu_, &ClockMenu::quitChosen, &clockWindow_, &ClockWindow::quit);
    QObject::connect(&model_, &ClockModel::alarmRang, &dialogs_, [this](const Alarm& alarm) {
        dialogs_.showMessage(notice_text::alarmRang(alarm), Dialogs::Notice::AlarmRang);
    });
    QObject::connect(&model_, &ClockModel::settingsNotSaved, &dialogs_, [this](const FileFailure& failure) {
        platform_.showMessage(notice_text::settingsNotSaved(failure));
    });
    QObject::connect(&model_, &ClockModel::alarmsNotRead, &dialogs_, [this](const FileFailure& failure) {
        platform_.showMessage(notice_text::alarmsNotRead(failure));
    });
    QObject::connect(&model_, &ClockModel::alarmsNotSaved, &dialogs_, [this](const FileFailure& failure) {
        platform_.showMessage(notice_text::alarmsNotSaved(failure));
    });
    QObject::connect(&clockWindow_, &ClockWindow::unloaded, &dialogs_, [this] { shutDown(); });
}

bool Application::start()
{
    // A first start in the user's settings folder brings the shipped defaults there.
    if (const auto failure =
            settings_location::fillMissingSettings(platform_.settingsFolder(), platform_.dataFolder())) {
        platform_.showMessage(notice_text::settingsNotPrepared(*failure));
        return false;
    }
    if (const std::optional<SettingsLoadFailure> failure = model_.load()) {
        platform_.showMessage(notice_text::settingsNotLoaded(*failure));
        return false;
    }
    clockWindow_.start();
    closeOnTerminationRequest(&clockWindow_);
    // The session is ending: nobody may be there to answer a message box.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &clockWindow_,
                     &ClockWindow::savePositionAtExit);
    return true;
}

void Application::shutDown()
{
    // The dialogs go with the clock; they close without their own closing steps.
    dialogs_.closeAll();
    QCoreApplication::quit();
}
