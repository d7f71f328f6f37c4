#pragma once

#include <QMenu>
#include <QObject>
#include <QPoint>

class Dialogs;

// The clock's popup menu: settings, product information, and quit. One menu whose
// actions are connected to what they do, so that it can be shown anywhere a menu goes.
class ClockMenu final : public QObject
{
    Q_OBJECT

public:
    explicit ClockMenu(Dialogs& dialogs);

    QMenu& menu() { return menu_; }

    // Shows the menu at a screen position until it is dismissed or an entry chosen.
    void open(QPoint at);

signals:
    void quitChosen();

private:
    QMenu menu_;
};
