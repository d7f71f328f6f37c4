#include "platform/system_clock_watch.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QMetaObject>
#include <windows.h>

// Windows tells every top-level window when its clock was set (WM_TIMECHANGE) and when
// the machine resumed (WM_POWERBROADCAST with PBT_APMRESUMEAUTOMATIC); the clock
// window is one. A wake-up moment needs no timer of its own here.
namespace {

class MessageWatch final : public ClockWatch, public QAbstractNativeEventFilter
{
public:
    ~MessageWatch() override
    {
        if (QCoreApplication* application = QCoreApplication::instance()) {
            application->removeNativeEventFilter(this);
        }
    }

    bool watch(std::function<void()> jumped) override
    {
        jumped_ = std::move(jumped);
        QCoreApplication::instance()->installNativeEventFilter(this);
        return true;
    }

    void wakeBy(qint64) override {}

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "windows_generic_MSG") {
            return false;
        }
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->message == WM_TIMECHANGE ||
            (msg->message == WM_POWERBROADCAST && msg->wParam == PBT_APMRESUMEAUTOMATIC)) {
            // Answered first: the clock reads the time once the message has returned.
            QMetaObject::invokeMethod(QCoreApplication::instance(), jumped_, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> jumped_;
};

} // namespace

std::unique_ptr<ClockWatch> makeSystemClockWatch()
{
    return std::make_unique<MessageWatch>();
}
