// The window backgrounds: every window is exactly its picture's size, and the windows
// draw their labels and controls onto the flat body below the title strip.
#include "core/artwork.h"
#include "picture_checks.h"

#include <gtest/gtest.h>

namespace {

using picture_checks::luma;

enum class Strip
{
    None,
    TitleOnly,
    TitleAndNames
};

struct Background
{
    const char* path;
    QSize size;
    Strip strip;
};

void PrintTo(const Background& b, std::ostream* os)
{
    *os << b.path;
}

const Background backgrounds[] = {
    {artwork::background::settings, {452, 282}, Strip::TitleAndNames},
    {artwork::background::message, {240, 90}, Strip::None},
    {artwork::background::alarmEdit, {352, 270}, Strip::TitleAndNames},
    {artwork::background::handColour, {252, 172}, Strip::TitleAndNames},
    {artwork::background::designChooser, {432, 362}, Strip::TitleAndNames},
    {artwork::background::alarmList, {472, 212}, Strip::TitleAndNames},
    {artwork::background::readoutColour, {212, 132}, Strip::TitleOnly},
    {artwork::background::about, {402, 182}, Strip::TitleAndNames},
};

constexpr QRgb body = 0x424242;
constexpr QRgb strip = 0x2D2D31;
constexpr int bodyTop = 28; // below the strip and its lower line

class WindowBackground : public ::testing::TestWithParam<Background>
{
protected:
    void SetUp() override
    {
        image = picture_checks::resource(artwork::resource(GetParam().path));
        ASSERT_FALSE(image.isNull());
    }

    int count(const QRect& rect, const std::function<bool(QRgb)>& match) const
    {
        int n = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                n += match(image.pixel(x, y));
            }
        }
        return n;
    }

    QImage image;
};

TEST_P(WindowBackground, IsTheWindowsSize)
{
    EXPECT_EQ(image.size(), GetParam().size);
    EXPECT_FALSE(image.hasAlphaChannel());
}

TEST_P(WindowBackground, DarkFrameWithALightBevelInside)
{
    const int w = image.width();
    const int h = image.height();
    const QRect outer[] = {{0, 0, w, 1}, {0, h - 1, w, 1}, {0, 0, 1, h}, {w - 1, 0, 1, h}};
    for (const QRect& side : outer) {
        EXPECT_EQ(count(side, [](QRgb c) { return luma(c) < 40; }), side.width() * side.height());
    }
    // The bevel's light line runs along the top and the left just inside the frame.
    EXPECT_GT(luma(image.pixel(w / 2, 1)), luma(body) + 30);
    EXPECT_GT(luma(image.pixel(1, h / 2)), luma(body) + 30);
    EXPECT_LT(luma(image.pixel(w / 2, h - 2)), luma(body));
}

TEST_P(WindowBackground, BodyIsFlatWhereTheWindowDrawsItsControls)
{
    const int top = GetParam().strip == Strip::None ? 2 : bodyTop;
    const QRect area(2, top, image.width() - 4, image.height() - top - 2);
    const auto odd = picture_checks::firstFailing(image, area, [](QRgb c) { return (c & 0xFFFFFF) == body; });
    EXPECT_FALSE(odd) << "not the body colour at " << odd->x() << "," << odd->y();
}

TEST_P(WindowBackground, TitleStripCarriesTheTitleAndTheNames)
{
    const Background& b = GetParam();
    if (b.strip == Strip::None) {
        EXPECT_EQ(image.pixel(image.width() / 2, 10) & 0xFFFFFF, body);
        return;
    }
    const int w = image.width();
    // Dark across the whole width, from the frame down to row 26.
    for (int y : {2, 26}) {
        EXPECT_EQ(count(QRect(2, y, w - 4, 1), [](QRgb c) { return (c & 0xFFFFFF) == strip; }), w - 4)
            << "row " << y;
    }
    // The title in white at the left.
    EXPECT_GT(count(QRect(24, 4, 110, 21), [](QRgb c) { return luma(c) > 220; }), 40);
    // The names in grey at the right, only where the strip has room for them.
    if (b.strip == Strip::TitleAndNames) {
        const int names =
            count(QRect(w - 100, 4, 92, 21), [](QRgb c) { return luma(c) > 110 && luma(c) < 200; });
        EXPECT_GT(names, 40);
        EXPECT_EQ(count(QRect(w - 100, 4, 92, 21), [](QRgb c) { return luma(c) > 220; }), 0);
    } else {
        EXPECT_EQ(count(QRect(w - 34, 4, 30, 21), [](QRgb c) { return (c & 0xFFFFFF) != strip; }), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(All, WindowBackground, ::testing::ValuesIn(backgrounds), [](const auto& info) {
    const QString path = QString::fromUtf8(info.param.path);
    return path.section(QLatin1Char('/'), -1).section(QLatin1Char('.'), 0, 0).toStdString();
});

} // namespace
