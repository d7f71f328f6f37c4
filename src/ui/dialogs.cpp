#include "ui/dialogs.h"

#include "ui/about_window.h"
#include "ui/alarm_edit_window.h"
#include "ui/alarm_list_window.h"
#include "ui/design_chooser_window.h"
#include "ui/hand_colour_window.h"
#include "ui/message_window.h"
#include "ui/readout_colour_window.h"
#include "ui/settings_window.h"

#include <QWindow>
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
    {Window::Settings, Window::Clock},      {Window::AlarmList, Window::Settings},
    {Window::AlarmEdit, Window::AlarmList}, {Window::DesignChooser, Window::Settings},
    {Window::HandColour, Window::Settings}, {Window::ReadoutColour, Window::Settings},
};

// While the message window shows `notice`, `disabled` is disabled. A save confirmed from
// the edit window leaves the list usable at once: the edit window has closed by then.
// A confirmed colour keeps the settings window waiting until its message is read.
struct NoticeRule
{
    Notice notice;
    std::optional<Window> disabled;
};

constexpr NoticeRule noticeRules[] = {
    {Notice::AlarmRang, Window::Clock},
    {Notice::AlarmsSavedFromList, Window::AlarmList},
    {Notice::AlarmsSavedFromEditor, std::nullopt},
    {Notice::HandColoursChanged, Window::Settings},
    {Notice::ReadoutColourChanged, Window::Settings},
};

// Each window after the one it is opened from; the message window, which may answer any
// of them, last.
constexpr Window allWindows[] = {Window::Clock,      Window::Settings,      Window::About,
                                 Window::AlarmList,  Window::AlarmEdit,     Window::DesignChooser,
                                 Window::HandColour, Window::ReadoutColour, Window::Message};

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

template <typename T, typename Make>
T* Dialogs::open(QPointer<T>& slot, Window window, Make make, const QWidget* owner)
{
    if (slot) {
        return raised(slot.data());
    }
    slot = make();
    track(window, slot);
    slot->showCentred(owner);
    return slot;
}

SettingsWindow* Dialogs::openSettings()
{
    return open(settings_, Window::Settings, [&] { return new SettingsWindow(model_, *this, platform_); });
}

AboutWindow* Dialogs::openAbout()
{
    return open(about_, Window::About, [&] { return new AboutWindow(platform_); });
}

AlarmListWindow* Dialogs::openAlarmList()
{
    return open(
        alarmList_, Window::AlarmList, [&] { return new AlarmListWindow(model_, *this, platform_); },
        settings_.data());
}

AlarmEditWindow* Dialogs::openAlarmEdit(const std::optional<Alarm>& alarm)
{
    return open(alarmEdit_, Window::AlarmEdit, [&] { return new AlarmEditWindow(platform_, alarm); });
}

DesignChooserWindow* Dialogs::openDesignChooser()
{
    return open(designChooser_, Window::DesignChooser, [&] { return new DesignChooserWindow(model_); });
}

HandColourWindow* Dialogs::openHandColour()
{
    return open(handColour_, Window::HandColour,
                [&] { return new HandColourWindow(model_, *this, platform_); });
}

ReadoutColourWindow* Dialogs::openReadoutColour()
{
    return open(readoutColour_, Window::ReadoutColour,
                [&] { return new ReadoutColourWindow(model_, *this, platform_); });
}

MessageWindow* Dialogs::showMessage(const QString& text, Notice notice)
{
    if (message_) {
        notices_ |= bit(notice);
        updateEnabling();
        message_->addMessage(text);
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

DesignChooserWindow* Dialogs::designChooserWindow() const
{
    return designChooser_;
}

HandColourWindow* Dialogs::handColourWindow() const
{
    return handColour_;
}

ReadoutColourWindow* Dialogs::readoutColourWindow() const
{
    return readoutColour_;
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
    case Window::DesignChooser:
        return designChooser_;
    case Window::HandColour:
        return handColour_;
    case Window::ReadoutColour:
        return readoutColour_;
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
    // The program's own windows belong to the clock: the window manager keeps them above
    // it, also when the clock stays in front of everything else.
    dialog->setParent(&clockWindow_, dialog->windowFlags());
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
    case Window::DesignChooser:
        designChooser_ = nullptr;
        break;
    case Window::HandColour:
        handColour_ = nullptr;
        break;
    case Window::ReadoutColour:
        readoutColour_ = nullptr;
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

void Dialogs::bringForward()
{
    QWidget* top = nullptr;
    for (const Window window : allWindows) {
        QWidget* target = widget(window);
        if (target && target->isVisible()) {
            target->raise();
            top = target;
        }
    }
    if (top) {
        top->activateWindow();
    }
}

void Dialogs::closeAll()
{
    // Children first, so that no window outlives the one it works for.
    for (const Window window :
         {Window::AlarmEdit, Window::AlarmList, Window::DesignChooser, Window::HandColour,
          Window::ReadoutColour, Window::Settings, Window::Message, Window::About}) {
        delete dialog(window);
    }
}
