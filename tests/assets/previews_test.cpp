// The cat picture chooser's previews: each design on the chooser's grey, with a sample
// time drawn the way the clock draws it, at 1x and at 2x.
#include "core/artwork.h"
#include "picture_checks.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

using picture_checks::luma;
using picture_checks::scaled;

struct Preview
{
    int type;
    QSize size;
    std::optional<QRect> readout; // on the design
    bool smallStrip;
    std::vector<QPoint> texts; // top-left corners on the design
};

void PrintTo(const Preview& p, std::ostream* os)
{
    *os << "Preview" << p.type;
}

const Preview previews[] = {
    {0, {90, 120}, std::nullopt, false, {{4, 105}, {2, 95}}},
    {1, {90, 120}, QRect(23, 61, 41, 12), true, {}},
    {2, {90, 120}, QRect(23, 58, 41, 12), true, {{24, 71}, {54, 71}}},
    {3, {90, 120}, std::nullopt, false, {}},
    {4, {120, 105}, std::nullopt, false, {}},
    {5, {120, 105}, std::nullopt, false, {{34, 89}, {6, 89}}},
    {6, {120, 105}, QRect(5, 24, 76, 23), false, {{12, 52}, {73, 51}}},
};

constexpr QRgb grey = 0x646464;

class ChooserPreview : public ::testing::TestWithParam<std::tuple<Preview, int>>
{
protected:
    void SetUp() override
    {
        const int type = preview().type;
        image = picture_checks::picture(artwork::designPreview(type), s);
        design = picture_checks::picture(artwork::designPicture(type), s);
        ASSERT_FALSE(image.isNull());
        ASSERT_FALSE(design.isNull());
        const QSize logical = design.size() / s;
        offset = QPoint((preview().size.width() - logical.width()) / 2,
                        (preview().size.height() - logical.height()) / 2) *
                 s;
    }

    const Preview& preview() const { return std::get<0>(GetParam()); }

    const int s = std::get<1>(GetParam());
    QImage image;
    QImage design;
    QPoint offset;
};

TEST_P(ChooserPreview, IsItsControlsSizeOnGrey)
{
    EXPECT_EQ(image.size(), preview().size * s);
    for (int x = 0; x < image.width(); ++x) {
        EXPECT_EQ(image.pixel(x, 0) & 0xFFFFFF, grey);
        EXPECT_EQ(image.pixel(x, image.height() - 1) & 0xFFFFFF, grey);
    }
}

TEST_P(ChooserPreview, ShowsTheDesignWithItsBackgroundGreyed)
{
    const QRgb key = design.pixel(0, 0);
    int same = 0;
    int figure = 0;
    for (int y = 0; y < design.height(); ++y) {
        for (int x = 0; x < design.width(); ++x) {
            const QRgb shown = image.pixel(offset + QPoint(x, y));
            ASSERT_NE(shown | 0xFF000000, key | 0xFF000000) << "key colour left at " << x << "," << y;
            if (design.pixel(x, y) == key) {
                ASSERT_EQ(shown & 0xFFFFFF, grey) << x << "," << y;
            } else {
                ++figure;
                same += shown == design.pixel(x, y);
            }
        }
    }
    // Only the sample time and date cover a part of the figure.
    EXPECT_GT(same * 100, figure * 85);
}

TEST_P(ChooserPreview, ReadoutShowsTheStripsCellsAndedOntoTheDigitalColour)
{
    const Preview& p = preview();
    if (!p.readout) {
        // The analog designs show hands: dark pixels where the dial is white.
        int hands = 0;
        for (int y = 0; y < design.height(); ++y) {
            for (int x = 0; x < design.width(); ++x) {
                hands += luma(design.pixel(x, y)) > 240 && luma(image.pixel(offset + QPoint(x, y))) < 120;
            }
        }
        EXPECT_GT(hands, 30);
        return;
    }
    const QImage strip =
        picture_checks::picture(p.smallStrip ? artwork::smallDigitStrip : artwork::largeDigitStrip, s);
    ASSERT_FALSE(strip.isNull());
    const int cell = p.smallStrip ? 9 : 16;
    const QRect readout = scaled(*p.readout, s);
    // 10:08 in white: each panel pixel is the strip's pixel itself.
    const struct
    {
        int panelX;
        int sourceX;
        int width;
    } cells[] = {
        {0, 1 * cell, cell},
        {p.smallStrip ? 9 : 16, 0, cell},
        {p.smallStrip ? 18 : 32, p.smallStrip ? 91 : 159, p.smallStrip ? 6 : 12},
        {p.smallStrip ? 24 : 44, 0, cell},
        {p.smallStrip ? 33 : 60, 8 * cell, cell},
    };
    for (const auto& c : cells) {
        for (int y = 0; y < readout.height(); ++y) {
            for (int x = 0; x < c.width * s && c.panelX * s + x < readout.width(); ++x) {
                const QPoint at = offset + readout.topLeft() + QPoint(c.panelX * s + x, y);
                ASSERT_EQ(image.pixel(at) & 0xFFFFFF, strip.pixel(c.sourceX * s + x, y) & 0xFFFFFF)
                    << "panel " << c.panelX * s + x << "," << y;
            }
        }
    }
}

TEST_P(ChooserPreview, DatedDesignsShowLightTextOnTheirBars)
{
    for (QPoint at : preview().texts) {
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
                         ::testing::Combine(::testing::ValuesIn(previews), ::testing::Values(1, 2)),
                         [](const auto& info) {
                             return picture_checks::withScale(
                                 "Preview" + std::to_string(std::get<0>(info.param).type),
                                 std::get<1>(info.param));
                         });

} // namespace
