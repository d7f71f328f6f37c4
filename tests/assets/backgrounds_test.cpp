// The window backgrounds: every window is exactly its picture's size, and the windows
// draw their labels and controls onto the flat body below the title strip; at 2x the
// same, with every line twice as thick.
#include "core/artwork.h"
#include "picture_checks.h"

#include <gtest/gtest.h>

namespace {

using picture_checks::luma;
using picture_checks::scaled;

using picture_checks::Background;
using Strip = Background::Strip;

constexpr QRgb body = 0x424242;
constexpr QRgb strip = 0x2D2D31;
constexpr int bodyTop = 28; // below the strip and its lower line

// A background at a scale: the rectangles of the tests are in 1x pixels.
class WindowBackground : public ::testing::TestWithParam<std::tuple<Background, int>>
{
protected:
    void SetUp() override
    {
        image = picture_checks::picture(background().path, s);
        ASSERT_FALSE(image.isNull());
    }

    const Background& background() const { return std::get<0>(GetParam()); }

    // Pixels matching in a rectangle given in 1x pixels.
    int count(const QRect& logical, const std::function<bool(QRgb)>& match) const
    {
        const QRect rect = scaled(logical, s);
        int n = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                n += match(image.pixel(x, y));
            }
        }
        return n;
    }

    const int s = std::get<1>(GetParam());
    QImage image;
};

TEST_P(WindowBackground, IsTheWindowsSize)
{
    EXPECT_EQ(image.size(), background().size * s);
    EXPECT_FALSE(image.hasAlphaChannel());
}

TEST_P(WindowBackground, DarkFrameWithALightBevelInside)
{
    const int w = background().size.width();
    const int h = background().size.height();
    const QRect outer[] = {{0, 0, w, 1}, {0, h - 1, w, 1}, {0, 0, 1, h}, {w - 1, 0, 1, h}};
    for (const QRect& side : outer) {
        EXPECT_EQ(count(side, [](QRgb c) { return luma(c) < 40; }), side.width() * side.height() * s * s);
    }
    // The bevel's light line runs along the top and the left just inside the frame.
    EXPECT_EQ(count({2, 1, w - 4, 1}, [](QRgb c) { return luma(c) > luma(body) + 30; }), (w - 4) * s * s);
    EXPECT_EQ(count({1, 2, 1, h - 4}, [](QRgb c) { return luma(c) > luma(body) + 30; }), (h - 4) * s * s);
    EXPECT_EQ(count({2, h - 2, w - 4, 1}, [](QRgb c) { return luma(c) < luma(body); }), (w - 4) * s * s);
}

TEST_P(WindowBackground, BodyIsFlatWhereTheWindowDrawsItsControls)
{
    const int top = background().strip == Strip::None ? 2 : bodyTop;
    const QRect area =
        scaled(QRect(2, top, background().size.width() - 4, background().size.height() - top - 2), s);
    const auto odd = picture_checks::firstFailing(image, area, [](QRgb c) { return (c & 0xFFFFFF) == body; });
    EXPECT_FALSE(odd) << "not the body colour at " << odd->x() << "," << odd->y();
}

TEST_P(WindowBackground, TitleStripCarriesTheTitleAndTheNames)
{
    const Background& b = background();
    if (b.strip == Strip::None) {
        EXPECT_EQ(image.pixel(image.width() / 2, 10 * s) & 0xFFFFFF, body);
        return;
    }
    const int w = b.size.width();
    // Dark across the whole width, from the frame down to row 26.
    for (int y : {2, 26}) {
        EXPECT_EQ(count(QRect(2, y, w - 4, 1), [](QRgb c) { return (c & 0xFFFFFF) == strip; }),
                  (w - 4) * s * s)
            << "row " << y;
    }
    // The title in white at the left.
    EXPECT_GT(count(QRect(24, 4, 110, 21), [](QRgb c) { return luma(c) > 220; }), 40);
    // The names in grey at the right, only where the strip has room for them.
    if (b.strip == Strip::TitleAndNames) {
        const int names =
            count(QRect(w - 100, 4, 92, 21), [](QRgb c) { return luma(c) > 110 && luma(c) < 200; });
        EXPECT_GT(names, 40);
        EXPECT_EQ(count(QRect(w - 100, 4, 92, 21), [](QRgb c) { return luma(c) > 220; }), 0);
    } else {
        EXPECT_EQ(count(QRect(w - 34, 4, 30, 21), [](QRgb c) { return (c & 0xFFFFFF) != strip; }), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    All, WindowBackground,
    ::testing::Combine(::testing::ValuesIn(picture_checks::backgrounds), ::testing::Values(1, 2)),
    [](const auto& info) {
        const QString path = QString::fromUtf8(std::get<0>(info.param).path);
        return picture_checks::withScale(
            path.section(QLatin1Char('/'), -1).section(QLatin1Char('.'), 0, 0).toStdString(),
            std::get<1>(info.param));
    });

} // namespace
