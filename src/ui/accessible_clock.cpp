#include "ui/accessible_clock.h"

#include "platform/app_identity.h"
#include "ui/clock_window.h"
#include "widgets/accessible_widgets.h"

namespace {

class AccessibleClock final : public accessibility::ActingWidget
{
public:
    explicit AccessibleClock(ClockWindow* window) : ActingWidget(window, QAccessible::Window) {}

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return applicationTitle();
        case QAccessible::Description:
            return clock()->spokenReading();
        default:
            return QAccessibleWidget::text(t);
        }
    }

protected:
    const QString& ownAction() const override { return showMenuAction(); }
    void act() override
    {
        // The menu waits for a choice in an event loop of its own: the screen reader's
        // call returns first.
        QMetaObject::invokeMethod(clock(), &ClockWindow::openMenu, Qt::QueuedConnection);
    }

private:
    ClockWindow* clock() const { return static_cast<ClockWindow*>(widget()); }
};

QAccessibleInterface* interfaceFor(const QString&, QObject* object)
{
    auto* window = qobject_cast<ClockWindow*>(object);
    return window ? new AccessibleClock(window) : nullptr;
}

} // namespace

namespace accessible_clock {

void install()
{
    QAccessible::installFactory(interfaceFor);
}

} // namespace accessible_clock
