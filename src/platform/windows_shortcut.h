#pragma once

#include <QString>

// Writes a Windows shortcut (.lnk) at `shortcutPath` that starts `targetPath`,
// replacing one of that name. True when it was saved.
bool createWindowsShortcut(const QString& shortcutPath, const QString& targetPath);
