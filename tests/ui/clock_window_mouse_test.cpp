#include "support/program_test.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ClockMouse : public ProgramTest
{
protected:
    void SetUp() override
    {
        folder.write(u"fomit.zdt"_s, "1500,1500\r\n");
        folder.write(u"set1.zdt"_s, "1,0\r\n");
        ASSERT_TRUE(app.start());
    }

    // A point inside the cat, away from the transparent corners.
    QPoint inside() const { return QPoint(clock.width() / 2, clock.height() / 2); }
};

TEST_F(ClockMouse, AnyButtonReleaseWritesThePosition)
{
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton}) {
        folder.write(u"fomit.zdt"_s, "0,0\r\n");
        QTest::mousePress(&clock, button, {}, inside());
        QTest::mouseRelease(&clock, button, {}, inside());
        EXPECT_EQ(folder.read(u"fomit.zdt"_s), "1500,1500\r\n") << button;
    }
}

TEST_F(ClockMouse, DraggingWithTheLeftButtonMovesTheWindowAndRemembersIt)
{
    const QPoint start = clock.pos();
    dragClock(QPoint(30, 20));

    EXPECT_EQ(clock.pos(), start + QPoint(30, 20));
    EXPECT_EQ(folder.read(u"fomit.zdt"_s), "1950,1800\r\n");
}

TEST_F(ClockMouse, ADragKeepsThePressedPixelUnderThePointerWhereverTheWindowSystemPutTheClock)
{
    // The window system has put the clock 400,300 away and the clock has not heard yet:
    // the press names the screen point where the user saw it.
    const QPoint placed = clock.pos() + QPoint(400, 300);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(inside()), QPointF(inside()),
                      QPointF(placed + inside()), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(&clock, &press);
    QMouseEvent drag(QEvent::MouseMove, QPointF(inside()), QPointF(inside()),
                     QPointF(placed + inside() + QPoint(30, 20)), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&clock, &drag);

    EXPECT_EQ(clock.pos(), placed + QPoint(30, 20));
}

TEST_F(ClockMouse, OtherButtonsDoNotDrag)
{
    const QPoint start = clock.pos();
    QTest::mousePress(&clock, Qt::RightButton, {}, inside());
    QMouseEvent drag(QEvent::MouseMove, QPointF(inside() + QPoint(30, 20)),
                     QPointF(clock.mapToGlobal(inside() + QPoint(30, 20))), Qt::NoButton, Qt::RightButton,
                     {});
    QApplication::sendEvent(&clock, &drag);
    QTest::mouseRelease(&clock, Qt::RightButton, {}, inside() + QPoint(30, 20));
    EXPECT_EQ(clock.pos(), start);
}

TEST_F(ClockMouse, ClosingWritesThePositionAndRemovesTheOutline)
{
    // A move once the user has dragged the clock (the window manager's, by the keyboard).
    dragClock(QPoint(10, 0));
    clock.move(200, 100);
    folder.write(u"fomit.zdt"_s, "0,0\r\n");

    clock.close();

    EXPECT_FALSE(clock.isVisible());
    EXPECT_EQ(folder.read(u"fomit.zdt"_s), "3000,1500\r\n");
    EXPECT_TRUE(clock.mask().isEmpty());
}

} // namespace

#ifdef Q_OS_LINUX
#include "support/file_size_limit.h"

namespace {

TEST_F(ClockMouse, APositionThatCannotBeWrittenIsReportedAndTheClockRunsOn)
{
    {
        const FileSizeLimit limit(4);
        QTest::mousePress(&clock, Qt::RightButton, {}, inside());
        QTest::mouseRelease(&clock, Qt::RightButton, {}, inside());
    }
    EXPECT_EQ(folder.read(u"fomit.zdt"_s), "1500,1500\r\n");
    ASSERT_FALSE(desktop.questions.messages.empty());
    EXPECT_TRUE(desktop.questions.messages[0].text.contains(u"fomit.zdt"_s));
    EXPECT_TRUE(clock.isVisible());
    const QImage before = clock.face().image();
    desktop.clock.setNow(QDateTime(QDate(2024, 5, 17), QTime(9, 5, 1)));
    heartbeat.beat();
    EXPECT_NE(clock.face().image(), before); // the second hand moved on
}

// A log-out or SIGTERM closes the clock; nobody may be there to answer a message box.
TEST(ClockEnd, APositionThatCannotBeWrittenDoesNotHoldUpTheEnd)
{
    for (const bool fromMenu : {false, true}) {
        TempProgramFolder folder;
        FakeDesktop desktop(folder.path());
        Application app(desktop.parts());
        ASSERT_TRUE(app.start());
        {
            const FileSizeLimit limit(4);
            if (fromMenu) {
                app.quit();
            } else {
                app.clockWindow().close();
            }
        }
        EXPECT_TRUE(desktop.questions.messages.empty()) << fromMenu;
        EXPECT_FALSE(app.clockWindow().isVisible()) << fromMenu;
        EXPECT_EQ(folder.read(u"fomit.zdt"_s), "1500,1500\r\n");
    }
}

} // namespace
#endif
