#pragma once

#include <QListView>

// A list view that a screen reader follows: entering it by the keyboard reads the
// current entry (Qt's own focus event for the list comes after the entry's and would
// leave the reader on the list), and a change of the current entry's check mark is told
// as a change of its checked state.
class SpokenList final : public QListView
{
    Q_OBJECT

public:
    explicit SpokenList(QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;

private:
    // Tells a listening screen reader that the current entry has the focus.
    void focusCurrent();
};
