// The three-state button faces and the selection backdrops of the settings window, at
// 1x and at 2x.
#include "core/artwork.h"
#include "picture_checks.h"

#include <QColor>
#include <gtest/gtest.h>
#include <set>

namespace {

using picture_checks::luma;
using picture_checks::scaled;

using ButtonFace = picture_checks::ButtonFaceSize;
using picture_checks::buttonFaces;

QImage buttonPicture(const char* face, const char* state, int scale = 1)
{
    return picture_checks::picture(
        QStringLiteral("buttons/%1%2.png").arg(QString::fromUtf8(face), QString::fromUtf8(state)), scale);
}

int countIn(const QImage& image, const QRect& rect, const std::function<bool(QRgb)>& match)
{
    int n = 0;
    const QRect r = rect & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            n += match(image.pixel(x, y));
        }
    }
    return n;
}

// The brightest pixel inside the tile's edge.
int brightest(const QImage& image, int scale)
{
    const int edge = 3 * scale;
    int best = 0;
    for (int y = edge; y < image.height() - edge; ++y) {
        for (int x = edge; x < image.width() - edge; ++x) {
            best = std::max(best, luma(image.pixel(x, y)));
        }
    }
    return best;
}

class ThreeStateButton : public ::testing::TestWithParam<std::tuple<ButtonFace, int>>
{
protected:
    void SetUp() override
    {
        normal = buttonPicture(face().face.name, "", s);
        pressed = buttonPicture(face().face.name, "_P", s);
        hover = buttonPicture(face().face.name, "_B", s);
        ASSERT_FALSE(normal.isNull());
        ASSERT_FALSE(pressed.isNull());
        ASSERT_FALSE(hover.isNull());
    }

    const ButtonFace& face() const { return std::get<0>(GetParam()); }

    const int s = std::get<1>(GetParam());
    QImage normal, pressed, hover;
};

TEST_P(ThreeStateButton, AllThreePicturesHaveTheButtonsSize)
{
    for (const QImage* image : {&normal, &pressed, &hover}) {
        EXPECT_EQ(image->size(), face().size * s);
        EXPECT_FALSE(image->hasAlphaChannel());
    }
}

TEST_P(ThreeStateButton, CornersShowTheWindowBehindTheSoftTile)
{
    for (const QImage* image : {&normal, &pressed, &hover}) {
        const int w = image->width();
        const int h = image->height();
        for (QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
            EXPECT_EQ(image->pixel(corner) & 0xFFFFFF, 0x424242u);
        }
        // The tile itself starts right beside the corner.
        EXPECT_NE(image->pixel(w / 2, 2 * s) & 0xFFFFFF, 0x424242u);
    }
}

TEST_P(ThreeStateButton, GreyTileTurnsBlueOnHoverAndDarkBlueWhenPressed)
{
    // A spot of bare tile near the left edge, half way down.
    const QPoint tile(2 * s, face().size.height() / 2 * s);
    const QRgb n = normal.pixel(tile);
    const QRgb h = hover.pixel(tile);
    const QRgb p = pressed.pixel(tile);
    EXPECT_LT(std::abs(qRed(n) - qBlue(n)), 12) << "normal tile is grey";
    EXPECT_GT(qBlue(h) - qRed(h), 60) << "hover tile is blue";
    EXPECT_GT(qBlue(p) - qRed(p), 40) << "pressed tile is blue";
    EXPECT_LT(luma(p) + 40, luma(h)) << "pressed is darker than hover";
}

TEST_P(ThreeStateButton, PressedContentIsDimmed)
{
    EXPECT_GT(brightest(normal, s), 180);
    EXPECT_GT(brightest(hover, s), 180);
    EXPECT_LT(brightest(pressed, s), brightest(normal, s) * 7 / 10);
}

