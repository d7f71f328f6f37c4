#include "core/artwork.h"
#include "face/window_outline.h"
#include "support/clicks.h"
#include "support/program_test.h"
#include "support/windows.h"
#include "ui/design_chooser_window.h"
#include "ui/hand_colour_window.h"
#include "ui/message_window.h"
#include "ui/readout_colour_window.h"
#include "ui/settings_window.h"
#include "widgets/highlight_bar.h"
#include "widgets/image_button.h"
#include "widgets/picture_view.h"

#include <QLabel>
#include <QRadioButton>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using clicks::click;

namespace {

constexpr ColourRef red = 0x0000FF;
constexpr ColourRef green = 0x00FF00;
constexpr ColourRef blue = 0xFF0000;

class Choosers : public ProgramTest
{
protected:
    void start(const QByteArray& set3 = "0,16777215,1\r\n")
    {
        folder.write(u"set2.zdt"_s, "0,5197647,255\r\n");
        folder.write(u"set3.zdt"_s, set3);
        desktop.clock.setNow(QDateTime(QDate(2024, 5, 17), QTime(3, 0, 0)));
        ASSERT_TRUE(app.start());
        settings = dialogs.openSettings();
    }

    void pressBar(HighlightBar* bar)
    {
        const QPoint at = bar->captionRect().center();
        clicks::moveTo(bar, at);
        QTest::mousePress(bar, Qt::LeftButton, {}, at);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
    }

