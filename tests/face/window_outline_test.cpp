#include "face/window_outline.h"

#include <gtest/gtest.h>

using window_outline::Run;

namespace {

constexpr QRgb key = 0xFFFE01FE;
constexpr QRgb cat = 0xFF101010;

// Builds a picture from rows of characters: '.' is the key colour, '#' cat, 'o' another colour.
QImage pictureOf(std::initializer_list<const char*> rows)
{
    const int width = int(std::strlen(*rows.begin()));
    QImage image(width, int(rows.size()), QImage::Format_RGB32);
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, row[x] == '.' ? key : row[x] == '#' ? cat : 0xFFFFFFFF);
        }
        ++y;
    }
    return image;
}

struct OutlineCase
{
    const char* name;
    QImage picture;
    std::vector<Run> runs;

    friend void PrintTo(const OutlineCase& c, std::ostream* os) { *os << c.name; }
};

class Outline : public ::testing::TestWithParam<OutlineCase>
{};

TEST_P(Outline, RunsCoverExactlyTheNonKeyPixels)
{
    const OutlineCase& c = GetParam();
    const QRgb topLeft = c.picture.pixel(0, 0);
    EXPECT_EQ(window_outline::scanPictureRuns(c.picture, topLeft), c.runs);

    const QRegion region = window_outline::outlineOf(c.picture);
    for (int y = 0; y < c.picture.height(); ++y) {
        for (int x = 0; x < c.picture.width(); ++x) {
            EXPECT_EQ(region.contains(QPoint(x, y)), c.picture.pixel(x, y) != topLeft) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Outline,
    ::testing::Values(
        OutlineCase{"Figure", pictureOf({"....", ".##.", "#oo#", "...."}), {{1, 1, 3}, {0, 2, 4}}},
        OutlineCase{"RowEndingOpaqueRunsToTheEdge", pictureOf({"..##", "...#"}), {{2, 0, 4}, {3, 1, 4}}},
        OutlineCase{
            "AlternatingPixelsGiveOneRunEach", pictureOf({".#.#.#"}), {{1, 0, 2}, {3, 0, 4}, {5, 0, 6}}},
        OutlineCase{
            "OpaqueTopLeftBecomesTheKey", pictureOf({"#..#", "o##o"}), {{1, 0, 3}, {0, 1, 1}, {3, 1, 4}}},
        OutlineCase{"AllKeyGivesNothing", pictureOf({"...", "..."}), {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Outline, EmptyRunListGivesEmptyRegion)
{
    EXPECT_TRUE(window_outline::runsToRegion({}).isEmpty());
    EXPECT_TRUE(window_outline::outlineOf(QImage()).isEmpty());
}

TEST(Outline, NearKeyColoursAreOpaque)
{
    // Exact equality: a colour one step from the key is part of the cat.
    QImage image = pictureOf({"...."});
    image.setPixel(2, 0, 0xFFFE01FF);
    EXPECT_EQ(window_outline::scanPictureRuns(image, key), (std::vector<window_outline::Run>{{2, 0, 3}}));
}

TEST(Outline, TwoTimesPictureGivesTheOneTimesOutlineInLogicalPixels)
{
    const QImage oneTimes = pictureOf({"....", ".##.", "#oo#", "...."});
    QImage twoTimes = oneTimes.scaled(oneTimes.size() * 2);
    twoTimes.setDevicePixelRatio(2);
    EXPECT_EQ(window_outline::outlineOf(twoTimes), window_outline::outlineOf(oneTimes));
}

TEST(CoverKey, KeyAlongTheFigureTakesTheColoursBesideIt)
{
    // '.' key, '#' cat, 'o' white, 'm' the mean of cat and white.
    constexpr QRgb mean = 0xFF878787;
    const struct
    {
        int depth;
        std::initializer_list<const char*> picture;
        std::initializer_list<const char*> covered;
    } cases[] = {
        {0, {"..#..", "....."}, {"..#..", "....."}},
        {1, {"......", "..#...", "......", "......"}, {".###..", ".###..", ".###..", "......"}},
        {1, {".#...o"}, {"###.oo"}},
        {2, {".#...o"}, {"###moo"}},
        {1, {"....."}, {"....."}},
    };
    for (const auto& c : cases) {
        const QImage result = window_outline::coverKeyAlongOutline(pictureOf(c.picture), c.depth);
        QImage expected = pictureOf(c.covered);
        for (int y = 0; y < expected.height(); ++y) {
            for (int x = 0; x < expected.width(); ++x) {
                if (c.covered.begin()[y][x] == 'm') {
                    expected.setPixel(x, y, mean);
                }
            }
        }
        EXPECT_EQ(result, expected) << *c.picture.begin() << " depth " << c.depth;
    }
}

} // namespace
