#include "platform/app_identity.h"

#include "core/artwork.h"

#include <QGuiApplication>

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("nekotokei"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NEKOTOKEI_VERSION));
    // Desktops match the windows to the installed desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(NEKOTOKEI_APP_ID));
}

QString applicationTitle()
{
    return QStringLiteral("ふわまる　ぽてりん");
}

QString programDescription()
{
    return QStringLiteral("猫の形のデスクトップ時計");
}

QUrl projectHomePage()
{
    return QUrl(QStringLiteral("https://github.com/nekotokei/nekotokei"));
}

QString userGuidePath(const QString& dataFolder)
{
    return dataFolder + QStringLiteral("/guide/index.html");
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : artwork::iconSizes) {
        icon.addFile(artwork::resource(artwork::icon(size)));
    }
    // Installed, the icon is in the desktop's icon theme under the desktop entry's name:
    // the icon then carries that name, which panels look up first (a StatusNotifier host
    // that gets none may show a placeholder).
    return QIcon::fromTheme(QStringLiteral(NEKOTOKEI_APP_ID), icon);
}
