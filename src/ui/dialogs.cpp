#include "ui/dialogs.h"

#include "model/clock_model.h"
#include "platform/clock.h"
#include "ui/about_window.h"
#include "ui/alarm_edit_window.h"
#include "ui/alarm_list_window.h"
#include "ui/design_chooser_window.h"
#include "ui/hand_colour_window.h"
#include "ui/message_window.h"
#include "ui/options_window.h"
#include "ui/readout_colour_window.h"
#include "ui/settings_window.h"
#include "ui/sounds.h"

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
    {Window::Options, Window::Settings},
};

// While the message window shows `notice`, `disabled` is disabled. A save confirmed from
// the edit window leaves the list usable at once: the edit window has closed by then.
// A confirmed colour keeps the settings window waiting until its message is read. The
// alarms missed ring nothing: their list holds no window back.
struct NoticeRule
{
    Notice notice;
    std::optional<Window> disabled;
};

constexpr NoticeRule noticeRules[] = {
    {Notice::AlarmRang, Window::Clock},
    {Notice::AlarmsMissed, std::nullopt},
    {Notice::AlarmsSavedFromList, Window::AlarmList},
    {Notice::AlarmsSavedFromEditor, std::nullopt},
    {Notice::HandColoursChanged, Window::Settings},
    {Notice::ReadoutColourChanged, Window::Settings},
};

// Each window after the one it is opened from; the message window, which may answer any
// of them, last.
constexpr Window allWindows[] = {
    Window::Clock,         Window::Settings,   Window::About,         Window::AlarmList, Window::AlarmEdit,
    Window::DesignChooser, Window::HandColour, Window::ReadoutColour, Window::Options,   Window::Message};

static_assert(std::size(allWindows) == Dialogs::windowCount, "every window has its place");

unsigned bit(Notice notice)
{
    return 1u << unsigned(notice);
}

// Puts a window in front of the others, out of the taskbar first when it was minimised.
void putInFront(QWidget* window)
{
    if (window->isMinimized()) {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    }
    window->raise();
}

// Brings an open window forward instead of opening a second one.
template <typename T>
T* raised(T* window)
{
    putInFront(window);
    window->activateWindow();
    return window;
}

} // namespace

Dialogs::Dialogs(ClockModel& model, const Desktop& desktop, Sounds& sounds, QWidget& clockWindow)
    : model_(model), desktop_(desktop), sounds_(sounds), clockWindow_(clockWindow)
{}

Dialogs::~Dialogs()
{
    closeAll();
}

template <typename T, typename Make>
T* Dialogs::open(Window window, Make make, const QWidget* owner)
{
    if (PictureDialog* shown = dialog(window)) {
        return raised(static_cast<T*>(shown));
    }
    T* opened = make();
    track(window, opened);
    // On the clock's screen, where the user looks for it.
    opened->showCentred(owner, clockWindow_.screen());
    return opened;
}

SettingsWindow* Dialogs::openSettings()
{
    return open<SettingsWindow>(Window::Settings, [&] {
        return new SettingsWindow(model_, *this, desktop_.shell, desktop_.questions);
    });
}

AboutWindow* Dialogs::openAbout()
{
    return open<AboutWindow>(Window::About, [&] {
        return new AboutWindow(desktop_.shell, desktop_.questions, desktop_.folders.data);
    });
}

AlarmListWindow* Dialogs::openAlarmList()
{
    return open<AlarmListWindow>(
        Window::AlarmList, [&] { return new AlarmListWindow(model_, *this, desktop_.questions); },
        dialog(Window::Settings));
}

AlarmEditWindow* Dialogs::openAlarmEdit(const std::optional<Alarm>& alarm)
{
    return open<AlarmEditWindow>(Window::AlarmEdit, [&] {
        return new AlarmEditWindow(desktop_.clock, desktop_.sound, desktop_.questions, alarm);
    });
}

DesignChooserWindow* Dialogs::openDesignChooser()
{
    return open<DesignChooserWindow>(Window::DesignChooser, [&] { return new DesignChooserWindow(model_); });
}

HandColourWindow* Dialogs::openHandColour()
{
    return open<HandColourWindow>(Window::HandColour, [&] {
        return new HandColourWindow(model_, *this, desktop_.clock, desktop_.questions);
    });
}

ReadoutColourWindow* Dialogs::openReadoutColour()
{
    return open<ReadoutColourWindow>(Window::ReadoutColour, [&] {
        return new ReadoutColourWindow(model_, *this, desktop_.clock, desktop_.questions);
    });
}

OptionsWindow* Dialogs::openOptions()
{
    return open<OptionsWindow>(
        Window::Options,
        [&] { return new OptionsWindow(model_, desktop_.sound, desktop_.questions, desktop_.shell); },
        dialog(Window::Settings));
}

MessageWindow* Dialogs::showMessage(const QString& text, Notice notice)
{
    sounds_.noticeShown(notice);
    if (auto* shown = static_cast<MessageWindow*>(dialog(Window::Message))) {
        notices_ |= bit(notice);
        updateEnabling();
        shown->addMessage(text);
        offerSnooze(*shown, notice);
        shown->raise();
        return shown;
    }
    notices_ = bit(notice);
    auto* message = new MessageWindow(text);
    offerSnooze(*message, notice);
    track(Window::Message, message);
    // However it closes, the alarms it told of are answered; a snooze answered them first.
    connect(message, &PictureDialog::closed, &model_, &ClockModel::closeWaitingAlarms);
    connect(message, &MessageWindow::snoozeChosen, this,
            [this] { model_.snoozeWaitingAlarms(desktop_.clock.now()); });
    message->showCentred(nullptr, clockWindow_.screen());
    return message;
}

void Dialogs::offerSnooze(MessageWindow& message, Notice notice) const
{
    if (notice == Notice::AlarmRang && model_.hasAlarmsWaiting()) {
        message.offerSnooze(
            QStringLiteral("%1分後にもう一度鳴らします").arg(model_.snoozeLength().minutes()));
    }
}

PictureDialog* Dialogs::dialog(Window window) const
{
    return dialogs_[std::size_t(window)];
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
    dialogs_[std::size_t(window)] = dialog;
    // The program's own windows belong to the clock: the window manager keeps them above
    // it, also when the clock stays in front of everything else.
    dialog->setParent(&clockWindow_, dialog->windowFlags());
    connect(dialog, &PictureDialog::closed, this, [this, window] { forget(window); });
    updateEnabling();
}

void Dialogs::forget(Window window)
{
    dialogs_[std::size_t(window)] = nullptr;
    if (window == Window::Message) {
        notices_ = 0;
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
        // Disabling a window takes the focus from its control (the button that opened the
        // window that holds it); the control gets it back as the window is enabled again.
        QPointer<QWidget>& focus = heldFocus_[std::size_t(window)];
        if (held && target->isEnabled()) {
            focus = target->focusWidget();
        }
        target->setEnabled(!held);
        if (!held && focus) {
            focus->setFocus(Qt::OtherFocusReason);
            focus = nullptr;
        }
    }
}

void Dialogs::answerAnotherStart()
{
    // The menu is the clock's: while a window holds the clock, only what is open comes.
    if (clockWindow_.isEnabled()) {
        openSettings();
    }
    QWidget* top = nullptr;
    for (const Window window : allWindows) {
        QWidget* target = widget(window);
        if (target && target->isVisible()) {
            putInFront(target);
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
          Window::ReadoutColour, Window::Options, Window::Settings, Window::Message, Window::About}) {
        delete dialog(window);
    }
}
