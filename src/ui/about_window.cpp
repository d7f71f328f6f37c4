#include "ui/about_window.h"

#include "core/artwork.h"
#include "platform/app_identity.h"
#include "platform/desktop_shell.h"
#include "ui/desktop_words.h"
#include "ui/questions.h"
#include "widgets/engraved_line.h"
#include "widgets/highlight_bar.h"
#include "widgets/image_button.h"
#include "widgets/label_style.h"

#include <QDir>
#include <QLabel>

namespace {

constexpr ColourRef white = 0x00FFFFFF;

} // namespace

AboutWindow::AboutWindow(DesktopShell& shell, Questions& questions, QString dataFolder)
    : PictureDialog(artwork::background::about), shell_(shell), questions_(questions),
      dataFolder_(std::move(dataFolder))
{
    setObjectName(QStringLiteral("aboutWindow"));
    auto* icon = new QLabel(this);
    icon->setGeometry(16, 32, 51, 51);
    icon->setPixmap(programIcon().pixmap(QSize(51, 51), devicePixelRatioF()));
    icon->setAccessibleName(applicationTitle());

    addLabel(this, desktop_words::productEdition(shell_.family()), {80, 32, 352, 20}, white, 15);
    addLabel(this, QStringLiteral("Version 3.000"), {80, 56, 217, 13}, white, 11.25);
    addLabel(this, QStringLiteral("Copyright (C) 2026 nekotokei project. All rights reserved."),
             {80, 80, 304, 14}, white, 8.25);
    // The code sits at the right under the separator; the IPA face is a little wider
    // than the one the window was laid out with, so the label grows to the left.
    addLabel(this, QStringLiteral("[QMFS-0314]"), {294, 104, 100, 14}, white, 9)
        ->setAlignment(Qt::AlignRight | Qt::AlignTop);
    addLabel(this, QStringLiteral("お問い合わせ"), {12, 112, 88, 15}, white, 9.75);
    addLabel(this, QStringLiteral("開発・配布元：nekotokei 　管理人：nekotokei"), {16, 152, 318, 17}, white,
             9.75);
    addEngravedLine(this, QPoint(10, 95), QPoint(388, 95), 0x00707070);

    makerLink_ = new HighlightBar(artwork::caption::makerSite, this);
    makerLink_->setObjectName(QStringLiteral("makerLink"));
    makerLink_->move(12, 128);
    makerLink_->setNormalColour(backgroundColour);
    connect(makerLink_, &HighlightBar::clicked, this, [this] { openLink(makerLink_, projectHomePage()); });

    guideLink_ = new HighlightBar(artwork::caption::guidePage, this);
    guideLink_->setObjectName(QStringLiteral("guideLink"));
    guideLink_->move(136, 128);
    guideLink_->setNormalColour(backgroundColour);
    connect(guideLink_, &HighlightBar::clicked, this,
            [this] { openLink(guideLink_, QUrl::fromLocalFile(userGuidePath(dataFolder_))); });

    addCloseButton(artwork::face::close, {336, 132})->setToolTip(QStringLiteral("閉じる"));
    connect(this, &PictureDialog::pointerOverBackground, this, [this] {
        makerLink_->unlight();
        guideLink_->unlight();
    });
}

void AboutWindow::openLink(HighlightBar* link, const QUrl& url)
{
    if (!shell_.openUrl(url)) {
        // A file as the system names it, not as a URL.
        const QString where =
            url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toDisplayString();
        questions_.showMessage(QStringLiteral("ページを開けませんでした。\n%1").arg(where));
    }
    link->unlight();
}