INSTANTIATE_TEST_SUITE_P(All, ThreeStateButton,
                         ::testing::Combine(::testing::ValuesIn(buttonFaces), ::testing::Values(1, 2)),
                         [](const auto& info) {
                             return picture_checks::withScale(std::get<0>(info.param).face.name,
                                                              std::get<1>(info.param));
                         });

bool isBlueInk(QRgb c)
{
    return qBlue(c) > 200 && qBlue(c) - qRed(c) > 80;
}
bool isRedInk(QRgb c)
{
    return qRed(c) > 180 && qRed(c) - qGreen(c) > 90 && qRed(c) - qBlue(c) > 80;
}
bool isGreenInk(QRgb c)
{
    return qGreen(c) > 120 && qGreen(c) - qRed(c) > 50 && qGreen(c) - qBlue(c) > 30;
}
bool isLightText(QRgb c)
{
    return luma(c) > 200;
}

struct Content
{
    artwork::Face face;
    QRect area;
    std::function<bool(QRgb)> ink;
    int atLeast;
    int atMost;
};

void PrintTo(const Content& c, std::ostream* os)
{
    *os << c.face.name << " " << c.area.x() << "," << c.area.y();
}

// What each face shows, as colours in its parts: the icon above, the label below.
const Content contents[] = {
    {artwork::face::change, {10, 2, 35, 22}, isBlueInk, 20, 1000},
    {artwork::face::change, {0, 24, 55, 14}, isLightText, 20, 1000},
    {artwork::face::apply, {10, 2, 35, 22}, isBlueInk, 20, 1000},
    {artwork::face::apply, {0, 24, 55, 14}, isLightText, 20, 1000},
    {artwork::face::cancel, {10, 2, 35, 22}, isRedInk, 20, 1000},
    {artwork::face::cancel, {0, 24, 55, 14}, isLightText, 20, 1000},
    {artwork::face::close, {10, 2, 35, 22}, isRedInk, 12, 1000},
    {artwork::face::close, {0, 24, 55, 14}, isLightText, 15, 1000},
    {artwork::face::closeSmall, {8, 2, 20, 16}, isRedInk, 8, 1000},
    {artwork::face::closeSmall, {27, 2, 38, 16}, isLightText, 15, 1000},
    {artwork::face::options, {10, 2, 35, 22}, isBlueInk, 10, 1000},
    {artwork::face::options, {0, 24, 55, 14}, isLightText, 20, 1000},
    {artwork::face::snooze, {6, 2, 17, 16}, isBlueInk, 20, 1000},
    {artwork::face::snooze, {23, 2, 47, 16}, isLightText, 20, 1000},
    {artwork::face::secondHandOn, {4, 4, 32, 32}, isRedInk, 3, 1000},
    {artwork::face::secondHandOff, {4, 4, 32, 32}, isRedInk, 0, 0},
    {artwork::face::registerStartup, {4, 4, 32, 32}, isGreenInk, 60, 1000},
    {artwork::face::unregisterStartup, {4, 4, 32, 32}, isGreenInk, 30, 1000},
    {artwork::face::alarms, {4, 4, 32, 32}, isLightText, 60, 1000},
    {artwork::face::trayIconOff, {4, 4, 32, 32}, isGreenInk, 4, 1000},
};

class FaceContent : public ::testing::TestWithParam<std::tuple<Content, int>>
{};

TEST_P(FaceContent, ShowsItsIconAndLabel)
{
    const auto& [c, s] = GetParam();
    const QImage image = buttonPicture(c.face.name, "", s);
    ASSERT_FALSE(image.isNull());
    // Counts of 1x pixels: at 2x each covers four.
    const int n = countIn(image, scaled(c.area, s), c.ink);
    EXPECT_GE(n, c.atLeast * s * s);
    EXPECT_LE(n, c.atMost * s * s);
}

INSTANTIATE_TEST_SUITE_P(Faces, FaceContent,
                         ::testing::Combine(::testing::ValuesIn(contents), ::testing::Values(1, 2)));

