// The read-out's digit strips, the bell sprite and the hand colour chooser's face: the
// clock copies rectangles out of them by fixed coordinates.
#include "core/artwork.h"
#include "face/digital_readout.h"
#include "face/face_layout.h"
#include "face/hand_geometry.h"
#include "picture_checks.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using digital_readout::Strip;

// A strip of the read-out, and the columns its colon's dots keep within.
struct StripCase
{
    const Strip* strip;
    int colonInkLeft;
    int colonInkRight;
};

void PrintTo(const StripCase& c, std::ostream* os)
{
    *os << c.strip->picture;
}

const StripCase strips[] = {
    {&digital_readout::smallStrip, 91, 95},
    {&digital_readout::largeStrip, 162, 166},
};

bool isBlack(QRgb c)
{
    return (c & 0xFFFFFF) == 0;
}

// A strip's places in the pixels of its picture at a scale.
struct Places
{
    QSize size;
    int cellWidth;
    int usedRows;
    int colonX;
    int colonWidth; // and of the blank cell
    int colonInkLeft;
    int colonInkRight;
    int blankX;
};

Places atScale(const StripCase& c, int s)
{
    const Strip& strip = *c.strip;
    return {strip.pictureSize * s, strip.cellWidth * s, strip.cellHeight * s,          strip.colonX * s,
            strip.colonWidth * s,  c.colonInkLeft * s,  (c.colonInkRight + 1) * s - 1, strip.blankX * s};
}

class DigitStrip : public ::testing::TestWithParam<std::tuple<StripCase, int>>
{
protected:
    void SetUp() override
    {
        image = picture_checks::picture(std::get<0>(GetParam()).strip->picture, std::get<1>(GetParam()));
        ASSERT_FALSE(image.isNull());
        ASSERT_EQ(image.size(), strip.size);
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

    const Places strip = atScale(std::get<0>(GetParam()), std::get<1>(GetParam()));
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
    const Places& s = strip;
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
    const Places& s = strip;
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
    const Places& s = strip;
    EXPECT_EQ(inkIn(QRect(s.blankX, 0, s.colonWidth, s.usedRows)), 0);
    EXPECT_EQ(inkIn(QRect(0, s.usedRows, image.width(), image.height() - s.usedRows)), 0);
    // Right of the digits only the colon's dots carry ink.
    const int digitsEnd = 10 * s.cellWidth;
    EXPECT_EQ(inkIn(QRect(digitsEnd, 0, image.width() - digitsEnd, image.height())),
              inkIn(QRect(s.colonInkLeft, 0, s.colonInkRight - s.colonInkLeft + 1, s.usedRows)));
}

INSTANTIATE_TEST_SUITE_P(Both, DigitStrip,
                         ::testing::Combine(::testing::ValuesIn(strips), ::testing::Values(1, 2)),
                         [](const auto& info) {
                             const Strip* strip = std::get<0>(info.param).strip;
                             return picture_checks::withScale(strip == &digital_readout::smallStrip ? "Small"
                                                                                                    : "Large",
                                                              std::get<1>(info.param));
                         });

TEST(BellSprite, HasTheExactImageAndMaskPixels)
{
    const QImage image = picture_checks::resource(artwork::resource(artwork::bellSprite));
    constexpr int cell = face_layout::bellSize;
    ASSERT_EQ(image.size(), QSize(2 * cell, cell));
    const char* bell[cell] = {"...#...", "..###..", ".#####.", ".#####.", ".#####.", "#######", "...#..."};
    for (int y = 0; y < cell; ++y) {
        for (int x = 0; x < cell; ++x) {
            const bool on = bell[y][x] == '#';
            EXPECT_EQ(image.pixel(x, y) & 0xFFFFFF, on ? 0xFFFFFFu : 0x050403u) << "image " << x << "," << y;
            EXPECT_EQ(image.pixel(x + cell, y) & 0xFFFFFF, on ? 0x000000u : 0xFCFBFAu)
                << "mask " << x << "," << y;
        }
    }
}

TEST(BellSprite, MaskThenImageShowsAWhiteBellOverAnyPictureAtEveryScale)
{
    // What the clock does on the analog faces: AND the mask, XOR the image.
    for (const int scale : {1, 2}) {
        const QImage sprite =
            picture_checks::picture(artwork::bellSprite, scale).convertToFormat(QImage::Format_RGB32);
        const int cell = face_layout::bellSize * scale;
        ASSERT_EQ(sprite.size(), QSize(2 * cell, cell));
        for (QRgb ground : {0xFF2A2A30u, 0xFF808080u, 0xFFFFFFFFu}) {
            for (int y = 0; y < cell; ++y) {
                for (int x = 0; x < cell; ++x) {
                    const QRgb shown = (ground & sprite.pixel(x + cell, y)) ^ (sprite.pixel(x, y) & 0xFFFFFF);
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
}

TEST(BellSprite, TwoTimesBellIsTheSameBellDrawnFiner)
{
    const QImage one = picture_checks::picture(artwork::bellSprite, 1);
    const QImage two = picture_checks::picture(artwork::bellSprite, 2);
    const auto lit = [](const QImage& image, int x, int y) {
        return (image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
    };
    int mixedBlocks = 0;
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 7; ++x) {
            const int litInBlock = lit(two, 2 * x, 2 * y) + lit(two, 2 * x + 1, 2 * y) +
                                   lit(two, 2 * x, 2 * y + 1) + lit(two, 2 * x + 1, 2 * y + 1);
            EXPECT_EQ(litInBlock >= 2, lit(one, x, y)) << x << "," << y;
            mixedBlocks += litInBlock % 4 != 0;
        }
    }
    // Not the 1x bell blown up: its edges run through the 2 x 2 blocks.
    EXPECT_GE(mixedBlocks, 4);
}

TEST(PreviewFace, IsAPlainWhiteDiscWithABlackRimOnGreyAtEveryScale)
{
    for (const int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        const QImage face = picture_checks::picture(artwork::handPreviewFace, scale);
        ASSERT_EQ(face.size(), QSize(54, 52) * scale);
        const int right = face.width() - 1;
        const int bottom = face.height() - 1;
        for (QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
            EXPECT_EQ(face.pixel(corner) & 0xFFFFFF, 0x626262u);
        }
        // The rim: dark pixels on the way out from the centre in every direction.
        for (QPoint edge : {QPoint(26, 1), QPoint(26, 51), QPoint(1, 26), QPoint(51, 26)}) {
            EXPECT_LT(picture_checks::luma(face.pixel(edge * scale)), 60) << edge.x() << "," << edge.y();
        }
        // No marks: pure white everywhere the hands can reach.
        const QPoint centre = previewHands.centre * scale + QPoint(scale / 2, scale / 2);
        for (const HandSize& hand : {previewHands.hour, previewHands.minute, previewHands.second}) {
            for (QPoint p :
                 picture_checks::handSweep(face.size(), centre, hand.length * scale, hand.width * scale)) {
                ASSERT_EQ(face.pixel(p) & 0xFFFFFF, 0xFFFFFFu) << p.x() << "," << p.y();
            }
        }
    }
}

} // namespace
