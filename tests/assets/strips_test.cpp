// The read-out's digit strips, the bell sprite and the hand colour chooser's face: the
// clock copies rectangles out of them by fixed coordinates.
#include "core/artwork.h"
#include "picture_checks.h"

#include <gtest/gtest.h>
#include <set>

namespace {

struct StripCase
{
    const char* path;
    QSize size;
    int cellWidth;
    int usedRows;
    int colonX; // the colon cell
    int colonWidth;
    int colonInkLeft; // where the colon's dots may lie
    int colonInkRight;
    int blankX;
    int blankWidth;
};

void PrintTo(const StripCase& c, std::ostream* os)
{
    *os << c.path;
}

const StripCase strips[] = {
    {artwork::smallDigitStrip, {130, 15}, 9, 12, 91, 6, 91, 95, 96, 6},
    {artwork::largeDigitStrip, {220, 25}, 16, 23, 159, 12, 162, 166, 168, 12},
};

bool isBlack(QRgb c)
{
    return (c & 0xFFFFFF) == 0;
}

class DigitStrip : public ::testing::TestWithParam<StripCase>
{
protected:
    void SetUp() override
    {
        image = picture_checks::resource(artwork::resource(GetParam().path));
        ASSERT_FALSE(image.isNull());
        ASSERT_EQ(image.size(), GetParam().size);
    }

    int inkIn(const QRect& rect) const
    {
        int ink = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                ink += !isBlack(image.pixel(x, y));
            }
        }
        return ink;
    }

    QImage image;
};

TEST_P(DigitStrip, InkIsGreyToWhiteSoTheColourShowsThrough)
{
    // AND-ed onto a box of the digital colour, a neutral pixel keeps the colour's hue.
    int white = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            ASSERT_TRUE(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c)) << x << "," << y;
            white += (c & 0xFFFFFF) == 0xFFFFFF;
        }
    }
    EXPECT_GT(white, 10 * image.height());
}

TEST_P(DigitStrip, EachDigitHasItsOwnInkInsideItsCell)
{
    const StripCase& s = GetParam();
    std::set<QByteArray> glyphs;
    for (int digit = 0; digit < 10; ++digit) {
        SCOPED_TRACE(digit);
        const QRect cell(digit * s.cellWidth, 0, s.cellWidth, s.usedRows);
        EXPECT_GT(inkIn(cell), s.usedRows * 2);
        // Black first and last columns keep every glyph off its neighbours.
        EXPECT_EQ(inkIn(QRect(cell.left(), 0, 1, s.usedRows)), 0);
        EXPECT_EQ(inkIn(QRect(cell.right(), 0, 1, s.usedRows)), 0);
        EXPECT_EQ(inkIn(QRect(cell.left(), 0, s.cellWidth, 1)), 0);
        const QImage glyph = image.copy(cell);
        glyphs.insert(QByteArray(reinterpret_cast<const char*>(glyph.constBits()), int(glyph.sizeInBytes())));
    }
    EXPECT_EQ(glyphs.size(), 10u);
}

TEST_P(DigitStrip, ColonIsTwoDotsWithinItsColumns)
{
    const StripCase& s = GetParam();
    const QRect cell(s.colonX, 0, s.colonWidth, s.usedRows);
    const QRect ink(s.colonInkLeft, 0, s.colonInkRight - s.colonInkLeft + 1, s.usedRows);
    EXPECT_EQ(inkIn(cell), inkIn(ink));
    EXPECT_GT(inkIn(ink), 4);
    // Two dots: two runs of inked rows with black rows between and around them.
    int runs = 0;
    bool inRun = false;
    for (int y = 0; y < s.usedRows; ++y) {
        const bool inked = inkIn(QRect(ink.left(), y, ink.width(), 1)) > 0;
        runs += inked && !inRun;
        inRun = inked;
    }
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(inkIn(QRect(ink.left(), 0, ink.width(), 1)), 0);
}

