#include "core/artwork.h"
#include "widgets/picture_dialog.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class DialogDrag : public ::testing::Test
{
protected:
    void SetUp() override
    {
        label = new QLabel(u"label"_s, dialog);
        label->setGeometry(100, 100, 80, 20);
        dialog->showCentred();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    }
    void TearDown() override { delete dialog; }

    // Presses at `at`, moves the pointer 30 right and 20 down, and releases.
    void drag(QWidget* target, QPoint at, Qt::MouseButton button)
    {
        QTest::mousePress(target, button, {}, at);
        const QPoint to = at + QPoint(30, 20);
        QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(target->mapToGlobal(to)), Qt::NoButton,
                         button, {});
        QApplication::sendEvent(target, &move);
        QTest::mouseRelease(target, button, {}, to);
    }

    PictureDialog* dialog = new PictureDialog(artwork::background::readoutColour);
    QLabel* label = nullptr;
};

TEST_F(DialogDrag, TakesTheSizeOfItsPictureAndOpensCentred)
{
    EXPECT_EQ(dialog->size(), QSize(212, 132));
    EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::FramelessWindowHint));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((dialog->geometry().center() - screen.center()).manhattanLength(), 2);
}

TEST_F(DialogDrag, OnlyTheLeftButtonOnTheBackgroundMovesTheWindow)
{
    const QPoint start = dialog->pos();
    drag(dialog, {20, 60}, Qt::RightButton);
    drag(dialog, {20, 60}, Qt::MiddleButton);
    drag(label, {5, 5}, Qt::LeftButton);
    EXPECT_EQ(dialog->pos(), start);
    drag(dialog, {20, 60}, Qt::LeftButton);
    EXPECT_EQ(dialog->pos(), start + QPoint(30, 20));
}

// A dialog waits, disabled, for a window it opened (the list for its edit window), and
// that window still refers to it: the desktop must not close it meanwhile.
TEST_F(DialogDrag, TheDesktopClosesItOnlyWhileItIsEnabled)
{
    dialog->setEnabled(false);
    EXPECT_FALSE(dialog->close());
    EXPECT_TRUE(dialog->isVisible());
    dialog->setEnabled(true);
    EXPECT_TRUE(dialog->close());
    EXPECT_FALSE(dialog->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    dialog = nullptr;
}

} // namespace
