#pragma once

#include <QIcon>
#include <QString>
#include <QUrl>

// Gives the process its name, version and desktop entry, before anything asks for them:
// the user's settings folder is named after the program.
void nameApplication();

// The program's name as its windows show it: the title of message boxes without a
// caption of their own, the tray icon's tip.
QString applicationTitle();

// What the program is, in a few words: the tip of its shortcuts.
QString programDescription();

// The project's home page, which the product window's maker link opens.
QUrl projectHomePage();

// The user guide in the folder of the files shipped with the program.
QString userGuidePath(const QString& dataFolder);

// The program's icon, in all its sizes: windows, the notification area, launchers. Named
// after the desktop entry where the icon theme holds it (the program is installed).
QIcon programIcon();
