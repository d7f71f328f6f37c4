// Every picture the program loads is compiled in, and again at 2x as "<name>@2x.png":
// twice as wide and high, read by Qt as device pixel ratio 2. The icons are a ladder of
// sizes instead. The sizes themselves are the business of each kind's own test.
#include "core/artwork.h"
#include "face/clock_face.h"
#include "face/designs.h"
#include "face/digital_readout.h"
#include "picture_checks.h"

#include <QDirIterator>
#include <QFontInfo>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

// Every catalogue path drawn at both scales, by the names the program loads them by.
std::vector<QString> scaledPictures()
{
    std::vector<QString> paths;
    for (int index = 0; index < designs::count; ++index) {
        paths.push_back(artwork::designPicture(index));
        paths.push_back(artwork::designPreview(index));
    }
    for (const char* path :
         {digital_readout::smallStrip.picture, digital_readout::largeStrip.picture, artwork::bellSprite,
          artwork::handPreviewFace, artwork::choiceSelected, artwork::choiceUnselected}) {
        paths.push_back(QString::fromLatin1(path));
    }
    for (const auto& background : picture_checks::backgrounds) {
        paths.push_back(QString::fromLatin1(background.path));
    }
    for (const auto& caption : picture_checks::captions) {
        paths.push_back(QString::fromLatin1(caption.path));
    }
    for (const artwork::Chip* chip : artwork::chip::all) {
        const artwork::ChipPictures pictures = artwork::chipPictures(*chip);
        paths.insert(paths.end(), {pictures.off, pictures.on});
    }
    for (const auto& face : picture_checks::buttonFaces) {
        const artwork::ButtonPictures pictures = artwork::buttonPictures(face.face);
        paths.insert(paths.end(), {pictures.normal, pictures.pressed, pictures.hover});
    }
    return paths;
}

class Catalogue : public ::testing::TestWithParam<QString>
{};

TEST_P(Catalogue, PictureIsCompiledInAtOneAndTwoTimesItsSize)
{
    const QImage oneTimes = picture_checks::resource(artwork::resource(GetParam()));
    const QImage twoTimes = picture_checks::resource(artwork::resource(artwork::atScale(GetParam(), 2)));
    ASSERT_FALSE(oneTimes.isNull());
    ASSERT_FALSE(twoTimes.isNull());
    EXPECT_EQ(twoTimes.size(), oneTimes.size() * 2);
    EXPECT_EQ(oneTimes.devicePixelRatio(), 1);
    EXPECT_EQ(twoTimes.devicePixelRatio(), 2);
    // Only the icons have transparency; every other picture is 24-bit.
    EXPECT_FALSE(oneTimes.hasAlphaChannel());
    EXPECT_FALSE(twoTimes.hasAlphaChannel());
}

INSTANTIATE_TEST_SUITE_P(All, Catalogue, ::testing::ValuesIn(scaledPictures()));

TEST(Catalogue, IconsAreCompiledInAtEverySizeWithTransparency)
{
    for (const int size : artwork::iconSizes) {
        const QImage icon = picture_checks::resource(artwork::resource(artwork::icon(size)));
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel()) << size;
    }
}

TEST(Catalogue, NothingElseIsCompiledIn)
{
    // A misnamed picture would sit in the program unused while its window misses it.
    std::set<std::string> expected;
    for (const QString& path : scaledPictures()) {
        for (const int scale : artwork::pictureScales) {
            expected.insert(artwork::resource(artwork::atScale(path, scale)).toStdString());
        }
    }
    for (const int size : artwork::iconSizes) {
        expected.insert(artwork::resource(artwork::icon(size)).toStdString());
    }
    std::vector<std::string> extra;
    for (const char* folder : {":/designs", ":/icon", ":/clock", ":/appearance", ":/backgrounds", ":/buttons",
                               ":/captions", ":/chips", ":/previews"}) {
        QDirIterator it(QString::fromUtf8(folder), {QStringLiteral("*.png")}, QDir::Files);
        while (it.hasNext()) {
            const std::string path = it.next().toStdString();
            if (expected.erase(path) == 0) {
                extra.push_back(path);
            }
        }
    }
    EXPECT_TRUE(extra.empty()) << "unexpected: " << extra.front();
    EXPECT_TRUE(expected.empty()) << "missing: " << *expected.begin();
}

TEST(Catalogue, ClockTextFaceIsTheInstalledGothic)
{
    // The text boxes the other tests measure only mean something in the clock's own face.
    EXPECT_EQ(QFontInfo(ClockFace::textFont()).family(), QStringLiteral("IPAGothic"));
}

TEST(Icon, EverySizeShowsTheSameFaceOnATransparentGround)
{
    const QImage reference = picture_checks::resource(artwork::resource(artwork::icon(32)));
    for (const int size : artwork::iconSizes) {
        SCOPED_TRACE(size);
        const QImage icon = picture_checks::resource(artwork::resource(artwork::icon(size)));
        ASSERT_FALSE(icon.isNull());
        // Corners clear, the middle of the face opaque.
        for (QPoint corner : {QPoint(0, size - 1), QPoint(size - 1, size - 1), QPoint(size / 2, 0)}) {
            EXPECT_EQ(qAlpha(icon.pixel(corner)), 0) << corner.x() << "," << corner.y();
        }
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size * 3 / 4)), 255);
        // At the smaller of the two sizes it matches the 32-pixel icon closely.
        const int side = std::min(size, 32);
        const auto at = [side](const QImage& image) {
            return image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_ARGB32);
        };
        const QImage reduced = at(icon);
        const QImage expected = at(reference);
        long difference = 0;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                const QRgb a = reduced.pixel(x, y);
                const QRgb b = expected.pixel(x, y);
                difference += std::abs(qAlpha(a) - qAlpha(b)) +
                              std::abs(picture_checks::luma(a) - picture_checks::luma(b));
            }
        }
        EXPECT_LT(difference / (side * side), 20);
    }
}

TEST(Icon, ShowsLargeWhiteEyesAndPinkEars)
{
    const QImage icon = picture_checks::resource(artwork::resource(artwork::icon(256)));
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
