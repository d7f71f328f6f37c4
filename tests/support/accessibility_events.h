#pragma once

#include <QAccessible>
#include <QList>
#include <QPointer>

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

    AccessibilityEvents();
    ~AccessibilityEvents();
    AccessibilityEvents(const AccessibilityEvents&) = delete;
    AccessibilityEvents& operator=(const AccessibilityEvents&) = delete;

    // The objects whose checked state Qt said changed, in order, since the last take.
    QList<QObject*> takeCheckedChanges();

private:
    friend class RecordingBridge;
    void record(QAccessibleEvent* event);

    QList<StateChange> stateChanges_;
};
