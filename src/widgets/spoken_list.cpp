#include "widgets/spoken_list.h"

#include <QAccessible>
#include <QFocusEvent>

SpokenList::SpokenList(QWidget* parent) : QListView(parent) {}

void SpokenList::focusInEvent(QFocusEvent* event)
{
    QListView::focusInEvent(event);
    // The list's own focus is told once this event returns: the entry's comes after it.
    QMetaObject::invokeMethod(this, &SpokenList::focusCurrent, Qt::QueuedConnection);
}

void SpokenList::focusCurrent()
{
    const QModelIndex current = currentIndex();
    if (hasFocus() && current.isValid()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(current.row());
        QAccessible::updateAccessibility(&event);
    }
}

void SpokenList::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                             const QList<int>& roles)
{
    QListView::dataChanged(topLeft, bottomRight, roles);
    const QModelIndex current = currentIndex();
    const bool checkChanged = roles.contains(Qt::CheckStateRole);
    if (!checkChanged || !current.isValid() || current.row() < topLeft.row() ||
        current.row() > bottomRight.row()) {
        return;
    }
    if (QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(this)->child(current.row())) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(entry, changed);
        QAccessible::updateAccessibility(&event);
    }
}
