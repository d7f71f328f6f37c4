#include "platform/this_system.h"

#include <QDir>
#include <windows.h>

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

std::optional<long long> millisecondsSinceBoot()
{
    // The tick count runs on through sleep and hibernation; the unbiased interrupt time
    // would not.
    return static_cast<long long>(GetTickCount64());
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