// Pairs that must differ only in one part of the picture.
struct Pair
{
    artwork::Face a;
    artwork::Face b;
    QRect where; // every difference lies in here
};

TEST(ButtonPairs, DifferOnlyWhereTheirMeaningDiffers)
{
    const Pair pairs[] = {
        {artwork::face::colonShown, artwork::face::colonHidden, {15, 10, 10, 20}}, // the colon
        {artwork::face::trayIconOn, artwork::face::trayIconOff, {20, 18, 16, 16}}, // the cat icon in the tray
        {artwork::face::secondHandOn, artwork::face::secondHandOff, {6, 6, 28, 28}}, // the second hand
    };
    for (const Pair& pair : pairs) {
        for (const int s : {1, 2}) {
            SCOPED_TRACE(picture_checks::withScale(pair.a.name, s));
            for (const char* state : {"", "_P", "_B"}) {
                const QImage a = buttonPicture(pair.a.name, state, s);
                const QImage b = buttonPicture(pair.b.name, state, s);
                int inside = 0;
                int outside = 0;
                for (int y = 0; y < a.height(); ++y) {
                    for (int x = 0; x < a.width(); ++x) {
                        if (a.pixel(x, y) != b.pixel(x, y)) {
                            (scaled(pair.where, s).contains(x, y) ? inside : outside)++;
                        }
                    }
                }
                EXPECT_GT(inside, 2);
                EXPECT_EQ(outside, 0);
            }
        }
    }
}

TEST(ButtonPairs, EveryFaceIsDistinct)
{
    for (std::size_t i = 0; i < buttonFaces.size(); ++i) {
        for (std::size_t j = i + 1; j < buttonFaces.size(); ++j) {
            if (buttonFaces[i].size == buttonFaces[j].size) {
                EXPECT_NE(buttonPicture(buttonFaces[i].face.name, ""),
                          buttonPicture(buttonFaces[j].face.name, ""))
                    << buttonFaces[i].face.name << " " << buttonFaces[j].face.name;
            }
        }
    }
}

TEST(ColourFaces, SpellColorInManyColours)
{
    for (const artwork::Face& face : {artwork::face::handColour, artwork::face::readoutColour}) {
        for (const int s : {1, 2}) {
            const QImage image = buttonPicture(face.name, "", s);
            std::set<int> hues;
            for (int y = 26 * s; y < 38 * s; ++y) {
                for (int x = 4 * s; x < 36 * s; ++x) {
                    const QColor c = QColor::fromRgb(image.pixel(x, y));
                    if (c.hsvSaturation() > 120 && c.value() > 160) {
                        hues.insert((c.hsvHue() + 30) % 360 / 60);
                    }
                }
            }
            EXPECT_GE(hues.size(), 4u) << picture_checks::withScale(face.name, s);
        }
    }
}

TEST(SelectionBackdrops, ChosenIsPlainBlueWithALighterEdgeOtherIsThePanel)
{
    for (const int s : {1, 2}) {
        SCOPED_TRACE(s);
        const QImage chosen = picture_checks::picture(artwork::choiceSelected, s);
        const QImage other = picture_checks::picture(artwork::choiceUnselected, s);
        const int size = 44 * s;
        ASSERT_EQ(chosen.size(), QSize(size, size));
        ASSERT_EQ(other.size(), QSize(size, size));
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                // A one-pixel edge at 1x, two pixels at 2x.
                const bool edge = x < s || y < s || x >= size - s || y >= size - s;
                const QRgb c = chosen.pixel(x, y) & 0xFFFFFF;
                if (edge) {
                    EXPECT_GT(luma(c), luma(0x5674FB)) << x << "," << y;
                    EXPECT_GT(qBlue(c), qRed(c));
                } else {
                    EXPECT_EQ(c, 0x5674FBu) << x << "," << y;
                }
                EXPECT_EQ(other.pixel(x, y) & 0xFFFFFF, 0x424242u);
            }
        }
    }
}

} // namespace
