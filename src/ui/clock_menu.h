#pragma once

#include <QObject>
#include <QPoint>
#include <QStringList>

class Dialogs;
class Platform;

// The clock's popup menu: settings, product information, and quit.
class ClockMenu final : public QObject
{
    Q_OBJECT

public:
    enum Item
    {
        Settings,
        About,
        Separator,
        Quit
    };

    ClockMenu(Platform& platform, Dialogs& dialogs);

    // The captions, in menu order; "-" is the separator line.
    static QStringList captions();

    // Shows the menu at a screen position and runs the chosen command.
    void open(QPoint at);

signals:
    void quitChosen();

private:
    Platform& platform_;
    Dialogs& dialogs_;
};
