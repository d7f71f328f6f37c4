#include "ui/desktop_words.h"

namespace desktop_words {

QString productEdition(DesktopFamily family)
{
    switch (family) {
    case DesktopFamily::Windows:
        return QStringLiteral("ふわまる ぽてりん Windows版");
    case DesktopFamily::Freedesktop:
        break;
    }
    return QStringLiteral("ふわまる ぽてりん Linux版");
}

QString startupRegistrationHelp(DesktopFamily family)
{
    switch (family) {
    case DesktopFamily::Windows:
        return QStringLiteral("スタートアップにぽてりんを登録します。\r\n"
                              "Windows起動時に自動的にぽてりんが起動します。");
    case DesktopFamily::Freedesktop:
        break;
    }
    return QStringLiteral("スタートアップにぽてりんを登録します。\r\n"
                          "ログイン時に自動的にぽてりんが起動します。");
}

} // namespace desktop_words
