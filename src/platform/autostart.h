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

// The entry's file name for an executable: on Linux its file name, on Windows the
// program's name (what the Startup folder shows), then a dash, eight hexadecimal digits
// that tell copies in different folders apart, and the entry's extension.
QString entryFileName(const QString& executablePath);

// Creates (or rewrites) the entry; true when it was written.
bool create(const QString& executablePath);

// Deletes the entry; true when there was one and it is gone. An entry of the name earlier
// versions gave it goes too (on Linux the base name alone, when it starts this copy; on
// Windows the executable's base name with the suffix).
bool remove(const QString& executablePath);

// Whether the desktop starts this copy when the user logs on: its entry is there (on
// Linux: it starts this executable, and the desktop has not been told to hide it).
bool isRegistered(const QString& executablePath);

// The part of an entry's name that tells copies apart: a dash and eight hexadecimal
// digits, the same for one executable path, different for another folder.
QString copySuffix(const QString& executablePath);

} // namespace autostart
