#include "ui/dialogs.h"

#include "ui/about_window.h"
#include "ui/alarm_edit_window.h"
#include "ui/alarm_list_window.h"
#include "ui/message_window.h"
#include "ui/settings_window.h"

#include <optional>

namespace {

using Window = Dialogs::Window;
using Notice = Dialogs::Notice;

// While `open` is open, `disabled` is disabled.
struct WindowRule
{
    Window open;
    Window disabled;
};

constexpr WindowRule windowRules[] = {
    {Window::Settings, Window::Clock},
    {Window::AlarmList, Window::Settings},
    {Window::AlarmEdit, Window::AlarmList},
};

// While the message window shows `notice`, `disabled` is disabled. A save confirmed from
// the edit window leaves the list usable at once: the edit window has closed by then.
struct NoticeRule
{
    Notice notice;
    std::optional<Window> disabled;
};

constexpr NoticeRule noticeRules[] = {
    {Notice::AlarmRang, Window::Clock},
    {Notice::AlarmsSavedFromList, Window::AlarmList},
    {Notice::AlarmsSavedFromEditor, std::nullopt},
};

constexpr Window allWindows[] = {Window::Clock,     Window::Settings,  Window::About,
                                 Window::AlarmList, Window::AlarmEdit, Window::Message};

unsigned bit(Notice notice)
{
    return 1u << unsigned(notice);
}

// Brings an open window forward instead of opening a second one.
template <typename T>
T* raised(T* window)
{
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace

Dialogs::Dialogs(ClockModel& model, Platform& platform, QWidget& clockWindow)
    : model_(model), platform_(platform), clockWindow_(clockWindow)
{}

Dialogs::~Dialogs()
{
    closeAll();
}

SettingsWindow* Dialogs::openSettings()
{
    if (settings_) {
        return raised(settings_.data());
    }
    settings_ = new SettingsWindow(model_, *this, platform_);
    track(Window::Settings, settings_);
    settings_->showCentred();
    return settings_;
}

AboutWindow* Dialogs::openAbout()
{
    if (about_) {
        return raised(about_.data());
    }
    about_ = new AboutWindow(platform_);
    track(Window::About, about_);
    about_->showCentred();
    return about_;
}

AlarmListWindow* Dialogs::openAlarmList()
{
    if (alarmList_) {
        return raised(alarmList_.data());
    }
    alarmList_ = new AlarmListWindow(model_, *this, platform_);
    track(Window::AlarmList, alarmList_);
    alarmList_->showCentred(settings_);
    return alarmList_;
}

AlarmEditWindow* Dialogs::openAlarmEdit(const std::optional<AlarmRecord>& alarm)
{
    if (alarmEdit_) {
        return raised(alarmEdit_.data());
    }
    alarmEdit_ = new AlarmEditWindow(platform_, alarm);
    track(Window::AlarmEdit, alarmEdit_);
    alarmEdit_->showCentred();
    return alarmEdit_;
}

MessageWindow* Dialogs::showMessage(const QString& text, Notice notice)
{
    if (message_) {
        notices_ |= bit(notice);
        updateEnabling();
        message_->raise();
        return message_;
    }
    notices_ = bit(notice);
    message_ = new MessageWindow(text, model_, platform_);
    track(Window::Message, message_);
    message_->showCentred();
    return message_;
}

SettingsWindow* Dialogs::settingsWindow() const
{
    return settings_;
}

AboutWindow* Dialogs::aboutWindow() const
{
    return about_;
}

AlarmListWindow* Dialogs::alarmListWindow() const
{
    return alarmList_;
}

AlarmEditWindow* Dialogs::alarmEditWindow() const
{
    return alarmEdit_;
}

MessageWindow* Dialogs::messageWindow() const
{
    return message_;
}

PictureDialog* Dialogs::dialog(Window window) const
{
    switch (window) {
    case Window::Settings:
        return settings_;
    case Window::About:
        return about_;
    case Window::AlarmList:
        return alarmList_;
    case Window::AlarmEdit:
        return alarmEdit_;
    case Window::Message:
        return message_;
    case Window::Clock:
        break;
    }
    return nullptr;
}

QWidget* Dialogs::widget(Window window) const
{
    return window == Window::Clock ? &clockWindow_ : dialog(window);
}

bool Dialogs::isOpen(Window window) const
{
    return widget(window) != nullptr;
}

void Dialogs::track(Window window, PictureDialog* dialog)
{
    connect(dialog, &PictureDialog::closed, this, [this, window] { forget(window); });
    updateEnabling();
}

void Dialogs::forget(Window window)
{
    switch (window) {
    case Window::Settings:
        settings_ = nullptr;
        break;
    case Window::About:
        about_ = nullptr;
        break;
    case Window::AlarmList:
        alarmList_ = nullptr;
        break;
    case Window::AlarmEdit:
        alarmEdit_ = nullptr;
        break;
    case Window::Message:
        message_ = nullptr;
        notices_ = 0;
        break;
    case Window::Clock:
        break;
    }
    updateEnabling();
}

void Dialogs::updateEnabling()
{
    for (const Window window : allWindows) {
        QWidget* target = widget(window);
        if (!target) {
            continue;
        }
        bool held = false;
        for (const WindowRule& rule : windowRules) {
            held = held || (rule.disabled == window && isOpen(rule.open));
        }
        for (const NoticeRule& rule : noticeRules) {
            held = held || (rule.disabled == window && (notices_ & bit(rule.notice)));
        }
        target->setEnabled(!held);
    }
}

void Dialogs::closeAll()
{
    // Children first, so that no window outlives the one it works for.
    for (const Window window :
         {Window::AlarmEdit, Window::AlarmList, Window::Settings, Window::Message, Window::About}) {
        delete dialog(window);
    }
}
