#include "platform/autostart.h"

#include "core/atomic_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include "platform/windows_shortcut.h"
#endif

namespace autostart {

namespace {

// Tells copies of the program apart: the same for one executable path, different for
// another folder.
QString copySuffix(const QString& executablePath)
{
    const QByteArray path = QFileInfo(executablePath).absoluteFilePath().toUtf8();
    return u'-' +
           QString::fromLatin1(QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex().left(8));
}

} // namespace

QString execArgument(const QString& path)
{
    // Inside double quotes, a backslash, double quote, backquote or dollar sign must be
    // escaped with a backslash.
    QString quoted;
    for (const QChar c : path) {
        if (c == u'\\' || c == u'"' || c == u'`' || c == u'$') {
            quoted += u'\\';
        }
        quoted += c;
    }
    quoted = u'"' + quoted + u'"';
    // A percent sign would start a field code.
    quoted.replace(u'%', QStringLiteral("%%"));
    // Then the escapes of a string value: backslashes doubled, control characters named.
    QString value;
    for (const QChar c : quoted) {
        switch (c.unicode()) {
        case u'\\':
            value += QStringLiteral("\\\\");
            break;
        case u'\n':
            value += QStringLiteral("\\n");
            break;
        case u'\t':
            value += QStringLiteral("\\t");
            break;
        case u'\r':
            value += QStringLiteral("\\r");
            break;
        default:
            value += c;
        }
    }
    return value;
}

QByteArray desktopEntry(const QString& executablePath)
{
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=nekotokei\n"
                                         "Comment=Desktop cat clock\n"
                                         "Exec=%1\n"
                                         "Terminal=false\n")
                              .arg(execArgument(executablePath));
    return entry.toUtf8();
}

#ifdef Q_OS_WIN

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

#else

QString folder()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config)) {
        const QString home = qEnvironmentVariable("HOME");
        if (home.isEmpty()) {
            return {};
        }
        config = home + QStringLiteral("/.config");
    }
    return config + QStringLiteral("/autostart");
}

QString entryFileName(const QString& executablePath)
{
    return QFileInfo(executablePath).fileName() + copySuffix(executablePath) + QStringLiteral(".desktop");
}

bool create(const QString& executablePath)
{
    const QString start = folder();
    if (start.isEmpty() || !QDir().mkpath(start)) {
        return false;
    }
    return replaceFileContent(QDir(start).filePath(entryFileName(executablePath)),
                              desktopEntry(executablePath)) == std::nullopt;
}

#endif

bool remove(const QString& executablePath)
{
    const QString start = folder();
    if (start.isEmpty()) {
        return false;
    }
    bool removed = QFile::remove(QDir(start).filePath(entryFileName(executablePath)));
#ifndef Q_OS_WIN
    QFile unsuffixed(QDir(start).filePath(QFileInfo(executablePath).fileName() + QStringLiteral(".desktop")));
    if (unsuffixed.open(QIODevice::ReadOnly) && unsuffixed.readAll() == desktopEntry(executablePath)) {
        unsuffixed.close();
        removed = unsuffixed.remove() || removed;
    }
#endif
    return removed;
}

} // namespace autostart