    SettingsWindow* settings = nullptr;
};

TEST_F(Choosers, DesignChooserAppliesTheChosenDesignAndStaysOpen)
{
    start("3,16777215,1\r\n");
    click(child(settings, "designButton"));
    DesignChooserWindow* chooser = dialogs.find<DesignChooserWindow>();
    ASSERT_NE(chooser, nullptr);
    EXPECT_FALSE(settings->isEnabled());
    EXPECT_EQ(chooser->size(), QSize(432, 362));
    EXPECT_EQ(child(chooser, "preview3")->geometry(), QRect(16, 32, 92, 122));
    EXPECT_EQ(child(chooser, "preview6")->geometry(), QRect(288, 184, 122, 107));
    QRadioButton* a01 = child<QRadioButton>(chooser, "design3");
    EXPECT_TRUE(a01->isChecked());
    EXPECT_EQ(a01->text(), u"Type A01"_s);
    EXPECT_EQ(a01->geometry(), QRect(16, 155, 92, 12));

    click(child(chooser, "design6"));
    EXPECT_EQ(model.settings().design, DesignIndex{3}); // chosen, not applied yet
    click(child(chooser, "applyButton"));

    EXPECT_EQ(clock.size(), QSize(115, 82));
    EXPECT_EQ(clock.mask(), window_outline::outlineOf(designs::picture(DesignIndex{6}, 1)));
    EXPECT_EQ(clock.face().panelRect(), QRect(5, 24, 76, 23));
    EXPECT_EQ(folder.read(u"set3.zdt"_s), "6,16777215,1,0,0,0,0,0,0,0\r\n");
    EXPECT_EQ(dialogs.find<DesignChooserWindow>(), chooser);
    EXPECT_EQ(child<QLabel>(settings, "designTitle")->text(), u"Type B03 カスタマイズ"_s);
    EXPECT_TRUE(child(settings, "digitalPanel")->isVisible());
    EXPECT_FALSE(child(settings, "analogPanel")->isVisible());

    // Applying again without a click rewrites the same design.
    folder.write(u"set3.zdt"_s, "x\r\n");
    click(child(chooser, "applyButton"));
    EXPECT_EQ(folder.read(u"set3.zdt"_s), "6,16777215,1,0,0,0,0,0,0,0\r\n");

    // Cancel closes it and keeps what was applied.
    click(child(chooser, "cancelButton"));
    EXPECT_EQ(dialogs.find<DesignChooserWindow>(), nullptr);
    EXPECT_TRUE(settings->isEnabled());
    EXPECT_EQ(model.settings().design, DesignIndex{6});
    EXPECT_EQ(clock.size(), QSize(115, 82));
}

TEST_F(Choosers, HandPreviewDrawsTheEditedColoursWithTheClocksHands)
{
    start();
    desktop.clock.setNow(2, 59, 59);
    click(child(settings, "handColourButton"));
    HandColourWindow* window = dialogs.find<HandColourWindow>();
    ASSERT_NE(window, nullptr);
    desktop.questions.colourChoices = {red, green, blue, green};
    pressBar(child<HighlightBar>(window, "hourButton"));   // red
    pressBar(child<HighlightBar>(window, "minuteButton")); // green
    pressBar(child<HighlightBar>(window, "secondButton")); // blue
    pressBar(child<HighlightBar>(window, "hourButton"));   // green: the last pick wins
    EXPECT_EQ(child<PictureView>(window, "hourSwatch")->fillColour(), green);

    // The face shows the time read at the tick before: 3:00:00 appears at the second tick.
    desktop.clock.setNow(3, 0, 0);
    window->drawHandPreview();
    window->drawHandPreview();
    const QImage face = child<PictureView>(window, "handPreview")->shown();
    ASSERT_EQ(face.size(), QSize(54, 52));
    // Hour hand to (38, 26), minute hand to (26, 6), the second hand over it to (26, 8).
    EXPECT_EQ(face.pixelColor(36, 26), toQColor(green));
    EXPECT_EQ(face.pixelColor(26, 7), toQColor(green));
    EXPECT_EQ(face.pixelColor(26, 14), toQColor(blue));
    EXPECT_EQ(face.pixelColor(43, 26), QColor(Qt::white));

    click(child(window, "applyButton"));
    EXPECT_EQ(folder.read(u"set2.zdt"_s), "65280,65280,16711680\r\n");
    EXPECT_EQ(model.settings().hourHandColour, green);
}

TEST_F(Choosers, ReadoutPreviewShowsTheTimeInTheLargeDigits)
{
    start("6,16777215,1\r\n");
    click(child(settings, "readoutColourButton"));
    ReadoutColourWindow* window = dialogs.find<ReadoutColourWindow>();
    ASSERT_NE(window, nullptr);
    PictureView* preview = child<PictureView>(window, "readoutPreview");
    EXPECT_EQ(preview->geometry(), QRect(16, 40, 76, 23));

    const QImage strip =
        QImage(artwork::resource(artwork::largeDigitStrip)).convertToFormat(QImage::Format_RGB32);
    const auto shows = [&](ColourRef colour, const std::vector<std::pair<int, int>>& cells) {
        const QImage shown = preview->shown();
        const int widths[] = {16, 16, 12, 16, 16};
        const int places[] = {0, 16, 32, 44, 60};
        for (int cell = 0; cell < 5; ++cell) {
            for (int y = 0; y < 23; ++y) {
                for (int x = 0; x < widths[cell]; ++x) {
                    const QRgb expected =
                        (toQColor(colour).rgb() & strip.pixel(cells[cell].second + x, y)) | 0xFF000000;
                    if (shown.pixel(places[cell] + x, y) != expected) {
                        return false;
                    }
                }
            }
        }
        return true;
    };
    desktop.questions.colourChoices = {red};
    pressBar(child<HighlightBar>(window, "pickButton"));
    desktop.clock.setNow(9, 5, 0);
    window->drawReadoutPreview();
    // 0, 9, colon, 0, 5 from the strip's cells at 0, 144, 159, 0 and 80.
    EXPECT_TRUE(shows(red, {{0, 0}, {16, 144}, {32, 159}, {44, 0}, {60, 80}}));

    desktop.questions.colourChoices = {0x000000};
    pressBar(child<HighlightBar>(window, "pickButton"));
    window->drawReadoutPreview();
    QImage black(76, 23, QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_EQ(preview->shown(), black);
}

// What both colour windows share: the dialog step, applying, and cancelling.
struct ColourWindow
{
    const char* name;
    QByteArray set3; // a design that shows the window's button
    const char* settingsButton;
    std::function<QWidget*(Dialogs&)> window;
    const char* pickBar;
    const char* swatch;
    ColourRef initial;
    const char* file;
    QByteArray appliedWithRed;
    QString message;
    std::function<ColourRef(const ClockSettings&)> colour;

    friend void PrintTo(const ColourWindow& c, std::ostream* os) { *os << c.name; }
};

class ColourWindows : public Choosers, public ::testing::WithParamInterface<ColourWindow>
{
protected:
    QWidget* open()
    {
        start(GetParam().set3);
        click(child(settings, GetParam().settingsButton));
        return GetParam().window(dialogs);
    }
};

TEST_P(ColourWindows, TheDialogOpensOnTheSwatchWithWhiteCustomColoursEveryTime)
{
    const ColourWindow& c = GetParam();
    QWidget* window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(settings->isEnabled());
    desktop.questions.colourChoices = {red, std::nullopt};
    pressBar(child<HighlightBar>(window, c.pickBar));
    pressBar(child<HighlightBar>(window, c.pickBar)); // cancelled: the swatch keeps red
    ASSERT_EQ(desktop.questions.colourDialogs.size(), 2u);
    EXPECT_EQ(desktop.questions.colourDialogs[0].initial, c.initial);
    EXPECT_EQ(desktop.questions.colourDialogs[1].initial, red);
    for (const FakeQuestions::ColourDialog& dialog : desktop.questions.colourDialogs) {
        for (const ColourRef custom : dialog.customColours) {
            EXPECT_EQ(custom, 0xFFFFFFu);
        }
    }
    EXPECT_EQ(child<PictureView>(window, c.swatch)->fillColour(), red);
}

TEST_P(ColourWindows, ApplyingGivesTheClockTheColourSavesAndConfirms)
{
    const ColourWindow& c = GetParam();
    QWidget* window = open();
    desktop.questions.colourChoices = {red};
    pressBar(child<HighlightBar>(window, c.pickBar));
    click(child(window, "applyButton"));

    EXPECT_EQ(c.colour(model.settings()), red);
    EXPECT_EQ(folder.read(QString::fromLatin1(c.file)), c.appliedWithRed);
    EXPECT_EQ(c.window(dialogs), nullptr);
    ASSERT_NE(dialogs.find<MessageWindow>(), nullptr);
    EXPECT_EQ(dialogs.find<MessageWindow>()->text(), c.message);
    EXPECT_FALSE(settings->isEnabled()); // until the message is read
    click(child(dialogs.find<MessageWindow>(), "closeButton"));
    EXPECT_TRUE(settings->isEnabled());
    EXPECT_FALSE(clock.isEnabled());
}

TEST_P(ColourWindows, CancellingAfterPickingChangesNothing)
{
    const ColourWindow& c = GetParam();
    QWidget* window = open();
    const QByteArray before = folder.snapshot();
    desktop.questions.colourChoices = {red};
    pressBar(child<HighlightBar>(window, c.pickBar));
    click(child(window, "cancelButton"));
    EXPECT_EQ(c.window(dialogs), nullptr);
    EXPECT_EQ(c.colour(model.settings()), c.initial);
    EXPECT_EQ(folder.snapshot(), before);
    EXPECT_TRUE(settings->isEnabled());
    EXPECT_EQ(dialogs.find<MessageWindow>(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Both, ColourWindows,
    ::testing::Values(ColourWindow{"HandColour", "0,16777215,1\r\n", "handColourButton",
                                   [](Dialogs& d) -> QWidget* { return d.find<HandColourWindow>(); },
                                   "minuteButton", "minuteSwatch", 5197647, "set2.zdt", "0,255,255\r\n",
                                   u"針の色を変更しました。"_s,
                                   [](const ClockSettings& s) {
                                       return s.minuteHandColour;
                                   }},
                      ColourWindow{"ReadoutColour", "6,16777215,1\r\n", "readoutColourButton",
                                   [](Dialogs& d) -> QWidget* { return d.find<ReadoutColourWindow>(); },
                                   "pickButton", "swatch", 16777215, "set3.zdt", "6,255,1,0,0,0,0,0,0,0\r\n",
                                   u"色を変更しました。"_s,
                                   [](const ClockSettings& s) {
                                       return s.readoutColour;
                                   }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
