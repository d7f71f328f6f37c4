#include "platform/fonts.h"

#include <QFont>
#include <QStringList>

using namespace Qt::StringLiterals;

void installFontSubstitutions()
{
    QFont::insertSubstitutions(u"ＭＳ ゴシック"_s,
                               QStringList{u"MS Gothic"_s, u"IPAGothic"_s, u"IPAゴシック"_s});
    QFont::insertSubstitutions(u"ＭＳ Ｐゴシック"_s,
                               QStringList{u"MS PGothic"_s, u"IPAPGothic"_s, u"IPAPゴシック"_s});
}
