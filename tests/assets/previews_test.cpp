// The cat picture chooser's previews: each design on the chooser's grey, with a sample
// time drawn the way the clock draws it, at 1x and at 2x.
#include "core/artwork.h"
#include "face/designs.h"
#include "face/digital_readout.h"
#include "picture_checks.h"

#include <gtest/gtest.h>

namespace {

using picture_checks::luma;
using picture_checks::scaled;

constexpr QRgb grey = 0x646464;

class ChooserPreview : public ::testing::TestWithParam<std::tuple<int, int>>
{
protected:
    void SetUp() override
    {
        image = picture_checks::picture(artwork::designPreview(index), s);
        picture = picture_checks::picture(artwork::designPicture(index), s);
        ASSERT_FALSE(image.isNull());
        ASSERT_FALSE(picture.isNull());
        offset =
            QPoint((size.width() - design.size.width()) / 2, (size.height() - design.size.height()) / 2) * s;
    }

    const int index = std::get<0>(GetParam());
    const int s = std::get<1>(GetParam());
    const designs::Design& design = designs::all()[std::size_t(index)];
    // The chooser shows the A designs in a row of tall previews, the B designs below.
    const QSize size = index < 4 ? QSize(90, 120) : QSize(120, 105);
    QImage image;
    QImage picture;
    QPoint offset;
};

TEST_P(ChooserPreview, IsItsControlsSizeOnGrey)
{
    EXPECT_EQ(image.size(), size * s);
    for (int x = 0; x < image.width(); ++x) {
        EXPECT_EQ(image.pixel(x, 0) & 0xFFFFFF, grey);
        EXPECT_EQ(image.pixel(x, image.height() - 1) & 0xFFFFFF, grey);
    }
}

TEST_P(ChooserPreview, ShowsTheDesignWithItsBackgroundGreyed)
{
    const QRgb key = design.key;
    int same = 0;
    int figure = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb shown = image.pixel(offset + QPoint(x, y));
            ASSERT_NE(shown | 0xFF000000, key | 0xFF000000) << "key colour left at " << x << "," << y;
            if ((picture.pixel(x, y) | 0xFF000000) == (key | 0xFF000000)) {
                ASSERT_EQ(shown & 0xFFFFFF, grey) << x << "," << y;
            } else {
                ++figure;
                same += shown == picture.pixel(x, y);
            }
        }
    }
    // Only the sample time and date cover a part of the figure.
    EXPECT_GT(same * 100, figure * 85);
}

TEST_P(ChooserPreview, ReadoutShowsTheStripsCellsAndedOntoTheDigitalColour)
{
    const digital_readout::Strip* strip = digital_readout::stripFor(design.readout);
    if (!strip) {
        // The analog designs show hands: dark pixels where the dial is white.
        int hands = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                hands += luma(picture.pixel(x, y)) > 240 && luma(image.pixel(offset + QPoint(x, y))) < 120;
            }
        }
        EXPECT_GT(hands, 30);
        return;
    }
    // 10:08 in white, as the clock draws it on the design's panel.
    QImage expected(design.layout.panel.size() * s, QImage::Format_RGB32);
    expected.setDevicePixelRatio(s);
    digital_readout::drawReadout(expected, 0x00FFFFFF, digital_readout::stripPicture(*strip, s), *strip, 10,
                                 8, digital_readout::Colon::Shown);
    const QPoint panel = offset + design.layout.panel.topLeft() * s;
    EXPECT_EQ(image.copy(QRect(panel, expected.size())).convertToFormat(QImage::Format_RGB32),
              expected.convertToFormat(QImage::Format_RGB32));
}

TEST_P(ChooserPreview, DatedDesignsShowLightTextOnTheirBars)
{
    const face_layout::Layout& layout = design.layout;
    for (const auto& [text, at] :
         {std::pair{layout.first, layout.firstAt}, std::pair{layout.second, layout.secondAt}}) {
        if (text == face_layout::Text::None) {
            continue;
        }
        const QRect box = scaled(picture_checks::textBox(at, QStringLiteral("AM")), s).translated(offset);
        int light = 0;
        for (int y = box.top(); y <= box.bottom() && y < image.height(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                light += luma(image.pixel(x, y)) > 180;
            }
        }
        EXPECT_GT(light, 8) << at.x() << "," << at.y();
    }
}

INSTANTIATE_TEST_SUITE_P(All, ChooserPreview,
                         ::testing::Combine(::testing::Range(0, designs::count), ::testing::Values(1, 2)),
                         [](const auto& info) {
                             return picture_checks::withScale("Preview" +
                                                                  std::to_string(std::get<0>(info.param)),
                                                              std::get<1>(info.param));
                         });

} // namespace
