#include "platform/app_identity.h"

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
    for (const int size : {32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icon/icon%1.png").arg(size));
    }
    return icon;
}
