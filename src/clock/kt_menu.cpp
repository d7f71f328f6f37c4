#include "clock/kt_menu.h"

#include "clock/form1.h"
#include "platform/platform.h"
#include "settings_ui/form3.h"
#include "settings_ui/seihin.h"

KT_Menu::KT_Menu(Form1& form1) : form1_(form1) {}

QStringList KT_Menu::captions()
{
    return {QStringLiteral("設定"), QStringLiteral("製品情報"), QStringLiteral("-"),
            QStringLiteral("終  了")};
}

void KT_Menu::open(QPoint at)
{
    switch (form1_.platform().popupMenu(captions(), at)) {
    case SoftSet:
        SoftSet_Click();
        break;
    case SoftInfo:
        SoftInfo_Click();
        break;
    case SoftEnd:
        SoftEnd_Click();
        break;
    default:
        break;
    }
}

void KT_Menu::SoftSet_Click()
{
    form1_.setEnabled(false);
    form1_.Fm3Show = 1;
    Form3::open(form1_);
}

void KT_Menu::SoftInfo_Click()
{
    Seihin::open(form1_);
}

void KT_Menu::SoftEnd_Click()
{
    form1_.savePosition();
    form1_.clearMask();
    form1_.removeTrayIcon();
    form1_.close();
}
