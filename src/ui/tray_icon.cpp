#include "ui/tray_icon.h"

#include "model/clock_model.h"
#include "platform/app_identity.h"
#include "ui/notice_texts.h"

#include <QCursor>

TrayIcon::TrayIcon(ClockModel& model, DesktopShell& shell, QMenu& menu)
    : model_(model), shell_(shell), menu_(menu)
{
    connect(&model_, &ClockModel::trayIconChanged, this, &TrayIcon::update);
    connect(&model_, &ClockModel::clickThroughChanged, this, &TrayIcon::update);
    connect(&model_, &ClockModel::nextAlarmChanged, this, [this] { shell_.setTrayTip(tip()); });
}

QString TrayIcon::tip() const
{
    const QString next = notice_text::nextAlarm(model_.nextAlarm());
    return next.isEmpty() ? applicationTitle() : applicationTitle() + u'\n' + next;
}

void TrayIcon::update()
{
    if (!model_.settings().trayIcon && !model_.clickThrough()) {
        remove();
        return;
    }
    shell_.addTrayIcon(programIcon(), tip(), menu_,
                       [this](DesktopShell::TrayPress press) { emit menuRequested(QCursor::pos(), press); });
}

void TrayIcon::remove()
{
    shell_.removeTrayIcon();
}
