#include "platform/autostart.h"

#include "platform/app_identity.h"
#include "platform/windows/windows_shortcut.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace autostart {

namespace {

// The name earlier versions gave the shortcut: the executable's base name and the suffix.
QString earlierEntryFileName(const QString& executablePath)
{
    return QFileInfo(executablePath).completeBaseName() + copySuffix(executablePath) + QStringLiteral(".lnk");
}

} // namespace

QString folder()
{
    return windowsStartupFolder();
}

QString entryFileName(const QString& executablePath)
{
    // The Startup folder and the Task Manager's list show it: the program's own name.
    return applicationTitle() + copySuffix(executablePath) + QStringLiteral(".lnk");
}

bool create(const QString& executablePath)
{
    const QString start = folder();
    if (start.isEmpty() || !QDir(start).exists()) {
        return false;
    }
    if (!createWindowsShortcut(QDir::toNativeSeparators(QDir(start).filePath(entryFileName(executablePath))),
                               QDir::toNativeSeparators(executablePath), programDescription())) {
        return false;
    }
    // Two shortcuts would start the clock twice.
    QFile::remove(QDir(start).filePath(earlierEntryFileName(executablePath)));
    return true;
}

bool isRegistered(const QString& executablePath)
{
    const QString start = folder();
    if (start.isEmpty()) {
        return false;
    }
    const QDir startDir(start);
    return QFileInfo(startDir.filePath(entryFileName(executablePath))).isFile() ||
           QFileInfo(startDir.filePath(earlierEntryFileName(executablePath))).isFile();
}

bool remove(const QString& executablePath)
{
    const QString start = folder();
    if (start.isEmpty()) {
        return false;
    }
    const QDir startDir(start);
    const bool removed = QFile::remove(startDir.filePath(entryFileName(executablePath)));
    const bool earlierRemoved = QFile::remove(startDir.filePath(earlierEntryFileName(executablePath)));
    return removed || earlierRemoved;
}

} // namespace autostart
