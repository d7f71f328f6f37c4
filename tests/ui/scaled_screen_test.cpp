// On a screen scaled to 200 % (this program runs with QT_SCALE_FACTOR=2) the clock draws
// its face at 2x inside the outline of its 1x picture, and every window shows the 2x
// pictures of the catalogue pixel for pixel.
#include "core/artwork.h"
#include "face/designs.h"
#include "face/window_outline.h"
#include "support/program_test.h"
#include "support/windows.h"
#include "ui/about_window.h"
#include "ui/alarm_edit_window.h"
#include "ui/alarm_list_window.h"
#include "ui/design_chooser_window.h"
#include "ui/hand_colour_window.h"
#include "ui/message_window.h"
#include "ui/options_window.h"
#include "ui/readout_colour_window.h"
#include "ui/settings_window.h"
#include "widgets/choice_frame.h"
#include "widgets/highlight_bar.h"
#include "widgets/image_button.h"
#include "widgets/picture_view.h"

#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A picture of the catalogue at 2x, as plain pixels.
QImage twoTimes(const QString& path)
{
    return QImage(artwork::resource(artwork::atScale(path, 2))).convertToFormat(QImage::Format_RGB32);
}
QImage twoTimes(const char* path)
{
    return twoTimes(QString::fromLatin1(path));
}

// What the screen shows of a widget, in device pixels.
QImage shown(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A rectangle of 1x pixels in device pixels.
QRect device(const QRect& rect)
{
    return QRect(rect.topLeft() * 2, rect.size() * 2);
}

class ScaledScreen : public ProgramTest
{
protected:
    void start(const QByteArray& set3)
    {
        folder.write(u"set.zdt"_s, "1\r\n");
        folder.write(u"set2.zdt"_s, "0,5197647,255\r\n");
        folder.write(u"set3.zdt"_s, set3);
        desktop.clock.setNow(QDateTime(QDate(2024, 5, 17), QTime(9, 5, 0)));
        ASSERT_TRUE(app.start());
        ASSERT_EQ(clock.devicePixelRatioF(), 2.0) << "not on a 2x screen";
    }
};

TEST_F(ScaledScreen, ClockDrawsItsFaceAtTwoTimesInsideItsOneTimesOutline)
{
    start("4,16777215,1\r\n");
    EXPECT_EQ(clock.size(), QSize(115, 90));
    const QImage oneTimes = designs::picture(DesignIndex{4}, 1);
    EXPECT_EQ(clock.mask(), window_outline::outlineOf(oneTimes));
    const QImage face = clock.face().image();
    ASSERT_EQ(face.size(), QSize(230, 180));
    EXPECT_EQ(shown(&clock), face.convertToFormat(QImage::Format_RGB32));
    // Inside the outline, above where the hands reach, the face is the 2x picture.
    const QImage picture = twoTimes(artwork::designPicture(4));
    int compared = 0;
    for (int y = 0; y < 2 * 11; ++y) {
        for (int x = 0; x < face.width(); ++x) {
            if (oneTimes.pixel(x / 2, y / 2) != oneTimes.pixel(0, 0)) {
                ASSERT_EQ(face.pixel(x, y), picture.pixel(x, y)) << x << "," << y;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 1000);
}

TEST_F(ScaledScreen, EveryWindowShowsItsTwoTimesBackground)
{
    start("0,16777215,1\r\n");
    const struct
    {
        artwork::Background background;
        std::function<QWidget*()> open;
        int plainRows; // from the top, where no control lies
    } windows[] = {
        {artwork::background::settings, [&] { return dialogs.openSettings(); }, 28},
        {artwork::background::about, [&] { return dialogs.openAbout(); }, 28},
        {artwork::background::alarmList, [&] { return dialogs.openAlarmList(); }, 28},
        {artwork::background::alarmEdit, [&] { return dialogs.openAlarmEdit(std::nullopt); }, 28},
        {artwork::background::designChooser, [&] { return dialogs.openDesignChooser(); }, 28},
        {artwork::background::handColour, [&] { return dialogs.openHandColour(); }, 28},
        {artwork::background::readoutColour, [&] { return dialogs.openReadoutColour(); }, 28},
        {artwork::background::options, [&] { return dialogs.openOptions(); }, 28},
        {artwork::background::message,
         [&] {
             return dialogs.showMessage(u"針の色を変更しました。"_s, Dialogs::Notice::HandColoursChanged);
         },
         12},
    };
    for (const auto& w : windows) {
        SCOPED_TRACE(w.background.path);
        QWidget* window = w.open();
        const QImage background = twoTimes(w.background.path);
        ASSERT_EQ(shown(window).size(), background.size());
        const QRect plain(0, 0, background.width(), 2 * w.plainRows);
        EXPECT_EQ(shown(window).copy(plain), background.copy(plain));
    }
}

TEST_F(ScaledScreen, ButtonsBarsAndFramesShowTheirTwoTimesPictures)
{
    start("0,16777215,1\r\n");
    SettingsWindow* settings = dialogs.openSettings();
    const std::pair<const char*, artwork::Face> buttons[] = {
        {"alarmButton", artwork::face::alarms},
        {"designButton", artwork::face::design},
        {"closeButton", artwork::face::close},
        {"handColourButton", artwork::face::handColour},
    };
    for (const auto& [name, face] : buttons) {
        EXPECT_EQ(shown(child(settings, name)), twoTimes(artwork::buttonPictures(face).normal)) << name;
    }
    // The chosen frame's border around its button.
    const QImage frame = shown(child<ChoiceFrame>(settings, "alwaysOnTopFrame"));
    const QRect border(0, 0, frame.width(), 4);
    EXPECT_EQ(frame.copy(border), twoTimes(artwork::choiceSelected).copy(border));

    auto* bar = child<HighlightBar>(dialogs.openAlarmList(), "addButton");
    EXPECT_EQ(shown(bar).copy(device(bar->captionRect())), twoTimes(artwork::caption::addAlarm.path));
}

TEST_F(ScaledScreen, PreviewsShowTwoTimesPictures)
{
    start("6,16777215,1\r\n");
    DesignChooserWindow* chooser = dialogs.openDesignChooser();
    for (const int design : {0, 6}) {
        EXPECT_EQ(child<PictureView>(chooser, qPrintable(u"preview%1"_s.arg(design)))->shown(),
                  twoTimes(artwork::designPreview(design)))
            << design;
    }

    // 09:05 in white on the read-out colour window: the first cell is the 2x strip's zero.
    ReadoutColourWindow* readout = dialogs.openReadoutColour();
    readout->drawReadoutPreview();
    const QImage panel = child<PictureView>(readout, "readoutPreview")->shown();
    ASSERT_EQ(panel.size(), QSize(152, 46));
    EXPECT_EQ(panel.copy(0, 0, 32, 46), twoTimes(artwork::largeDigitStrip).copy(0, 0, 32, 46));

    // The hand colour window's small face with its hands drawn at 2x: at 09:05:00 the
    // black hour hand points to nine, a 3-pixel hand six pixels wide.
    HandColourWindow* hands = dialogs.openHandColour();
    hands->drawHandPreview();
    hands->drawHandPreview();
    const QImage face = child<PictureView>(hands, "handPreview")->shown();
    ASSERT_EQ(face.size(), QSize(108, 104));
    for (int dy = -2; dy <= 2; ++dy) {
        EXPECT_EQ(face.pixel(2 * 20, 2 * 26 + dy), qRgb(0, 0, 0)) << dy;
    }
    EXPECT_EQ(face.pixel(2 * 20, 2 * 26 - 4), qRgb(255, 255, 255));
}

} // namespace
