// The cat designs: the clock cuts its outline by the key colour and draws hands,
// read-out, texts and the bell onto the places its design table gives, at 1x and at 2x.
#include "core/artwork.h"
#include "face/designs.h"
#include "picture_checks.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using picture_checks::luma;
using picture_checks::scaled;

// A design's picture at a scale: the table's places are in 1x pixels, `scale` maps them.
class DesignPicture : public ::testing::TestWithParam<std::tuple<int, int>>
{
protected:
    void SetUp() override
    {
        image = picture_checks::picture(artwork::designPicture(index), scale);
        ASSERT_FALSE(image.isNull());
        ASSERT_EQ(image.size(), design().size * scale);
    }

    const designs::Design& design() const { return designs::all()[std::size_t(index)]; }
    bool isKey(QRgb c) const { return (c | 0xFF000000) == (design().key | 0xFF000000); }

    const int index = std::get<0>(GetParam());
    const int scale = std::get<1>(GetParam());
    QImage image;
};

std::string at(QPoint p)
{
    return std::to_string(p.x()) + "," + std::to_string(p.y());
}

TEST_P(DesignPicture, TopLeftPixelIsTheKeyColour)
{
    EXPECT_TRUE(isKey(image.pixel(0, 0)));
}

TEST_P(DesignPicture, KeyColourFillsOnlyTheBackgroundAroundTheFigure)
{
    const std::vector<QPoint> holes = picture_checks::enclosedKeyPixels(image, design().key);
    EXPECT_TRUE(holes.empty()) << holes.size() << " key pixels inside the figure, first at "
                               << at(holes.front());
}

TEST_P(DesignPicture, BackgroundIsExactlyOneColour)
{
    // Any colour close to the key but not the key would stay visible as a pink speck.
    const QRgb key = design().key;
    const auto nearKey = picture_checks::firstFailing(image, image.rect(), [&](QRgb c) {
        const int distance = std::abs(qRed(c) - qRed(key)) + std::abs(qGreen(c) - qGreen(key)) +
                             std::abs(qBlue(c) - qBlue(key));
        return distance == 0 || distance > 120;
    });
    EXPECT_FALSE(nearKey) << "near-key colour at " << at(*nearKey);
}

TEST_P(DesignPicture, SilhouetteHasNoMagentaFringe)
{
    const std::vector<QPoint> fringe = picture_checks::magentaFringe(image, design().key);
    EXPECT_TRUE(fringe.empty()) << fringe.size() << " fringe pixels, first at " << at(fringe.front());
}

TEST_P(DesignPicture, FigureIsOnePieceFillingMostOfThePicture)
{
    // One piece: the window never falls apart into floating specks.
    const int w = image.width();
    const int h = image.height();
    std::vector<char> seen(std::size_t(w * h), 0);
    int pieces = 0;
    int figure = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (isKey(image.pixel(x, y)) || seen[std::size_t(y * w + x)]) {
                continue;
            }
            ++pieces;
            std::vector<QPoint> stack{{x, y}};
            seen[std::size_t(y * w + x)] = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                ++figure;
                for (QPoint n : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)}) {
                    if (image.rect().contains(n) && !seen[std::size_t(n.y() * w + n.x())] &&
                        !isKey(image.pixel(n))) {
                        seen[std::size_t(n.y() * w + n.x())] = 1;
                        stack.push_back(n);
                    }
                }
            }
        }
    }
    EXPECT_EQ(pieces, 1);
    EXPECT_GT(figure, w * h / 2);
}

TEST_P(DesignPicture, KeyColourShapeIsTheOneTimesShapeBlownUp)
{
    // The window is cut to the 1x shape at every scale: a key pixel inside it would show
    // as a pink speck, a figure pixel outside it would be cut off.
    const QImage oneTimes = picture_checks::picture(artwork::designPicture(index), 1);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_EQ(isKey(image.pixel(x, y)), isKey(oneTimes.pixel(x / scale, y / scale)))
                << at(QPoint(x, y));
        }
    }
}

// The same checks, split by face kind.
class AnalogDesign : public DesignPicture
{};
class DigitalDesign : public DesignPicture
{};

TEST_P(AnalogDesign, DialIsLightUnderEveryHandPosition)
{
    const std::optional<HandGeometry>& hands = design().hands;
    ASSERT_TRUE(hands);
    // The hands turn round the middle of the centre pixel, in the picture's own pixels.
    const QPoint centre = hands->centre * scale + QPoint(scale / 2, scale / 2);
    for (const HandSize& hand : {hands->hour, hands->minute, hands->second}) {
        SCOPED_TRACE(hand.length);
        for (QPoint p :
             picture_checks::handSweep(image.size(), centre, hand.length * scale, hand.width * scale)) {
            const QRgb c = image.pixel(p);
            ASSERT_TRUE(qRed(c) >= 200 && qGreen(c) >= 200 && qBlue(c) >= 200)
                << "dark under a hand at " << at(p);
        }
    }
}

