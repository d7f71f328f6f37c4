// The keyboard focus has a look of its own, at every screen scale (this file runs at 1x in
// widgets_tests and at 2x in widgets_focus_tests_at_2x): a dotted rectangle, light dots
// between dark ones, inside the control, never the blue of a chosen option's frame.
#include "core/artwork.h"
#include "widgets/choice_frame.h"
#include "widgets/highlight_bar.h"
#include "widgets/image_button.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class FocusMark : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(200, 100);
        frame->setSelected(true); // the look the mark must not be taken for
        bar->move(60, 10);
        other->move(120, 10);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_EQ(window.devicePixelRatioF(), qreal(NEKOTOKEI_TEST_SCREEN_SCALE));
    }

    // The pixels of `widget` that the mark changes, in device pixels.
    static QList<QPoint> markOf(PictureButton* widget, PictureButton* elsewhere)
    {
        elsewhere->setFocus(Qt::TabFocusReason);
        const QImage plain = widget->grab().toImage();
        widget->setFocus(Qt::TabFocusReason);
        const QImage marked = widget->grab().toImage();
        QList<QPoint> changed;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                if (plain.pixel(x, y) != marked.pixel(x, y)) {
                    changed.append({x, y});
                }
            }
        }
        return changed;
    }

    QWidget window;
    ButtonPress press;
    ChoiceFrame* frame = new ChoiceFrame(&window, {10, 10});
    ImageButton* option = new ImageButton(ButtonFace::load(artwork::face::secondHandOn), press, frame);
    HighlightBar* bar = new HighlightBar(artwork::caption::addAlarm, &window);
    ImageButton* other = new ImageButton(ButtonFace::load(artwork::face::apply), press, &window);
};

TEST_F(FocusMark, IsADottedLightRectangleInsideTheControlAndNoChoiceFrame)
{
    option->move(ChoiceFrame::buttonOffset);
    const QColor frameBlue = frame->grab().toImage().pixelColor(0, 0);
    struct Case
    {
        const char* name;
        PictureButton* widget;
        int inset; // logical pixels between the control's edge and the mark
    };
    const int scale = NEKOTOKEI_TEST_SCREEN_SCALE;
    for (const Case& c : {Case{"option", option, 2}, Case{"bar", bar, 0}}) {
        const QList<QPoint> mark = markOf(c.widget, other);
        ASSERT_FALSE(mark.isEmpty()) << c.name;
        const QImage marked = c.widget->grab().toImage();
        const QRect inside =
            QRect(QPoint(), marked.size())
                .adjusted(c.inset * scale, c.inset * scale, -c.inset * scale, -c.inset * scale);
        int light = 0;
        int dark = 0;
        for (const QPoint& at : mark) {
            EXPECT_TRUE(inside.contains(at)) << c.name << " at " << at.x() << "," << at.y();
            const QColor colour = marked.pixelColor(at);
            EXPECT_NE(colour, frameBlue) << c.name;
            (colour.lightness() > 200 ? light : dark) += 1;
        }
        EXPECT_GT(light, 0) << c.name;
        // Dotted: along its top edge light dots stand between others, a scale's width each.
        int runs = 0;
        int longest = 0;
        for (int x = inside.left(), run = 0; x <= inside.right(); ++x) {
            run = marked.pixelColor(x, inside.top()).lightness() > 200 ? run + 1 : 0;
            runs += run == 1;
            longest = std::max(longest, run);
        }
        EXPECT_GT(runs, inside.width() / (4 * scale)) << c.name;
        EXPECT_EQ(longest, scale) << c.name;
        // One logical pixel wide: the row inside the line is the picture's own.
        EXPECT_FALSE(mark.contains(inside.topLeft() + QPoint(inside.width() / 2, scale))) << c.name;
    }
}

} // namespace
