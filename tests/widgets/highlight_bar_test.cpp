#include "core/artwork.h"
#include "widgets/highlight_bar.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class HighlightBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(200, 60);
        bar.move(20, 20);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QObject::connect(&bar, &HighlightBar::clicked, [this] { ++releases; });
        QObject::connect(&bar, &HighlightBar::letGo, [this] { ++letGoes; });
    }

    void moveTo(QPoint at)
    {
        QMouseEvent event(QEvent::MouseMove, QPointF(at), QPointF(bar.mapToGlobal(at)), Qt::NoButton,
                          Qt::NoButton, {});
        QApplication::sendEvent(&bar, &event);
    }

    QColor backdropPixel() { return bar.grab().toImage().pixelColor(2, 7); }

    QWidget window;
    HighlightBar bar{artwork::caption::addAlarm, &window};
    int releases = 0;
    int letGoes = 0;
};

TEST_F(HighlightBarTest, ReachesEightPixelsBeyondItsCaption)
{
    const QSize caption = bar.caption().size();
    EXPECT_EQ(caption, QSize(83, 13));
    EXPECT_EQ(bar.size(), QSize(caption.width() + 16, 15));
    EXPECT_EQ(bar.captionRect(), QRect(QPoint(8, 1), caption));
}

TEST_F(HighlightBarTest, LightsWhileThePointerIsOverTheCaption)
{
    EXPECT_EQ(backdropPixel(), QColor(46, 46, 46));
    moveTo({10, 5});
    EXPECT_TRUE(bar.isLit());
    EXPECT_EQ(backdropPixel(), QColor(116, 132, 207));
    EXPECT_EQ(bar.cursor().shape(), Qt::UpArrowCursor);
    moveTo({3, 5}); // on the backdrop beside the caption
    EXPECT_FALSE(bar.isLit());
    EXPECT_EQ(bar.cursor().shape(), Qt::ArrowCursor);
    moveTo({10, 5});
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&bar, &leave);
    EXPECT_FALSE(bar.isLit());
}

TEST_F(HighlightBarTest, OwnNormalColour)
{
    bar.setNormalColour(0x00404040);
    EXPECT_EQ(backdropPixel(), QColor(64, 64, 64));
}

TEST_F(HighlightBarTest, ReleaseActsOnlyOverTheCaption)
{
    QTest::mousePress(&bar, Qt::LeftButton, {}, {10, 5});
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, {10, 5});
    EXPECT_EQ(releases, 1);
    QTest::mousePress(&bar, Qt::LeftButton, {}, {10, 5});
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, {150, 5});
    EXPECT_EQ(releases, 1);
    EXPECT_EQ(letGoes, 2);
    QTest::mousePress(&bar, Qt::LeftButton, {}, {2, 5}); // the backdrop is no button
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, {2, 5});
    EXPECT_EQ(letGoes, 2);
}

} // namespace
