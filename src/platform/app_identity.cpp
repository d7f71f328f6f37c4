#include "platform/app_identity.h"

#include "core/artwork.h"

QString applicationTitle()
{
    return QStringLiteral("ふわまる　ぽてりん");
}

QUrl projectHomePage()
{
    return QUrl(QStringLiteral("https://github.com/nekotokei/nekotokei"));
}

QString userGuidePath(const QString& programFolder)
{
    return programFolder + QStringLiteral("/guide/index.html");
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : artwork::iconSizes) {
        icon.addFile(artwork::resource(artwork::icon(size)));
    }
    return icon;
}
