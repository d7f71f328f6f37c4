// Every picture the program loads is compiled in, at the size its window expects.
#include "core/artwork.h"
#include "picture_checks.h"

#include <QDirIterator>
#include <QFont>
#include <QFontInfo>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

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

std::vector<Entry> manifest()
{
    std::vector<Entry> entries = {
        {"designs/D_Pic0.png", {85, 115}, false},
        {"designs/D_Pic1.png", {85, 105}, false},
        {"designs/D_Pic2.png", {85, 105}, false},
        {"designs/D_Pic3.png", {85, 104}, false},
        {"designs/D_Pic4.png", {115, 90}, false},
        {"designs/D_Pic5.png", {115, 100}, false},
        {"designs/D_Pic6.png", {115, 82}, false},
        {"icon/icon32.png", {32, 32}, true},
        {"icon/icon48.png", {48, 48}, true},
        {"icon/icon64.png", {64, 64}, true},
        {"icon/icon128.png", {128, 128}, true},
        {"icon/icon256.png", {256, 256}, true},
        {"clock/TimPcS.png", {130, 15}, false},
        {"clock/TimPcM.png", {220, 25}, false},
        {"clock/Pic_AlmK.png", {14, 7}, false},
        {"appearance/PicT.png", {54, 52}, false},
        {artwork::background::settings, {452, 282}, false},
        {artwork::background::message, {240, 90}, false},
        {artwork::background::alarmEdit, {352, 270}, false},
        {artwork::background::handColour, {252, 172}, false},
        {artwork::background::designChooser, {432, 362}, false},
        {artwork::background::alarmList, {472, 212}, false},
        {artwork::background::readoutColour, {212, 132}, false},
        {artwork::background::about, {402, 182}, false},
        {"buttons/Asi.png", {44, 44}, false},
        {"buttons/NoAsi.png", {44, 44}, false},
        {"captions/Bt_TH.png", {83, 13}, false},
        {"captions/Bt_TM.png", {83, 13}, false},
        {"captions/Bt_TS.png", {83, 13}, false},
        {"captions/Picture2.png", {47, 13}, false},
        {"captions/HenWav.png", {47, 13}, false},
        {"captions/FutWav.png", {60, 13}, false},
        {"captions/TimeUp.png", {27, 13}, false},
        {"captions/TimeDown.png", {27, 13}, false},
        {"captions/AlmPlus.png", {83, 13}, false},
        {"captions/SetHen.png", {61, 13}, false},
        {"captions/BtnAlmDel.png", {81, 13}, false},
        {"captions/Btn1a.png", {94, 13}, false},
        {"captions/Btn2a.png", {116, 13}, false},
    };
    static std::vector<std::string> names; // keeps the generated paths alive
    const struct
    {
        const char* face;
        QSize size;
    } faces[] = {{"Change", {55, 40}},     {"Apply", {55, 40}},  {"Cancel", {55, 40}}, {"Close", {55, 40}},
                 {"CloseSmall", {70, 20}}, {"Alm", {40, 40}},    {"Pic", {40, 40}},    {"Mae", {40, 40}},
                 {"Usi", {40, 40}},        {"TryOn", {40, 40}},  {"TryOff", {40, 40}}, {"StrtUp", {40, 40}},
                 {"StrtUpDel", {40, 40}},  {"SSon", {40, 40}},   {"SSoff", {40, 40}},  {"HariCol", {40, 40}},
                 {"Col", {40, 40}},        {"ColonA", {40, 40}}, {"ColonB", {40, 40}}};
    if (names.empty()) {
        for (const auto& f : faces) {
            for (const char* state : {"", "_P", "_B"}) {
                names.push_back(std::string("buttons/") + f.face + state + ".png");
            }
        }
        for (int type = 0; type < 7; ++type) {
            names.push_back("previews/Neko" + std::to_string(type) + ".png");
        }
    }
    std::size_t i = 0;
    for (const auto& f : faces) {
        for (int state = 0; state < 3; ++state) {
            entries.push_back({names[i++].c_str(), f.size, false});
        }
    }
    for (int type = 0; type < 7; ++type) {
        entries.push_back({names[i++].c_str(), type < 4 ? QSize(90, 120) : QSize(120, 105), false});
    }
    return entries;
}

class Catalogue : public ::testing::TestWithParam<Entry>
{};

TEST_P(Catalogue, PictureIsCompiledInAtItsSize)
{
    const Entry& e = GetParam();
    const QImage image = picture_checks::resource(artwork::resource(e.path));
    ASSERT_FALSE(image.isNull()) << e.path;
    EXPECT_EQ(image.size(), e.size);
    EXPECT_EQ(image.hasAlphaChannel(), e.alpha);
}

INSTANTIATE_TEST_SUITE_P(All, Catalogue, ::testing::ValuesIn(manifest()));

TEST(Catalogue, NothingElseIsCompiledIn)
{
    // A misnamed picture would sit in the program unused while its window misses it.
    std::set<std::string> expected;
    for (const Entry& e : manifest()) {
        expected.insert(artwork::resource(e.path).toStdString());
    }
    std::vector<std::string> extra;
    for (const char* folder : {":/designs", ":/icon", ":/clock", ":/appearance", ":/backgrounds", ":/buttons",
                               ":/captions", ":/previews"}) {
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
                difference += std::abs(qAlpha(a) - qAlpha(b)) +
                              std::abs(picture_checks::luma(a) - picture_checks::luma(b));
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
