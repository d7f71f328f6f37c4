// QAccessibleBridgePlugin's metadata names the bridge for Qt's plugin loader; compiled
// into the test program, it is a static plugin.
#define QT_STATICPLUGIN

#include "support/accessibility_events.h"

#include <QAccessibleBridgePlugin>
#include <QtPlugin>

namespace {

AccessibilityEvents* recording = nullptr;

} // namespace

class RecordingBridge final : public QAccessibleBridge
{
public:
    void setRootObject(QAccessibleInterface*) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override
    {
        if (recording) {
            recording->record(event);
        }
    }
};

class RecordingBridgePlugin final : public QAccessibleBridgePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "accessibility_events.json")

public:
    // Qt keeps the bridges it loads to the process's end and never deletes them: the one
    // bridge lives as long as the program.
    QAccessibleBridge* create(const QString&) override
    {
        static RecordingBridge bridge;
        return &bridge;
    }
};

Q_IMPORT_PLUGIN(RecordingBridgePlugin)

AccessibilityEvents::AccessibilityEvents()
{
    recording = this;
}

AccessibilityEvents::~AccessibilityEvents()
{
    recording = nullptr;
}

void AccessibilityEvents::record(QAccessibleEvent* event)
{
    // What the desktop's bridge reads as it passes the update on.
    QString said;
    if (QAccessibleInterface* interface = event->accessibleInterface()) {
        switch (event->type()) {
        case QAccessible::NameChanged:
        case QAccessible::Focus:
        case QAccessible::ObjectShow:
            said = interface->text(QAccessible::Name);
            break;
        case QAccessible::DescriptionChanged:
            said = interface->text(QAccessible::Description);
            break;
        case QAccessible::ValueChanged:
            said = interface->text(QAccessible::Value);
            break;
        default:
            break;
        }
    }
    events_.append({event->object(), event->child(), event->type(), said});
    if (event->type() == QAccessible::StateChanged) {
        stateChanges_.append(
            {event->object(), static_cast<QAccessibleStateChangeEvent*>(event)->changedStates()});
    }
}

QList<QObject*> AccessibilityEvents::takeCheckedChanges()
{
    QList<QObject*> objects;
    for (const StateChange& change : std::exchange(stateChanges_, {})) {
        if (change.changed.checked) {
            objects.append(change.object);
        }
    }
    return objects;
}

QList<AccessibilityEvents::Event> AccessibilityEvents::take(std::initializer_list<QAccessible::Event> types)
{
    QList<Event> taken;
    QList<Event> kept;
    for (const Event& event : std::exchange(events_, {})) {
        (std::find(types.begin(), types.end(), event.type) != types.end() ? taken : kept).append(event);
    }
    events_ = kept;
    return taken;
}

#include "accessibility_events.moc"
