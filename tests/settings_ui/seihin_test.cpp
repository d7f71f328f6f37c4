#include "clock/form1.h"
#include "platform/app_identity.h"
#include "settings_ui/seihin.h"
#include "support/clicks.h"
#include "support/fake_platform.h"
#include "support/temp_program_folder.h"
#include "widgets/highlight_bar.h"
#include "widgets/image_button.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using clicks::moveTo;

namespace {

class ProductWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(clock.start());
        window = Seihin::open(clock);
    }
    void TearDown() override { delete clock.windows.seihin.data(); }

    void clickCaption(HighlightBar* link)
    {
        const QPoint at = link->captionRect().center();
        moveTo(link, at);
        QTest::mousePress(link, Qt::LeftButton, {}, at);
        QTest::mouseRelease(link, Qt::LeftButton, {}, at);
    }

    TempProgramFolder folder;
    FakePlatform platform{folder.path()};
    Form1 clock{platform};
    Seihin* window = nullptr;
};

TEST_F(ProductWindow, IsLaidOutAsDesigned)
{
    EXPECT_EQ(window->size(), QSize(402, 182));
    EXPECT_EQ(window->windowTitle(), u"製品情報"_s);
    EXPECT_EQ(window->makerLink()->geometry(), QRect(12, 128, 110, 15));
    EXPECT_EQ(window->guideLink()->geometry(), QRect(136, 128, 132, 15));
    EXPECT_EQ(window->closeButton()->geometry(), QRect(336, 132, 55, 40));
    EXPECT_EQ(window->closeButton()->toolTip(), u"閉じる"_s);
    EXPECT_EQ(window->makerLink()->backdropColour(), Seihin::backgroundColour);
}

TEST_F(ProductWindow, LinksOpenTheirPagesAndGoDarkAtOnce)
{
    clickCaption(window->makerLink());
    EXPECT_FALSE(window->makerLink()->isLit());
    clickCaption(window->guideLink());
    ASSERT_EQ(platform.openedUrls.size(), 2);
    EXPECT_EQ(platform.openedUrls[0], projectHomePage());
    EXPECT_EQ(platform.openedUrls[1], QUrl::fromLocalFile(folder.path() + u"/guide/index.html"_s));
    // The next move over the link lights it again.
    moveTo(window->guideLink(), window->guideLink()->captionRect().center());
    EXPECT_TRUE(window->guideLink()->isLit());
    EXPECT_EQ(window->guideLink()->backdropColour(), HighlightBar::highlightColour);
}

TEST_F(ProductWindow, MovingOverTheBackgroundPutsBothLinksOut)
{
    moveTo(window->makerLink(), window->makerLink()->captionRect().center());
    moveTo(window->guideLink(), window->guideLink()->captionRect().center());
    moveTo(window, {380, 20});
    EXPECT_FALSE(window->makerLink()->isLit());
    EXPECT_FALSE(window->guideLink()->isLit());
}

TEST_F(ProductWindow, CloseButtonClosesAndTheMenuOpensOnlyOne)
{
    EXPECT_EQ(Seihin::open(clock), window);
    clicks::click(window->closeButton());
    EXPECT_FALSE(window->isVisible());
}

} // namespace
