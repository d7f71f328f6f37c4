// Every picture the program loads is compiled in, at the size its window expects, and
// again at 2x as "<name>@2x.png": twice as wide and high, read by Qt as device pixel
// ratio 2. The icons are a ladder of sizes instead.
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
    QString path; // in the catalogue
    QSize size;
    int scale;
    bool alpha; // only the icon has transparency; every other picture is 24-bit
};

void PrintTo(const Entry& e, std::ostream* os)
{
    *os << e.path.toStdString();
}

std::vector<Entry> manifest()
{
    std::vector<Entry> entries;
    const auto add = [&](const QString& path, QSize size) {
        for (const int scale : {1, 2}) {
            entries.push_back({artwork::atScale(path, scale), size * scale, scale, false});
        }
    };
    for (int index = 0; index < 7; ++index) {
        const QSize sizes[] = {{85, 115}, {85, 105}, {85, 105}, {85, 104}, {115, 90}, {115, 100}, {115, 82}};
        add(artwork::designPicture(index), sizes[index]);
        add(artwork::designPreview(index), index < 4 ? QSize(90, 120) : QSize(120, 105));
    }
    for (const int size : {32, 48, 64, 128, 256}) {
        entries.push_back({artwork::icon(size), {size, size}, 1, true});
    }
    const std::pair<const char*, QSize> singles[] = {
        {artwork::smallDigitStrip, {130, 15}},
        {artwork::largeDigitStrip, {220, 25}},
        {artwork::bellSprite, {14, 7}},
        {artwork::handPreviewFace, {54, 52}},
        {artwork::background::settings, {452, 282}},
        {artwork::background::message, {240, 90}},
        {artwork::background::alarmEdit, {352, 270}},
        {artwork::background::handColour, {252, 172}},
        {artwork::background::designChooser, {432, 362}},
        {artwork::background::alarmList, {472, 212}},
        {artwork::background::readoutColour, {212, 132}},
        {artwork::background::about, {402, 182}},
        {artwork::choiceSelected, {44, 44}},
        {artwork::choiceUnselected, {44, 44}},
        {artwork::caption::hourHandColour, {83, 13}},
        {artwork::caption::minuteHandColour, {83, 13}},
        {artwork::caption::secondHandColour, {83, 13}},
        {artwork::caption::pickColour, {47, 13}},
        {artwork::caption::chooseWave, {47, 13}},
        {artwork::caption::standardSound, {60, 13}},
        {artwork::caption::stepUp, {27, 13}},
        {artwork::caption::stepDown, {27, 13}},
        {artwork::caption::addAlarm, {83, 13}},
        {artwork::caption::changeAlarm, {61, 13}},
        {artwork::caption::deleteAlarm, {81, 13}},
        {artwork::caption::makerSite, {94, 13}},
        {artwork::caption::guidePage, {116, 13}},
    };
    for (const auto& [path, size] : singles) {
        add(QString::fromLatin1(path), size);
    }
    for (const auto& [face, size] : picture_checks::buttonFaces) {
        for (const char* state : {"", "_P", "_B"}) {
            add(QStringLiteral("buttons/%1%2.png").arg(QLatin1String(face), QLatin1String(state)), size);
        }
    }
    return entries;
}

class Catalogue : public ::testing::TestWithParam<Entry>
{};

TEST_P(Catalogue, PictureIsCompiledInAtItsSize)
{
    const Entry& e = GetParam();
    const QImage image = picture_checks::resource(artwork::resource(e.path));
    ASSERT_FALSE(image.isNull()) << e.path.toStdString();
    EXPECT_EQ(image.size(), e.size);
    EXPECT_EQ(image.devicePixelRatio(), e.scale);
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
    const QImage reference = picture_checks::resource(artwork::resource(artwork::icon(32)));
    for (int size : {32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon = picture_checks::resource(artwork::resource(artwork::icon(size)));
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
