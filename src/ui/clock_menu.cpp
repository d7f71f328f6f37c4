#include "ui/clock_menu.h"

#include "platform/platform.h"
#include "ui/dialogs.h"

ClockMenu::ClockMenu(Platform& platform, Dialogs& dialogs) : platform_(platform), dialogs_(dialogs) {}

QStringList ClockMenu::captions()
{
    return {QStringLiteral("設定"), QStringLiteral("製品情報"), QStringLiteral("-"),
            QStringLiteral("終  了")};
}

void ClockMenu::open(QPoint at)
{
    switch (platform_.popupMenu(captions(), at)) {
    case Settings:
        dialogs_.openSettings();
        break;
    case About:
        dialogs_.openAbout();
        break;
    case Quit:
        emit quitChosen();
        break;
    default:
        break;
    }
}
