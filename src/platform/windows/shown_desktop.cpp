#include "platform/windows/shown_desktop.h"

#include "platform/this_system.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QWindow>

namespace {

// Brings a window back at once that the shell minimised: showing the desktop, or
// minimising every window, leaves the clock where it was, as the desktop's gadgets stay.
class ShownDesktopWatch final : public QObject, public QAbstractNativeEventFilter
{
public:
    ShownDesktopWatch(HWND window, QObject& owner) : QObject(&owner), handle_(window)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    ~ShownDesktopWatch() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "windows_generic_MSG") {
            return false;
        }
        const auto* msg = static_cast<const MSG*>(message);
        if (msg->hwnd == handle_ && msg->message == WM_SIZE && msg->wParam == SIZE_MINIMIZED) {
            // Restored once the minimising is done with, without taking the focus.
            QMetaObject::invokeMethod(
                this, [this] { ShowWindow(handle_, SW_SHOWNOACTIVATE); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    HWND handle_;
};

} // namespace

namespace this_system {

void keepRestored(HWND window, QObject& owner)
{
    new ShownDesktopWatch(window, owner);
}

void keepOnShownDesktop(QWindow& window)
{
    keepRestored(reinterpret_cast<HWND>(window.winId()), window);
}

} // namespace this_system
