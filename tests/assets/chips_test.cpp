// The chips: a soft pill on the window's grey, at the width of the program's table and
// 17 pixels high, dark grey while off and the selection blue while on.
#include "core/artwork.h"
#include "picture_checks.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb windowGrey = 0x424242;
constexpr QRgb tile = 0x585860;
constexpr QRgb selectBlue = 0x5674FB;

TEST(Chips, OffAndOnAtTheirSizeOnTheWindowsGrey)
{
    for (const artwork::Chip* chip : artwork::chip::all) {
        for (const int scale : artwork::pictureScales) {
            const artwork::ChipPictures pictures = artwork::chipPictures(*chip);
            for (const auto& [path, fill] :
                 {std::pair{pictures.off, tile}, std::pair{pictures.on, selectBlue}}) {
                const QImage image = picture_checks::picture(path, scale);
                ASSERT_FALSE(image.isNull()) << path.toStdString();
                EXPECT_EQ(image.size(), QSize(chip->width, artwork::chipHeight) * scale)
                    << path.toStdString();
                // The corners round off into the window; the pill is filled in its colour
                // beside its words.
                EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, windowGrey) << path.toStdString();
                EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1) & 0xFFFFFF, windowGrey);
                EXPECT_EQ(image.pixel(3 * scale, image.height() / 2) & 0xFFFFFF, fill) << path.toStdString();
            }
        }
    }
}

} // namespace