TEST_P(DigitalDesign, ReadoutAndBellBoxAreBlackWellsInADarkPanel)
{
    const face_layout::Layout& layout = design().layout;
    ASSERT_FALSE(layout.panel.isEmpty());
    const auto black = [](QRgb c) {
        return (c & 0xFFFFFF) == 0;
    };
    for (const QRect& well : {scaled(layout.panel, scale), scaled(layout.bellBox, scale)}) {
        const auto lit = picture_checks::firstFailing(image, well, black);
        EXPECT_FALSE(lit) << "not black at " << at(*lit);
        // The panel frames the well on every side.
        for (const QRect& side : {QRect(well.left() - 1, well.top() - 1, well.width() + 2, 1),
                                  QRect(well.left() - 1, well.bottom() + 1, well.width() + 2, 1),
                                  QRect(well.left() - 1, well.top(), 1, well.height()),
                                  QRect(well.right() + 1, well.top(), 1, well.height())}) {
            const auto light =
                picture_checks::firstFailing(image, side, [&](QRgb c) { return !isKey(c) && luma(c) < 80; });
            EXPECT_FALSE(light) << "panel not dark at " << at(*light);
        }
    }
}

TEST_P(DesignPicture, TextsLieOnDarkGroundWithRoomForTheWholeText)
{
    // Every weekday, morning and afternoon, and the widest digits of a date.
    std::vector<LocalTime> times;
    for (int day = 12; day <= 18; ++day) {
        for (const int hour : {9, 21}) {
            times.push_back({.year = 2024, .month = 5, .day = day, .weekday = day - 12, .hour = hour});
        }
    }
    times.push_back({.year = 2030, .month = 12, .day = 31, .weekday = 2, .hour = 15});
    const face_layout::Layout& layout = design().layout;
    for (const auto& [text, place] :
         {std::pair{layout.first, layout.firstAt}, std::pair{layout.second, layout.secondAt}}) {
        if (text == face_layout::Text::None) {
            continue;
        }
        for (const LocalTime& time : times) {
            const QString shown = face_layout::format(text, time);
            const QRect box = scaled(picture_checks::textBox(place, shown), scale);
            SCOPED_TRACE(shown.toStdString());
            EXPECT_LE(box.right(), image.width() - 1);
            const auto light =
                picture_checks::firstFailing(image, box, [&](QRgb c) { return !isKey(c) && luma(c) < 70; });
            EXPECT_FALSE(light) << "not dark under the text at " << at(*light);
        }
    }
}

TEST_P(DesignPicture, BellPlaceIsDarkSoTheWhiteBellShows)
{
    const QRect cell = scaled(face_layout::bellCell(design().layout), scale);
    ASSERT_TRUE(image.rect().contains(cell));
    const auto light =
        picture_checks::firstFailing(image, cell, [&](QRgb c) { return !isKey(c) && luma(c) < 80; });
    EXPECT_FALSE(light) << "not dark under the bell at " << at(*light);
}

std::string nameOf(const ::testing::TestParamInfo<std::tuple<int, int>>& info)
{
    return picture_checks::withScale("Design" + std::to_string(std::get<0>(info.param)),
                                     std::get<1>(info.param));
}

// The designs of a kind, by the table.
std::vector<int> designsWhere(bool (*kind)(DesignIndex))
{
    std::vector<int> indexes;
    for (int index = 0; index < designs::count; ++index) {
        if (kind(DesignIndex{index})) {
            indexes.push_back(index);
        }
    }
    return indexes;
}

const auto scales = ::testing::Values(1, 2);

INSTANTIATE_TEST_SUITE_P(All, DesignPicture, ::testing::Combine(::testing::Range(0, designs::count), scales),
                         nameOf);
INSTANTIATE_TEST_SUITE_P(Analog, AnalogDesign,
                         ::testing::Combine(::testing::ValuesIn(designsWhere(designs::isAnalog)), scales),
                         nameOf);
INSTANTIATE_TEST_SUITE_P(Digital, DigitalDesign,
                         ::testing::Combine(::testing::ValuesIn(designsWhere(designs::isDigital)), scales),
                         nameOf);

} // namespace
