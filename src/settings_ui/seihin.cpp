#include "settings_ui/seihin.h"

#include "clock/form1.h"
#include "platform/app_identity.h"
#include "platform/platform.h"
#include "widgets/highlight_bar.h"
#include "widgets/image_button.h"
#include "widgets/label_style.h"
#include "widgets/line_pair.h"

#include <QLabel>

namespace {

constexpr ColourRef white = 0x00FFFFFF;

} // namespace

Seihin* Seihin::open(Form1& form1)
{
    if (Seihin* open = form1.windows.seihin) {
        open->raise();
        open->activateWindow();
        return open;
    }
    auto* window = new Seihin(form1);
    form1.windows.seihin = window;
    window->showCentred();
    return window;
}

Seihin::Seihin(Form1& form1)
    : PictureDialog(QStringLiteral("Seihin"), QStringLiteral("製品情報")), form1_(form1)
{
    auto* Image1 = new QLabel(this);
    Image1->setGeometry(16, 32, 51, 51);
    Image1->setPixmap(QPixmap(QStringLiteral(":/icon/icon64.png"))
                          .scaled(51, 51, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));

    addLabel(this, QStringLiteral("ふわまる ぽてりん Windows版"), {80, 32, 352, 20}, white, 15);
    addLabel(this, QStringLiteral("Version 3.000"), {80, 56, 217, 13}, white, 11.25);
    addLabel(this, QStringLiteral("Copyright (C) 2026 nekotokei project. All rights reserved."),
             {80, 80, 304, 11}, white, 8.25);
    // The code sits at the right under the separator; the IPA face is a little wider
    // than the one the window was laid out with, so the label grows to the left.
    addLabel(this, QStringLiteral("[QMFS-0314]"), {294, 104, 100, 14}, white, 9)
        ->setAlignment(Qt::AlignRight | Qt::AlignTop);
    addLabel(this, QStringLiteral("お問い合わせ"), {12, 112, 88, 15}, white, 9.75);
    addLabel(this, QStringLiteral("開発・配布元：nekotokei 　管理人：nekotokei"), {16, 152, 318, 17}, white,
             9.75);
    addEngravedLine(this, QPoint(10, 95), QPoint(388, 95), 0x00707070);

    Btn1a = new HighlightBar(QStringLiteral("Btn1a"), this);
    Btn1a->move(12, 128);
    Btn1a->setNormalColour(backgroundColour);
    connect(Btn1a, &HighlightBar::released, this, [this] { openLink(Btn1a, projectHomePage()); });

    Btn2a = new HighlightBar(QStringLiteral("Btn2a"), this);
    Btn2a->move(136, 128);
    Btn2a->setNormalColour(backgroundColour);
    connect(Btn2a, &HighlightBar::released, this, [this] {
        openLink(Btn2a, QUrl::fromLocalFile(userGuidePath(form1_.platform().programFolder())));
    });

    Btn_CloseS = new ImageButton(ButtonFace::load(QStringLiteral("Close")), BtnDown, this);
    Btn_CloseS->move(336, 132);
    Btn_CloseS->setToolTip(QStringLiteral("閉じる"));
    connect(Btn_CloseS, &ImageButton::released, this, [this] {
        BtnDown = 0;
        close();
    });
    setMouseTracking(true);
}

void Seihin::openLink(HighlightBar* link, const QUrl& url)
{
    form1_.platform().openUrl(url);
    link->unlight();
}

void Seihin::mouseMoveEvent(QMouseEvent* event)
{
    Btn1a->unlight();
    Btn2a->unlight();
    PictureDialog::mouseMoveEvent(event);
}
