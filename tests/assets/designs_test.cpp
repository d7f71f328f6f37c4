// The cat designs: the clock cuts its outline by the key colour and draws hands,
// read-out, texts and the bell onto fixed places of each picture, at 1x and at 2x.
#include "core/artwork.h"
#include "picture_checks.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

using picture_checks::luma;
using picture_checks::scaled;

struct Hand
{
    int length;
    int width;
};

struct Dial
{
    QPoint centre;
    std::vector<Hand> hands;
};

struct Text
{
    QPoint at;
    std::vector<const char*> samples; // every width the text can take
};

struct Design
{
    int type;
    QSize size;
    QRgb key;
    std::optional<Dial> dial;
    std::optional<QRect> readout;
    QPoint bell;
    std::vector<Text> texts;
};

void PrintTo(const Design& d, std::ostream* os)
{
    *os << "Design" << d.type;
}

const Dial smallDial{{42, 64}, {{14, 3}, {22, 2}, {20, 1}}};
const Dial largeDial{{45, 45}, {{22, 4}, {32, 3}, {30, 2}}};
const std::vector<const char*> fullDates{"2024/05/17 金", "2030/12/31 火"};
const std::vector<const char*> amPm{"AM", "PM"};
const std::vector<const char*> weekdays{"日", "月", "火", "水", "木", "金", "土"};

const Design designs[] = {
    {0, {85, 115}, 0xFFFE01FE, smallDial, std::nullopt, {15, 96}, {{{4, 105}, fullDates}, {{2, 95}, amPm}}},
    {1, {85, 105}, 0xFFFF00FF, std::nullopt, QRect(23, 61, 41, 12), {39, 51}, {}},
    {2,
     {85, 105},
     0xFFFF00FF,
     std::nullopt,
     QRect(23, 58, 41, 12),
     {40, 81},
     {{{24, 71}, {"05/17", "12/31"}}, {{54, 71}, weekdays}}},
    {3, {85, 104}, 0xFFFE01FE, smallDial, std::nullopt, {9, 92}, {}},
    {4, {115, 90}, 0xFFFE01FE, largeDial, std::nullopt, {10, 79}, {}},
    {5, {115, 100}, 0xFFFE01FE, largeDial, std::nullopt, {21, 90}, {{{34, 89}, fullDates}, {{6, 89}, amPm}}},
    {6,
     {115, 82},
     0xFFFE01FE,
     std::nullopt,
     QRect(5, 24, 76, 23),
     {3, 53},
     {{{12, 52}, {"2024/05/17", "2030/12/31"}}, {{73, 51}, weekdays}}},
};

// A design at a scale: the test's places are in 1x pixels, `scale` maps them.
class DesignPicture : public ::testing::TestWithParam<std::tuple<Design, int>>
{
protected:
    void SetUp() override
    {
        image = picture_checks::picture(artwork::designPicture(design().type), scale);
        ASSERT_FALSE(image.isNull());
        ASSERT_EQ(image.size(), design().size * scale);
    }

    const Design& design() const { return std::get<0>(GetParam()); }
    bool isKey(QRgb c) const { return (c | 0xFF000000) == (design().key | 0xFF000000); }

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
    const QImage oneTimes = picture_checks::picture(artwork::designPicture(design().type), 1);
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
    const Design& d = design();
    ASSERT_TRUE(d.dial);
    // The hands turn round the middle of the centre pixel, in the picture's own pixels.
    const QPoint centre = d.dial->centre * scale + QPoint(scale / 2, scale / 2);
    for (const Hand& hand : d.dial->hands) {
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
    const Design& d = design();
    ASSERT_TRUE(d.readout);
    const auto black = [](QRgb c) {
        return (c & 0xFFFFFF) == 0;
    };
    const QRect bellBox(d.bell, QSize(7, 7));
    for (const QRect& well : {scaled(*d.readout, scale), scaled(bellBox, scale)}) {
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
    const Design& d = design();
    for (const Text& text : d.texts) {
        for (const char* sample : text.samples) {
            const QRect box = scaled(picture_checks::textBox(text.at, QString::fromUtf8(sample)), scale);
            SCOPED_TRACE(sample);
            EXPECT_LE(box.right(), image.width() - 1);
            const auto light =
                picture_checks::firstFailing(image, box, [&](QRgb c) { return !isKey(c) && luma(c) < 70; });
            EXPECT_FALSE(light) << "not dark under the text at " << at(*light);
        }
    }
}

TEST_P(DesignPicture, BellPlaceIsDarkSoTheWhiteBellShows)
{
    const Design& d = design();
    const QRect cell = scaled(QRect(d.bell, QSize(7, 7)), scale);
    ASSERT_TRUE(image.rect().contains(cell));
    const auto light =
        picture_checks::firstFailing(image, cell, [&](QRgb c) { return !isKey(c) && luma(c) < 80; });
    EXPECT_FALSE(light) << "not dark under the bell at " << at(*light);
}

std::string nameOf(const ::testing::TestParamInfo<std::tuple<Design, int>>& info)
{
    return picture_checks::withScale("Design" + std::to_string(std::get<0>(info.param).type),
                                     std::get<1>(info.param));
}

const auto scales = ::testing::Values(1, 2);

INSTANTIATE_TEST_SUITE_P(All, DesignPicture, ::testing::Combine(::testing::ValuesIn(designs), scales),
                         nameOf);
INSTANTIATE_TEST_SUITE_P(Analog, AnalogDesign,
                         ::testing::Combine(::testing::Values(designs[0], designs[3], designs[4], designs[5]),
                                            scales),
                         nameOf);
INSTANTIATE_TEST_SUITE_P(Digital, DigitalDesign,
                         ::testing::Combine(::testing::Values(designs[1], designs[2], designs[6]), scales),
                         nameOf);

} // namespace
