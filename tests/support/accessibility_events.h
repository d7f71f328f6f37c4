#pragma once

#include <QAccessible>
#include <QList>
#include <QPointer>
#include <initializer_list>

// What Qt tells the desktop's screen readers, seen inside the test program. Qt hands each
// accessibility update to its bridges, AT-SPI's among them; the test program links a
// bridge of its own (accessibility_events.cpp), which records the updates while an
// AccessibilityEvents lives. The offscreen platform has no AT-SPI bridge, and Qt calls an
// update handler only while one is active, so a bridge is what sees them here.
class AccessibilityEvents
{
public:
    struct StateChange
    {
        QPointer<QObject> object;
        QAccessible::State changed;
    };

    // One update as a screen reader receives it: the object (with the entry of a list),
    // what happened, and what the reader would read of it then.
    struct Event
    {
        QPointer<QObject> object;
        int child;
        QAccessible::Event type;
        QString said; // the name, description or value the update carries
    };

    AccessibilityEvents();
    ~AccessibilityEvents();
    AccessibilityEvents(const AccessibilityEvents&) = delete;
    AccessibilityEvents& operator=(const AccessibilityEvents&) = delete;

    // The objects whose checked state Qt said changed, in order, since the last take.
    QList<QObject*> takeCheckedChanges();
    // The updates of these types, in order, since the last take of them.
    QList<Event> take(std::initializer_list<QAccessible::Event> types);

private:
    friend class RecordingBridge;
    void record(QAccessibleEvent* event);

    QList<StateChange> stateChanges_;
    QList<Event> events_;
};
