#include "platform/this_system.h"

#include <QDir>

namespace this_system {

DesktopFamily desktopFamily()
{
    return DesktopFamily::Windows;
}

std::tm localCalendar(std::time_t moment)
{
    std::tm local{};
    localtime_s(&local, &moment);
    return local;
}

QStandardPaths::StandardLocation userSettingsLocation()
{
    return QStandardPaths::AppDataLocation;
}

QString userRuntimeFolder()
{
    return QDir::tempPath();
}

QString localServerName(const QString&, const QString& key)
{
    return key;
}

} // namespace this_system
