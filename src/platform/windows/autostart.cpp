#include "platform/autostart.h"

#include "platform/windows/windows_shortcut.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace autostart {

QString folder()
{
    return windowsStartupFolder();
}

QString entryFileName(const QString& executablePath)
{
    return QFileInfo(executablePath).completeBaseName() + copySuffix(executablePath) + QStringLiteral(".lnk");
}

bool create(const QString& executablePath)
{
    const QString start = folder();
    if (start.isEmpty() || !QDir(start).exists()) {
        return false;
    }
    return createWindowsShortcut(
        QDir::toNativeSeparators(QDir(start).filePath(entryFileName(executablePath))),
        QDir::toNativeSeparators(executablePath));
}

bool isRegistered(const QString& executablePath)
{
    const QString start = folder();
    return !start.isEmpty() && QFileInfo(QDir(start).filePath(entryFileName(executablePath))).isFile();
}

bool remove(const QString& executablePath)
{
    const QString start = folder();
    if (start.isEmpty()) {
        return false;
    }
    return QFile::remove(QDir(start).filePath(entryFileName(executablePath)));
}

} // namespace autostart