TEST_P(DigitStrip, BlankCellUnusedRowsAndTheRestAreBlack)
{
    const StripCase& s = GetParam();
    EXPECT_EQ(inkIn(QRect(s.blankX, 0, s.blankWidth, s.usedRows)), 0);
    EXPECT_EQ(inkIn(QRect(0, s.usedRows, image.width(), image.height() - s.usedRows)), 0);
    // Right of the digits only the colon's dots carry ink.
    const int digitsEnd = 10 * s.cellWidth;
    EXPECT_EQ(inkIn(QRect(digitsEnd, 0, image.width() - digitsEnd, image.height())),
              inkIn(QRect(s.colonInkLeft, 0, s.colonInkRight - s.colonInkLeft + 1, s.usedRows)));
}

INSTANTIATE_TEST_SUITE_P(Both, DigitStrip, ::testing::ValuesIn(strips), [](const auto& info) {
    return std::string(info.param.size.width() == 130 ? "Small" : "Large");
});

TEST(BellSprite, HasTheExactImageAndMaskPixels)
{
    const QImage image = picture_checks::resource(artwork::resource(artwork::bellSprite));
    ASSERT_EQ(image.size(), QSize(14, 7));
    const char* bell[] = {"...#...", "..###..", ".#####.", ".#####.", ".#####.", "#######", "...#..."};
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 7; ++x) {
            const bool on = bell[y][x] == '#';
            EXPECT_EQ(image.pixel(x, y) & 0xFFFFFF, on ? 0xFFFFFFu : 0x050403u) << "image " << x << "," << y;
            EXPECT_EQ(image.pixel(x + 7, y) & 0xFFFFFF, on ? 0x000000u : 0xFCFBFAu)
                << "mask " << x << "," << y;
        }
    }
}

TEST(BellSprite, MaskThenImageShowsAWhiteBellOverAnyPicture)
{
    // What the clock does on the analog faces: AND the mask, XOR the image.
    const QImage sprite = picture_checks::resource(artwork::resource(artwork::bellSprite))
                              .convertToFormat(QImage::Format_RGB32);
    for (QRgb ground : {0xFF2A2A30u, 0xFF808080u, 0xFFFFFFFFu}) {
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 7; ++x) {
                const QRgb shown = (ground & sprite.pixel(x + 7, y)) ^ (sprite.pixel(x, y) & 0xFFFFFF);
                if ((sprite.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) {
                    EXPECT_EQ(shown & 0xFFFFFF, 0xFFFFFFu);
                } else {
                    // Around the bell the picture stays within a few steps of itself.
                    EXPECT_LE(std::abs(qRed(shown) - qRed(ground)), 7);
                    EXPECT_LE(std::abs(qBlue(shown) - qBlue(ground)), 7);
                }
            }
        }
    }
}

TEST(PreviewFace, IsAPlainWhiteDiscWithABlackRimOnGrey)
{
    const QImage face = picture_checks::resource(artwork::resource(artwork::handPreviewFace));
    ASSERT_EQ(face.size(), QSize(54, 52));
    for (QPoint corner : {QPoint(0, 0), QPoint(53, 0), QPoint(0, 51), QPoint(53, 51)}) {
        EXPECT_EQ(face.pixel(corner) & 0xFFFFFF, 0x626262u);
    }
    // The rim: dark pixels on the way out from the centre in every direction.
    for (QPoint edge : {QPoint(26, 1), QPoint(26, 51), QPoint(1, 26), QPoint(51, 26)}) {
        EXPECT_LT(picture_checks::luma(face.pixel(edge)), 60) << edge.x() << "," << edge.y();
    }
    // No marks: pure white everywhere the hands can reach.
    const struct
    {
        int length;
        int width;
    } hands[] = {{12, 3}, {20, 2}, {18, 1}};
    for (const auto& hand : hands) {
        for (QPoint p : picture_checks::handSweep(face.size(), {26, 26}, hand.length, hand.width)) {
            ASSERT_EQ(face.pixel(p) & 0xFFFFFF, 0xFFFFFFu) << p.x() << "," << p.y();
        }
    }
}

} // namespace
