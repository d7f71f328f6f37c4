#pragma once

#include <QIcon>
#include <QString>
#include <QUrl>

// The title that message boxes without a caption of their own show.
QString applicationTitle();

// The project's home page, which the product window's maker link opens.
QUrl projectHomePage();

// The user guide installed beside the executable.
QString userGuidePath(const QString& programFolder);

// The program's icon, in all its sizes: windows, the notification area, launchers.
QIcon programIcon();
