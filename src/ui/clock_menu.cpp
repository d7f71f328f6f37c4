#include "ui/clock_menu.h"

#include "ui/dialogs.h"

ClockMenu::ClockMenu(Dialogs& dialogs)
{
    connect(menu_.addAction(QStringLiteral("設定")), &QAction::triggered, &dialogs, &Dialogs::openSettings);
    connect(menu_.addAction(QStringLiteral("製品情報")), &QAction::triggered, &dialogs, &Dialogs::openAbout);
    menu_.addSeparator();
    connect(menu_.addAction(QStringLiteral("終  了")), &QAction::triggered, this, &ClockMenu::quitChosen);
}

void ClockMenu::open(QPoint at)
{
    menu_.exec(at);
}
