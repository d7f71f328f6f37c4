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
