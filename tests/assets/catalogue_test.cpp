// Every picture the program loads is compiled in, at the size its window expects.
#include "picture_checks.h"

#include <QFont>
#include <QFontInfo>
#include <gtest/gtest.h>

namespace {

struct Entry
{
    const char* path;
    QSize size;
    bool alpha; // only the icon has transparency; every other picture is 24-bit
};

void PrintTo(const Entry& e, std::ostream* os)
{
    *os << e.path;
}

const Entry catalogue[] = {
    {":/designs/D_Pic0.png", {85, 115}, false},
    {":/designs/D_Pic1.png", {85, 105}, false},
    {":/designs/D_Pic2.png", {85, 105}, false},
    {":/designs/D_Pic3.png", {85, 104}, false},
    {":/designs/D_Pic4.png", {115, 90}, false},
    {":/designs/D_Pic5.png", {115, 100}, false},
    {":/designs/D_Pic6.png", {115, 82}, false},
    {":/icon/icon32.png", {32, 32}, true},
    {":/icon/icon48.png", {48, 48}, true},
    {":/icon/icon64.png", {64, 64}, true},
    {":/icon/icon128.png", {128, 128}, true},
    {":/icon/icon256.png", {256, 256}, true},
};

class Catalogue : public ::testing::TestWithParam<Entry>
{
};

TEST_P(Catalogue, PictureIsCompiledInAtItsSize)
{
    const Entry& e = GetParam();
    const QImage image = picture_checks::resource(QString::fromUtf8(e.path));
    ASSERT_FALSE(image.isNull()) << e.path;
    EXPECT_EQ(image.size(), e.size);
    EXPECT_EQ(image.hasAlphaChannel(), e.alpha);
}

INSTANTIATE_TEST_SUITE_P(All, Catalogue, ::testing::ValuesIn(catalogue));

TEST(Catalogue, ClockTextFaceIsTheInstalledGothic)
{
    // The text boxes the other tests measure only mean something in the clock's own face.
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPixelSize(11);
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("IPAGothic"));
}

TEST(Icon, EverySizeShowsTheSameFaceOnATransparentGround)
{
    const QImage reference = picture_checks::resource(QStringLiteral(":/icon/icon32.png"));
    for (int size : {32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon = picture_checks::resource(QStringLiteral(":/icon/icon%1.png").arg(size));
        ASSERT_FALSE(icon.isNull());
        // Corners clear, the middle of the face opaque.
        for (QPoint corner : {QPoint(0, size - 1), QPoint(size - 1, size - 1), QPoint(size / 2, 0)}) {
            EXPECT_EQ(qAlpha(icon.pixel(corner)), 0) << corner.x() << "," << corner.y();
        }
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size * 3 / 4)), 255);
        // Reduced to 32 pixels it matches the 32-pixel icon closely.
        const QImage reduced = icon.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                   .convertToFormat(QImage::Format_ARGB32);
        long difference = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb a = reduced.pixel(x, y);
                const QRgb b = reference.pixel(x, y);
                difference += std::abs(qAlpha(a) - qAlpha(b)) + std::abs(picture_checks::luma(a) - picture_checks::luma(b));
            }
        }
        EXPECT_LT(difference / (32 * 32), 20);
    }
}

TEST(Icon, ShowsLargeWhiteEyesAndPinkEars)
{
    const QImage icon = picture_checks::resource(QStringLiteral(":/icon/icon256.png"));
    ASSERT_FALSE(icon.isNull());
    int white = 0;
    int pink = 0;
    int black = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const QRgb c = icon.pixel(x, y);
            if (qAlpha(c) < 255) {
                continue;
            }
            white += picture_checks::luma(c) > 235;
            pink += qRed(c) > 200 && qGreen(c) < 180 && qBlue(c) > 150 && qRed(c) - qGreen(c) > 50;
            black += picture_checks::luma(c) < 60;
        }
    }
    const int area = 256 * 256;
    EXPECT_GT(black, area / 4);  // a black cat
    EXPECT_GT(white, area / 30); // with large white eyes
    EXPECT_GT(pink, area / 100); // and pink-lined ears
}

} // namespace
