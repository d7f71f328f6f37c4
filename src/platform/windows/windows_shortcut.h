#pragma once

#include <QString>

// The user's Startup folder (what the desktop starts when the user logs on), or an
// empty string when Windows cannot name it.
QString windowsStartupFolder();

// Writes a Windows shortcut (.lnk) at `shortcutPath` that starts `targetPath` in the
// target's folder, with the target's icon and `description` as its tip, replacing one of
// that name. True when it was saved.
bool createWindowsShortcut(const QString& shortcutPath, const QString& targetPath,
                           const QString& description);
