#pragma once

#include <QMenu>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

class ClockModel;
class Dialogs;

// How the menu is asked for. Opened from the keyboard (or by a screen reader) its first
// entry is selected at once, so that the opening is heard with an entry; a click opens
// it with none, as menus do.
enum class MenuOpening
{
    Pointer,
    Keyboard
};

// Where a menu of `size` opened at `pointer` goes: below and right of the pointer where
// it fits, above or left of it where not, and then moved into `freeArea` (the screen
// without its panels), so that a menu opened from a panel's icon does not cover the panel.
QPoint menuPosition(QPoint pointer, QSize size, QRect freeArea);

// The clock's popup menu: settings, product information, the end of click-through while
// it is on (the tray icon carries the menu then), and quit. One menu whose actions are
// connected to what they do, so that it can be shown anywhere a menu goes.
class ClockMenu final : public QObject
{
    Q_OBJECT

public:
    ClockMenu(ClockModel& model, Dialogs& dialogs);

    QMenu& menu() { return menu_; }

    // Shows the entries the model's state asks for: once it is loaded, and as it changes.
    void showEntries();

    // Shows the menu at a screen position, within the screen's free area, until it is
    // dismissed or an entry chosen.
    void open(QPoint at, MenuOpening opening);

signals:
    void quitChosen();

private:
    ClockModel& model_;
    QMenu menu_;
    QAction* endClickThrough_;
};
