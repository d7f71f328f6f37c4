#include "core/artwork.h"
#include "widgets/contains_pointer.h"
#include "widgets/image_button.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(ContainsPointer, LeftAndTopEdgesAreInsideRightAndBottomOutside)
{
    const QSize size(40, 30);
    const std::pair<QPointF, bool> cases[] = {
        {{0, 0}, true},    {{39, 29}, true},  {{40, 10}, false},  {{10, 30}, false}, {{-1, 10}, false},
        {{10, -1}, false}, {{39.4, 5}, true}, {{39.6, 5}, false}, {{-0.4, 5}, true}, {{-0.6, 5}, false},
    };
    for (const auto& [point, inside] : cases) {
        EXPECT_EQ(containsPointer(size, point), inside) << point.x() << "," << point.y();
    }
}

// A window with two buttons side by side that share the window's pressed flag.
class ImageButtonStates : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(200, 100);
        first.move(10, 10);
        second.move(50, 10);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QObject::connect(&first, &ImageButton::clicked, [this] { ++firstActions; });
        QObject::connect(&second, &ImageButton::clicked, [this] { ++secondActions; });
    }

    // A move with the given buttons held, delivered the way the window system would.
    void moveTo(QWidget* target, QPoint at, Qt::MouseButtons held = Qt::NoButton)
    {
        QMouseEvent event(QEvent::MouseMove, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::NoButton,
                          held, {});
        QApplication::sendEvent(target, &event);
    }

    ButtonPress press;
    QWidget window;
    const ButtonFace face = ButtonFace::load(artwork::face::alarms);
    ImageButton first{face, press, &window};
    ImageButton second{face, press, &window};
    int firstActions = 0;
    int secondActions = 0;
};

TEST_F(ImageButtonStates, HoverPressAndReleaseOverTheButtonActs)
{
    EXPECT_EQ(first.look(), ImageButton::Look::Normal);
    moveTo(&first, {5, 5});
    EXPECT_EQ(first.look(), ImageButton::Look::Hover);
    EXPECT_EQ(first.cursor().shape(), Qt::UpArrowCursor);
    QTest::mousePress(&first, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(first.look(), ImageButton::Look::Pressed);
    EXPECT_TRUE(press.isHeld());
    EXPECT_EQ(first.picture().toImage(), face.pressed.at(1).toImage());
    QTest::mouseRelease(&first, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(firstActions, 1);
    // Released, it is held no more: the pointer over it shows the hover picture.
    EXPECT_FALSE(press.isHeld());
    moveTo(&first, {6, 6});
    EXPECT_EQ(first.look(), ImageButton::Look::Hover);
}

TEST_F(ImageButtonStates, TheKeyboardFocusShowsAMarkAndSpaceOrEnterActs)
{
    second.setFocus(Qt::OtherFocusReason);
    const QImage plain = first.grab().toImage();
    const auto marked = [&] {
        return first.grab().toImage() != plain;
    };
    struct Case
    {
        Qt::FocusReason reason;
        bool mark;
    };
    for (const Case& c : {Case{Qt::MouseFocusReason, false}, Case{Qt::ActiveWindowFocusReason, false},
                          Case{Qt::TabFocusReason, true}, Case{Qt::BacktabFocusReason, true}}) {
        second.setFocus(Qt::OtherFocusReason);
        first.setFocus(c.reason);
        EXPECT_EQ(marked(), c.mark) << c.reason;
    }
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(&first, key);
    }
    QTest::keyClick(&first, Qt::Key_A);
    EXPECT_EQ(firstActions, 3);
    // Space holds it down, pressed picture and all, and clicks as it comes up.
    QTest::keyPress(&first, Qt::Key_Space);
    EXPECT_EQ(first.look(), ImageButton::Look::Pressed);
    EXPECT_EQ(firstActions, 3);
    QTest::keyRelease(&first, Qt::Key_Space);
    EXPECT_EQ(first.look(), ImageButton::Look::Normal);
    EXPECT_EQ(firstActions, 4);
    second.setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(marked());
}

TEST_F(ImageButtonStates, AnyMouseButtonPresses)
{
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(&first, button, {}, {5, 5});
        EXPECT_EQ(first.look(), ImageButton::Look::Pressed);
        EXPECT_TRUE(press.isHeld());
        QTest::mouseRelease(&first, button, {}, {5, 5});
    }
    EXPECT_EQ(firstActions, 2);
}

TEST_F(ImageButtonStates, DraggingOffAndReleasingDoesNothing)
{
    QTest::mousePress(&first, Qt::LeftButton, {}, {5, 5});
    moveTo(&first, {60, 5}, Qt::LeftButton);
    EXPECT_EQ(first.look(), ImageButton::Look::Normal);
    EXPECT_FALSE(press.isHeld());
    EXPECT_EQ(first.cursor().shape(), Qt::ArrowCursor);
    QTest::mouseRelease(&first, Qt::LeftButton, {}, {60, 5});
    EXPECT_EQ(firstActions, 0);
}

TEST_F(ImageButtonStates, DraggingBackInShowsHoverAndReleaseActs)
{
    QTest::mousePress(&first, Qt::LeftButton, {}, {5, 5});
    moveTo(&first, {-3, 5}, Qt::LeftButton);
    moveTo(&first, {6, 6}, Qt::LeftButton);
    EXPECT_EQ(first.look(), ImageButton::Look::Hover);
    QTest::mouseRelease(&first, Qt::LeftButton, {}, {6, 6});
    EXPECT_EQ(firstActions, 1);
}

TEST_F(ImageButtonStates, EdgesCountAsContainsPointerSays)
{
    moveTo(&first, {0, 0});
    EXPECT_EQ(first.look(), ImageButton::Look::Hover);
    moveTo(&first, {first.width(), 0});
    EXPECT_EQ(first.look(), ImageButton::Look::Normal);
    moveTo(&first, {0, first.height() - 1});
    EXPECT_EQ(first.look(), ImageButton::Look::Hover);
    moveTo(&first, {0, first.height()});
    EXPECT_EQ(first.look(), ImageButton::Look::Normal);
}

TEST_F(ImageButtonStates, LeavingPutsTheNormalPictureBackAndReportsIt)
{
    std::vector<bool> reports;
    QObject::connect(&first, &ImageButton::hovered, [&](bool inside) { reports.push_back(inside); });
    moveTo(&first, {5, 5});
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&first, &leave);
    EXPECT_EQ(first.look(), ImageButton::Look::Normal);
    EXPECT_EQ(reports, (std::vector<bool>{true, false}));
}

TEST_F(ImageButtonStates, ThePressedFlagIsSharedByTheWindowsButtons)
{
    QTest::mousePress(&first, Qt::LeftButton, {}, {5, 5});
    moveTo(&second, {5, 5}, Qt::LeftButton);
    EXPECT_EQ(second.look(), ImageButton::Look::Pressed);
    moveTo(&first, {-5, 5}, Qt::LeftButton);
    EXPECT_FALSE(press.isHeld());
    moveTo(&second, {6, 5});
    EXPECT_EQ(second.look(), ImageButton::Look::Hover);
}

} // namespace
