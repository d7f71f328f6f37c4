#pragma once

#include <QString>

// Starting the program when the user logs on: an entry in the desktop's start-up
// folder named after the executable, which starts the executable by its full path.
// Every copy of the program has an entry of its own: a copied folder is another clock.
// On Linux that is a desktop entry in the XDG autostart folder; on Windows a shortcut
// in the user's Startup folder.
namespace autostart {

// The start-up folder, or an empty string when it cannot be determined.
QString folder();

// The entry's file name for an executable: its base name, a dash, eight hexadecimal
// digits that tell copies in different folders apart, and the entry's extension.
QString entryFileName(const QString& executablePath);

// Creates (or rewrites) the entry; true when it was written.
bool create(const QString& executablePath);

// Deletes the entry; true when there was one and it is gone. An entry named after the
// base name alone (as earlier versions named it) goes too when it starts this copy.
bool remove(const QString& executablePath);

// Whether the desktop starts this copy when the user logs on: its entry is there (on
// Linux: it starts this executable, and the desktop has not been told to hide it).
bool isRegistered(const QString& executablePath);

// The desktop entry that starts `executablePath` (Linux), and passes it by when that
// file is gone.
QByteArray desktopEntry(const QString& executablePath);

// Whether a desktop entry starts `executablePath` at log-on (Linux).
bool startsProgram(const QByteArray& entry, const QString& executablePath);

// A value with the escapes of a desktop entry's string values.
QString escapedString(const QString& value);

// A path as one argument of a desktop entry's Exec key: quoted, with the characters
// that quoting and the key's string escapes require escaped.
QString execArgument(const QString& path);

} // namespace autostart
