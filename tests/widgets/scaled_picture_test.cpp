#include "core/artwork.h"
#include "widgets/scaled_picture.h"

#include <gtest/gtest.h>

namespace {

QImage catalogue(int scale)
{
    return QImage(artwork::resource(artwork::atScale(artwork::caption::addAlarm.path, scale)))
        .convertToFormat(QImage::Format_RGB32);
}

TEST(ScaledPicture, GivesEachPixelRatioItsPicture)
{
    const ScaledPicture picture(artwork::caption::addAlarm.path);
    EXPECT_EQ(picture.size(), QSize(83, 13));
    const QImage oneTimes = catalogue(1);
    const QImage twoTimes = catalogue(2);
    const struct
    {
        qreal ratio;
        QSize pixels;
        QImage expected; // null: the 2x picture scaled smoothly to the pixels
    } cases[] = {
        {1.0, {83, 13}, oneTimes}, {2.0, {166, 26}, twoTimes}, {1.25, {104, 16}, {}},
        {1.5, {125, 20}, {}},      {1.0, {83, 13}, oneTimes},  {3.0, {249, 39}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ratio);
        const QPixmap& shown = picture.at(c.ratio);
        EXPECT_EQ(shown.size(), c.pixels);
        EXPECT_EQ(shown.devicePixelRatio(), c.ratio);
        const QImage expected =
            c.expected.isNull() ? twoTimes.scaled(c.pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                : c.expected;
        EXPECT_EQ(shown.toImage().convertToFormat(QImage::Format_RGB32), expected);
    }
}

} // namespace
