#include "platform/app_identity.h"
#include "support/clicks.h"
#include "support/program_test.h"
#include "support/windows.h"
#include "ui/about_window.h"
#include "widgets/highlight_bar.h"
#include "widgets/image_button.h"

#include <QDir>
#include <QLabel>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using clicks::moveTo;

namespace {

// The guide is shipped, not a setting: it lies in the data folder.
class ProductWindow : public ProgramTest
{
protected:
    ProductWindow() : ProgramTest(u"/usr/share/nekotokei"_s) {}

    void SetUp() override
    {
        ASSERT_TRUE(app.start());
        window = dialogs.openAbout();
    }

    HighlightBar* makerLink() const { return child<HighlightBar>(window, "makerLink"); }
    HighlightBar* guideLink() const { return child<HighlightBar>(window, "guideLink"); }
    ImageButton* closeButton() const { return child<ImageButton>(window, "closeButton"); }

    void clickCaption(HighlightBar* link)
    {
        const QPoint at = link->captionRect().center();
        moveTo(link, at);
        QTest::mousePress(link, Qt::LeftButton, {}, at);
        QTest::mouseRelease(link, Qt::LeftButton, {}, at);
    }

    AboutWindow* window = nullptr;
};

TEST_F(ProductWindow, IsLaidOutAsDesigned)
{
    EXPECT_EQ(window->size(), QSize(402, 182));
    EXPECT_EQ(window->windowTitle(), u"製品情報"_s);
    EXPECT_EQ(makerLink()->geometry(), QRect(12, 128, 110, 15));
    EXPECT_EQ(guideLink()->geometry(), QRect(136, 128, 132, 15));
    EXPECT_EQ(closeButton()->geometry(), QRect(336, 132, 55, 40));
    EXPECT_EQ(closeButton()->toolTip(), u"閉じる"_s);
    EXPECT_EQ(makerLink()->backdropColour(), AboutWindow::backgroundColour);
    QStringList texts;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        texts.append(label->text());
    }
    EXPECT_TRUE(texts.contains(u"ふわまる ぽてりん Linux版"_s)) << texts.join(u'|').toStdString();
}

TEST_F(ProductWindow, LinksOpenTheirPagesAndGoDarkAtOnce)
{
    clickCaption(makerLink());
    EXPECT_FALSE(makerLink()->isLit());
    clickCaption(guideLink());
    ASSERT_EQ(desktop.shell.openedUrls.size(), 2);
    EXPECT_EQ(desktop.shell.openedUrls[0], projectHomePage());
    EXPECT_EQ(desktop.shell.openedUrls[1], QUrl::fromLocalFile(u"/usr/share/nekotokei/guide/index.html"_s));
    // The next move over the link lights it again.
    moveTo(guideLink(), guideLink()->captionRect().center());
    EXPECT_TRUE(guideLink()->isLit());
    EXPECT_EQ(guideLink()->backdropColour(), HighlightBar::highlightColour);
    EXPECT_TRUE(desktop.questions.messages.empty());

    // Without a browser the user hears why nothing happened.
    desktop.shell.browserAvailable = false;
    clickCaption(makerLink());
    ASSERT_EQ(desktop.questions.messages.size(), 1u);
    EXPECT_TRUE(desktop.questions.messages[0].text.startsWith(u"ページを開けませんでした。"_s));
    EXPECT_TRUE(desktop.questions.messages[0].text.contains(projectHomePage().toDisplayString()));
    // The guide is a file: named as the system names files, not as a URL.
    clickCaption(guideLink());
    ASSERT_EQ(desktop.questions.messages.size(), 2u);
    EXPECT_TRUE(desktop.questions.messages[1].text.endsWith(
        u"\n"_s + QDir::toNativeSeparators(u"/usr/share/nekotokei/guide/index.html"_s)))
        << desktop.questions.messages[1].text.toStdString();
}

TEST_F(ProductWindow, MovingOverTheBackgroundPutsBothLinksOut)
{
    moveTo(makerLink(), makerLink()->captionRect().center());
    moveTo(guideLink(), guideLink()->captionRect().center());
    moveTo(window, {380, 20});
    EXPECT_FALSE(makerLink()->isLit());
    EXPECT_FALSE(guideLink()->isLit());
}

TEST_F(ProductWindow, CloseButtonClosesAndTheMenuOpensOnlyOne)
{
    EXPECT_EQ(dialogs.openAbout(), window);
    clicks::click(closeButton());
    EXPECT_FALSE(window->isVisible());
}

} // namespace
