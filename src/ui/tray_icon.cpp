#include "ui/tray_icon.h"

#include "model/clock_model.h"
#include "platform/app_identity.h"

#include <QCursor>

TrayIcon::TrayIcon(ClockModel& model, DesktopShell& shell, QMenu& menu)
    : model_(model), shell_(shell), menu_(menu)
{
    connect(&model_, &ClockModel::trayIconChanged, this, &TrayIcon::update);
}

void TrayIcon::update()
{
    if (!model_.settings().trayIcon) {
        remove();
        return;
    }
    shell_.addTrayIcon(programIcon(), applicationTitle(), menu_,
                       [this](DesktopShell::TrayPress press) { emit menuRequested(QCursor::pos(), press); });
}

void TrayIcon::remove()
{
    shell_.removeTrayIcon();
}
