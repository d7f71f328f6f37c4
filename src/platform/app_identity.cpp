#include "platform/app_identity.h"

QString applicationTitle()
{
    return QStringLiteral("ふわまる　ぽてりん");
}
