#include "ui/tray_icon.h"

#include "model/clock_model.h"
#include "platform/app_identity.h"

#include <QCursor>

TrayIcon::TrayIcon(ClockModel& model, Platform& platform) : model_(model), platform_(platform)
{
    connect(&model_, &ClockModel::trayIconChanged, this, &TrayIcon::update);
}

void TrayIcon::update()
{
    if (!model_.settings().trayIcon) {
        remove();
        return;
    }
    platform_.addTrayIcon(programIcon(), applicationTitle(),
                          [this](Platform::TrayPress press) { emit menuRequested(QCursor::pos(), press); });
}

void TrayIcon::remove()
{
    platform_.removeTrayIcon();
}
