// The highlight-bar captions: light grey text on dark grey, 13 pixels high, sized for
// the bars their windows lay out; at 2x twice as many pixels each way.
#include "core/artwork.h"
#include "picture_checks.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

using picture_checks::Caption;

constexpr QRgb back = 0x2E2E2E;
constexpr QRgb text = 0xD2D2D2;

class CaptionPicture : public ::testing::TestWithParam<std::tuple<Caption, int>>
{
protected:
    void SetUp() override
    {
        image = picture_checks::picture(caption().path, s);
        ASSERT_FALSE(image.isNull());
    }

    const Caption& caption() const { return std::get<0>(GetParam()); }

    // Columns (or rows) that carry any ink.
    QRect inkBounds() const
    {
        QRect bounds;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if ((image.pixel(x, y) & 0xFFFFFF) != back) {
                    bounds |= QRect(x, y, 1, 1);
                }
            }
        }
        return bounds;
    }

    const int s = std::get<1>(GetParam());
    QImage image;
};

TEST_P(CaptionPicture, IsThirteenPixelsHighAtItsWidth)
{
    EXPECT_EQ(image.size(), QSize(caption().width, 13) * s);
    EXPECT_FALSE(image.hasAlphaChannel());
}

TEST_P(CaptionPicture, LightGreyTextOnDarkGrey)
{
    int full = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            // Only the two colours and the steps between them.
            ASSERT_TRUE(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c)) << x << "," << y;
            ASSERT_GE(qRed(c), qRed(back));
            ASSERT_LE(qRed(c), qRed(text));
            full += (c & 0xFFFFFF) == text;
        }
    }
    EXPECT_GT(full, 8);
    // The ground is the bar's colour all round.
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, back);
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1) & 0xFFFFFF, back);
}

TEST_P(CaptionPicture, TextIsWholeAndCentred)
{
    const QRect ink = inkBounds();
    ASSERT_FALSE(ink.isEmpty());
    // Nothing cut at the sides, and balanced margins.
    EXPECT_GE(ink.left(), 1);
    EXPECT_LE(ink.right(), image.width() - 2);
    EXPECT_LE(std::abs(ink.left() - (image.width() - 1 - ink.right())), 3 * s);
    if (caption().width > 27) {
        // Words fill their caption.
        EXPECT_GT(ink.width() * 10, image.width() * 8);
        EXPECT_GE(ink.height(), 9 * s);
    }
}

INSTANTIATE_TEST_SUITE_P(
    All, CaptionPicture,
    ::testing::Combine(::testing::ValuesIn(picture_checks::captions), ::testing::Values(1, 2)),
    [](const auto& info) {
        return picture_checks::withScale(
            QFileInfo(QString::fromLatin1(std::get<0>(info.param).path)).baseName().toStdString(),
            std::get<1>(info.param));
    });

TEST(StepCaptions, UpPointsUpAndDownPointsDown)
{
    const std::pair<const char*, bool> arrows[] = {{artwork::caption::stepUp.path, true},
                                                   {artwork::caption::stepDown.path, false}};
    for (const auto& [name, up] : arrows) {
        for (const int s : {1, 2}) {
            const QImage image = picture_checks::picture(name, s);
            ASSERT_FALSE(image.isNull()) << name;
            std::vector<int> widths;
            for (int y = 0; y < image.height(); ++y) {
                int w = 0;
                for (int x = 0; x < image.width(); ++x) {
                    w += (image.pixel(x, y) & 0xFFFFFF) == text;
                }
                if (w > 0) {
                    widths.push_back(w);
                }
            }
            ASSERT_GE(widths.size(), 4u * s) << name;
            for (std::size_t i = 1; i < widths.size(); ++i) {
                EXPECT_EQ(widths[i] > widths[i - 1], up)
                    << picture_checks::withScale(name, s) << " row " << i;
            }
        }
    }
}

} // namespace
