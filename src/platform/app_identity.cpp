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
    return icon;
}
