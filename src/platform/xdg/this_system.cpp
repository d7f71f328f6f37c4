#include "platform/this_system.h"

#include <QDir>

namespace this_system {

DesktopFamily desktopFamily()
{
    return DesktopFamily::Freedesktop;
}

std::tm localCalendar(std::time_t moment)
{
    std::tm local{};
    localtime_r(&moment, &local);
    return local;
}

QStandardPaths::StandardLocation userSettingsLocation()
{
    return QStandardPaths::AppConfigLocation;
}

QString userRuntimeFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

QString localServerName(const QString& runtimeFolder, const QString& key)
{
    return QDir(runtimeFolder).filePath(key + QStringLiteral(".socket"));
}

} // namespace this_system
