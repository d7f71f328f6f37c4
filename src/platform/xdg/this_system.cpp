#include "platform/this_system.h"

#include <QDir>
#include <time.h>

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

std::optional<long long> millisecondsSinceBoot()
{
    timespec since{};
    if (clock_gettime(CLOCK_BOOTTIME, &since) != 0) {
        return std::nullopt;
    }
    return since.tv_sec * 1000LL + since.tv_nsec / 1'000'000;
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
