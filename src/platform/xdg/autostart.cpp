#include "platform/autostart.h"

#include "core/atomic_file.h"
#include "platform/xdg/desktop_entry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace autostart {

QString escapedString(const QString& value)
{
    QString escaped;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'\\':
            escaped += QStringLiteral("\\\\");
            break;
        case u'\n':
            escaped += QStringLiteral("\\n");
            break;
        case u'\t':
            escaped += QStringLiteral("\\t");
            break;
        case u'\r':
            escaped += QStringLiteral("\\r");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

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
    // Then the escapes of a string value.
    return escapedString(quoted);
}

QByteArray desktopEntry(const QString& executablePath)
{
    // TryExec: once the program is gone (its package removed, its folder deleted), the
    // desktop passes the entry by instead of failing to start it at every log-on.
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=nekotokei\n"
                                         "Comment=Desktop cat clock\n"
                                         "TryExec=%1\n"
                                         "Exec=%2\n"
                                         "Terminal=false\n")
                              .arg(escapedString(executablePath), execArgument(executablePath));
    return entry.toUtf8();
}

bool startsProgram(const QByteArray& entry, const QString& executablePath)
{
    bool inMainGroup = false;
    bool starts = false;
    bool hidden = false;
    for (const QByteArray& bytes : entry.split('\n')) {
        const QString line = QString::fromUtf8(bytes).trimmed();
        if (line.startsWith(u'[')) {
            inMainGroup = line == u"[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inMainGroup || equals < 0) {
            continue;
        }
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == u"Exec") {
            starts = value == execArgument(executablePath);
        } else if (key == u"Hidden" || key == u"X-GNOME-Autostart-enabled") {
            // Either says that the desktop is to leave the entry alone.
            hidden = hidden || value == (key == u"Hidden" ? u"true" : u"false");
        }
    }
    return starts && !hidden;
}

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

namespace {

// The entries that may start this copy: its own, and one named after the executable
// alone, as earlier versions named it.
QStringList candidateEntries(const QString& start, const QString& executablePath)
{
    return {QDir(start).filePath(entryFileName(executablePath)),
            QDir(start).filePath(QFileInfo(executablePath).fileName() + QStringLiteral(".desktop"))};
}

bool entryStarts(const QString& path, const QString& executablePath)
{
    QFile entry(path);
    return entry.open(QIODevice::ReadOnly) && startsProgram(entry.read(1 << 16), executablePath);
}

} // namespace

bool isRegistered(const QString& executablePath)
{
    const QString start = folder();
    if (start.isEmpty()) {
        return false;
    }
    const QStringList entries = candidateEntries(start, executablePath);
    return std::any_of(entries.begin(), entries.end(),
                       [&](const QString& entry) { return entryStarts(entry, executablePath); });
}

bool remove(const QString& executablePath)
{
    const QString start = folder();
    if (start.isEmpty()) {
        return false;
    }
    bool removed = QFile::remove(QDir(start).filePath(entryFileName(executablePath)));
    const QString unsuffixed = candidateEntries(start, executablePath).back();
    if (entryStarts(unsuffixed, executablePath)) {
        removed = QFile::remove(unsuffixed) || removed;
    }
    return removed;
}

} // namespace autostart
