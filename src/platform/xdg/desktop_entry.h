#pragma once

#include <QByteArray>
#include <QString>

// The desktop entries of the XDG autostart folder that start the program.
namespace autostart {

// The desktop entry that starts `executablePath`, and passes it by when that
// file is gone.
QByteArray desktopEntry(const QString& executablePath);

// Whether a desktop entry starts `executablePath` at log-on.
bool startsProgram(const QByteArray& entry, const QString& executablePath);

// A value with the escapes of a desktop entry's string values.
QString escapedString(const QString& value);

// A path as one argument of a desktop entry's Exec key: quoted, with the characters
// that quoting and the key's string escapes require escaped.
QString execArgument(const QString& path);

} // namespace autostart
