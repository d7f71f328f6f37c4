#include "core/artwork.h"
#include "face/clock_face.h"
#include "face/digital_readout.h"

#include <QDateTime>
#include <QPainter>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr ColourRef red = 0x0000FF;
constexpr ColourRef green = 0x00FF00;
constexpr ColourRef blue = 0xFF0000;
constexpr QRgb white = 0xFFFFFFFF;

// What the window shows: the face painted as its paint event does, panel and bell box on top.
QImage composed(const ClockFace& face)
{
    QImage image = face.image().copy();
    QPainter painter(&image);
    face.paint(painter);
    return image;
}

// A design's picture in one colour, drawn at `scale`.
QImage plainPicture(int type, QRgb colour = white, int scale = 1)
{
    QImage picture(designs::find(DesignIndex{type})->size * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(colour);
    return picture;
}

LocalTime at(int hour, int minute, int second, QDate date = QDate(2024, 5, 17))
{
    return LocalTime::fromDateTime(QDateTime(date, QTime(hour, minute, second)));
}

ClockFace::Inputs inputsFor(int design, const LocalTime& time, bool secondHand = true, bool bellShown = false,
                            ColourRef readout = red)
{
    return ClockFace::Inputs{DesignIndex{design}, time, secondHand, bellShown, red, green, blue, readout};
}

QRgb opaque(ColourRef colour)
{
    return toQColor(colour).rgb();
}

TEST(HandGeometry, TipsOfTheEdgeCases)
{
    const QPointF small(42, 64);
    const QPointF large(45, 45);
    struct Case
    {
        QPointF centre;
        double length;
        double angle;
        QPointF tip;
    };
    const Case cases[] = {
        {small, 14, hourHandAngle(3, 0), {56, 64}},    {small, 22, minuteHandAngle(0, 0), {42, 42}},
        {small, 20, secondHandAngle(0), {42, 44}},     {large, 22, hourHandAngle(12, 30), {50.694, 23.750}},
        {large, 32, minuteHandAngle(30, 0), {45, 77}}, {large, 30, secondHandAngle(45), {15, 45}},
    };
    for (const Case& c : cases) {
        const QPointF tip = handTip(c.centre, c.length, c.angle);
        EXPECT_NEAR(tip.x(), c.tip.x(), 0.001) << c.angle;
        EXPECT_NEAR(tip.y(), c.tip.y(), 0.001) << c.angle;
    }
    EXPECT_EQ(hourHandAngle(12, 30), 375);
    EXPECT_DOUBLE_EQ(minuteHandAngle(10, 30), 63);
}

struct HandPixels
{
    const char* name;
    int type;
    LocalTime time;
    bool secondHand;
    std::vector<std::pair<QPoint, ColourRef>> coloured; // pixels that show a hand's colour
    std::vector<QPoint> bare;                           // pixels that show the picture

    friend void PrintTo(const HandPixels& c, std::ostream* os) { *os << c.name; }
};

// The cases' pixels are 1x pixels; at 2x each is a block of four in the face's pixels,
// all of which must show the same.
class AnalogFace : public ::testing::TestWithParam<std::tuple<HandPixels, int>>
{};

TEST_P(AnalogFace, DrawsTheHandsFromTheCentre)
{
    const auto& [c, scale] = GetParam();
    ClockFace face;
    face.redraw(plainPicture(c.type, white, scale), inputsFor(c.type, c.time, c.secondHand));
    const QImage image = composed(face);
    ASSERT_EQ(image.devicePixelRatio(), scale);
    // clang 14 (the sanitizer build) cannot capture a structured binding: copy the scale.
    const auto block = [&image, scale = scale](QPoint point) {
        std::vector<QRgb> pixels;
        for (int dy = 0; dy < scale; ++dy) {
            for (int dx = 0; dx < scale; ++dx) {
                pixels.push_back(image.pixel(point * scale + QPoint(dx, dy)));
            }
        }
        return pixels;
    };
    for (const auto& [point, colour] : c.coloured) {
        for (const QRgb pixel : block(point)) {
            EXPECT_EQ(pixel, opaque(colour)) << point.x() << "," << point.y();
        }
    }
    for (const QPoint& point : c.bare) {
        for (const QRgb pixel : block(point)) {
            EXPECT_EQ(pixel, white) << point.x() << "," << point.y();
        }
    }
    if (!c.secondHand) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel(image.pixel(x, y));
                EXPECT_FALSE(pixel.blue() > 0 && pixel.red() == 0 && pixel.green() == 0) << x << "," << y;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnalogFace,
    ::testing::Combine(
        ::testing::Values(
            // 03:00:00 on type 0: hour hand to (56, 64), minute to (42, 42), second on top to (42, 44).
            HandPixels{
                "ThreeOClock",
                0,
                at(3, 0, 0),
                1,
                {{{50, 64}, red}, {{55, 64}, red}, {{42, 43}, green}, {{42, 45}, blue}, {{42, 60}, blue}},
                {{58, 64}, {42, 40}, {42, 67}, {38, 64}}},
            // 12:30:00 on type 4: the hour hand half way to one, the minute hand straight down.
            HandPixels{"HalfPastTwelve",
                       4,
                       at(12, 30, 0),
                       1,
                       {{{49, 28}, red}, {{45, 60}, green}, {{45, 76}, green}, {{45, 20}, blue}},
                       {{45, 80}, {45, 12}, {53, 20}}},
            HandPixels{"NoSecondHand",
                       0,
                       at(3, 0, 0),
                       0,
                       {{{50, 64}, red}, {{42, 45}, green}},
                       {{42, 68}, {42, 81}}},
            HandPixels{"NoSecondHandOnALargeFace", 5, at(6, 15, 40), false, {}, {}}),
        ::testing::Values(1, 2)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::to_string(std::get<1>(info.param)) +
               "x";
    });

TEST(FaceTexts, FormatsDatesWeekdaysAndAmPm)
{
    using face_layout::Text;
    const LocalTime friday = at(9, 5, 0);
    EXPECT_EQ(face_layout::format(Text::DateWithWeekday, friday), u"2024/05/17 金"_s);
    EXPECT_EQ(face_layout::format(Text::Date, friday), u"2024/05/17"_s);
    EXPECT_EQ(face_layout::format(Text::MonthDay, friday), u"05/17"_s);
    EXPECT_EQ(face_layout::format(Text::Weekday, friday), u"金"_s);
    const std::pair<LocalTime, const char*> marks[] = {
        {at(11, 59, 59), "AM"}, {at(12, 0, 0), "PM"}, {at(0, 0, 0), "AM"}, {at(23, 59, 59), "PM"}};
    for (const auto& [time, mark] : marks) {
        EXPECT_EQ(face_layout::format(Text::AmPm, time), QString::fromLatin1(mark)) << time.hour;
    }
    const QString week = u"日月火水木金土"_s;
    for (int day = 12; day <= 18; ++day) {
        const LocalTime time = at(0, 0, 0, QDate(2024, 5, day));
        EXPECT_EQ(face_layout::format(Text::Weekday, time), week.mid(day - 12, 1)) << day;
    }
}

// The pixels of a rectangle of the face.
QImage region(const ClockFace& face, const QRect& rect)
{
    return composed(face).copy(rect);
}

TEST(FaceTexts, AmPmMarkChangesAtNoonOnlyOnARunningFace)
{
    const QRect mark(2, 95, 14, 11);
    const QImage bar = plainPicture(0, 0xFF2D2D31);
    const auto freshMark = [&](const LocalTime& time) {
        ClockFace face;
        face.redraw(bar, inputsFor(0, time));
        return region(face, mark);
    };
    const QImage morning = freshMark(at(11, 59, 59));
    const QImage afternoon = freshMark(at(12, 0, 0));
    EXPECT_NE(morning, afternoon);
    // Light text on the dark bar.
    bool light = false;
    for (int y = 0; y < morning.height(); ++y) {
        for (int x = 0; x < morning.width(); ++x) {
            light = light || qGray(morning.pixel(x, y)) > 150;
        }
    }
    EXPECT_TRUE(light);

    // One face left running across noon and midnight reuses its rendered texts, and
    // must still notice the mark change.
    ClockFace running;
    const std::pair<LocalTime, const QImage*> seconds[] = {{at(11, 59, 59), &morning},
                                                           {at(12, 0, 0), &afternoon},
                                                           {at(23, 59, 59), &afternoon},
                                                           {at(0, 0, 0, QDate(2024, 5, 18)), &morning}};
    for (const auto& [time, expected] : seconds) {
        running.redraw(bar, inputsFor(0, time));
        EXPECT_EQ(region(running, mark), *expected) << time.hour << ":" << time.minute << ":" << time.second;
    }
}

TEST(FaceTexts, AtTwoTimesTheTextIsDrawnInTheFacesOwnPixels)
{
    // The date of type 5 on its dark bar: at 2x in the same place, twice the size, and
    // drawn from a font twice as large rather than blown up from 1x.
    const QRgb bar = 0xFF2D2D31;
    const QRect date(34, 89, 81, 11);
    QRect ink[2];
    int mixedBlocks = 0;
    for (const int scale : {1, 2}) {
        ClockFace face;
        face.redraw(plainPicture(5, bar, scale), inputsFor(5, at(9, 5, 0)));
        const QImage image = composed(face);
        for (int y = date.top() * scale; y <= date.bottom() * scale; ++y) {
            for (int x = date.left() * scale; x <= date.right() * scale; ++x) {
                if (image.pixel(x, y) != bar) {
                    ink[scale - 1] |= QRect(x, y, 1, 1);
                }
            }
        }
        if (scale == 2) {
            for (int y = date.top(); y <= date.bottom(); ++y) {
                for (int x = date.left(); x <= date.right(); ++x) {
                    const QRgb first = image.pixel(2 * x, 2 * y);
                    mixedBlocks += image.pixel(2 * x + 1, 2 * y) != first ||
                                   image.pixel(2 * x, 2 * y + 1) != first ||
                                   image.pixel(2 * x + 1, 2 * y + 1) != first;
                }
            }
        }
    }
    ASSERT_FALSE(ink[0].isEmpty());
    const QRect doubled(ink[0].topLeft() * 2, ink[0].size() * 2);
    for (const auto& [at2x, at1x] : {std::pair{ink[1].left(), doubled.left()},
                                     {ink[1].top(), doubled.top()},
                                     {ink[1].right(), doubled.right()},
                                     {ink[1].bottom(), doubled.bottom()}}) {
        EXPECT_NEAR(at2x, at1x, 3);
    }
    EXPECT_GT(mixedBlocks, 50);
}

TEST(FaceTexts, DigitalDesignPrintsItsDateInTheDigitalColour)
{
    ClockFace face;
    face.redraw(plainPicture(6, 0xFF000000), inputsFor(6, at(9, 5, 0), 1, 0, red));
    const QImage image = composed(face);
    int inked = 0;
    int weekdayInk = 0;
    for (int y = 50; y < 66; ++y) {
        for (int x = 10; x < 90; ++x) {
            const QColor pixel(image.pixel(x, y));
            if (pixel.red() > 0 || pixel.green() > 0 || pixel.blue() > 0) {
                // Only shades of the digital colour.
                EXPECT_EQ(pixel.green(), 0) << x << "," << y;
                EXPECT_EQ(pixel.blue(), 0) << x << "," << y;
                inked += pixel.red() > 200;
                weekdayInk += x >= 73 && pixel.red() > 200;
            }
        }
    }
    EXPECT_GT(inked, 40);
    EXPECT_GE(weekdayInk, 5);
}

TEST(Bell, AnalogBellIsWhiteWithThePictureAroundItAtEveryScale)
{
    // A grey whose low bits meet the sprite's near-black ground: XOR and OR differ there.
    const QRgb grey = 0xFF848484;
    for (const int scale : {1, 2}) {
        ClockFace face;
        face.redraw(plainPicture(0, grey, scale), inputsFor(0, at(20, 0, 0), 1, 1));
        const QImage image = composed(face);
        // The sprite of the scale, at the bell's place (15, 96) in the face's own pixels.
        const QImage sprite = QImage(artwork::resource(artwork::atScale(artwork::bellSprite, scale)))
                                  .convertToFormat(QImage::Format_RGB32);
        const int cell = 7 * scale;
        const QPoint place = QPoint(15, 96) * scale;
        for (int y = 0; y < cell; ++y) {
            for (int x = 0; x < cell; ++x) {
                const QRgb expected =
                    ((((grey & sprite.pixel(x + cell, y)) ^ sprite.pixel(x, y)) & 0xFFFFFF) | 0xFF000000);
                EXPECT_EQ(image.pixel(place + QPoint(x, y)), expected) << scale << ": " << x << "," << y;
            }
        }
        EXPECT_EQ(image.pixel(place + QPoint(cell / 2, scale)), white); // the top of the bell
        EXPECT_EQ(image.pixel(place - QPoint(1, 0)), grey);             // just outside the cell
    }
}

TEST(Bell, DigitalBellBoxShowsTheBellInTheDigitalColourOrStaysBlack)
{
    const QRect box(40, 81, 7, 7);
    ClockFace face;
    face.redraw(plainPicture(2, 0xFF404040), inputsFor(2, at(20, 0, 0), 1, 1, red));
    EXPECT_EQ(face.bellBoxRect(), box);
    QImage image = region(face, box);
    EXPECT_EQ(image.pixel(3, 0), opaque(red)); // row 1, column 4
    EXPECT_EQ(image.pixel(0, 5), opaque(red)); // row 6, column 1
    EXPECT_EQ(image.pixel(0, 0), 0xFF050000u); // red AND the near-black ground

    face.redraw(plainPicture(2, 0xFF404040), inputsFor(2, at(20, 0, 1), 1, 0, red));
    image = region(face, box);
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 7; ++x) {
            EXPECT_EQ(image.pixel(x, y), 0xFF000000) << x << "," << y;
        }
    }
}

TEST(Bell, AnalogDesignsShowNeitherPanelNorBellBox)
{
    ClockFace face;
    face.redraw(plainPicture(6), inputsFor(6, at(1, 2, 3), true, true));
    ASSERT_NE(composed(face), face.image());
    face.redraw(plainPicture(4), inputsFor(4, at(1, 2, 4))); // the design changed to an analog one
    EXPECT_EQ(composed(face), face.image());
    EXPECT_TRUE(face.panelRect().isEmpty());
}

// The panel a read-out should show: each cell of the strip AND-ed onto the colour, in
// the pixels of the scale the face is drawn at.
QImage expectedPanel(int type, ColourRef colour, const QString& text, bool colon, bool blank, int scale = 1)
{
    const bool large = designs::find(DesignIndex{type})->readout == designs::Readout::Large;
    const digital_readout::Strip strip = large ? digital_readout::largeStrip : digital_readout::smallStrip;
    const QImage stripImage = QImage(artwork::resource(artwork::atScale(
                                         large ? artwork::largeDigitStrip : artwork::smallDigitStrip, scale)))
                                  .convertToFormat(QImage::Format_RGB32);
    QImage panel((large ? QSize(76, 23) : QSize(41, 12)) * scale, QImage::Format_RGB32);
    panel.fill(opaque(colour));
    const auto cell = [&](int sourceX, int width, int destination) {
        for (int y = 0; y < strip.cellHeight * scale; ++y) {
            for (int x = 0; x < width * scale && destination * scale + x < panel.width(); ++x) {
                const QPoint to(destination * scale + x, y);
                panel.setPixel(to, (panel.pixel(to) & stripImage.pixel(sourceX * scale + x, y)) | 0xFF000000);
            }
        }
    };
    const int places[] = {strip.destinationX[0], strip.destinationX[1], strip.destinationX[3],
                          strip.destinationX[4]};
    const QString digits = QString(text).remove(u':');
    for (int i = 0; i < 4; ++i) {
        cell(strip.cellWidth * digits[i].digitValue(), strip.cellWidth, places[i]);
    }
    if (colon) {
        cell(blank ? strip.blankX : strip.colonX, strip.colonWidth, strip.destinationX[2]);
    }
    return panel;
}

TEST(DigitalReadout, NineOFiveInRedOnTypeSix)
{
    ClockFace face;
    face.redraw(plainPicture(6), inputsFor(6, at(9, 5, 0), 1, 0, red));
    ASSERT_TRUE(face.refreshReadout(DesignIndex{6}, at(9, 5, 0), ColonStyle::Steady, 0));
    EXPECT_EQ(face.panelRect(), QRect(5, 24, 76, 23));
    EXPECT_EQ(face.panel(), expectedPanel(6, red, u"09:05"_s, true, false));
    // At 2x the same place, the cells of the 2x strip at twice their positions.
    ClockFace twoTimes;
    twoTimes.redraw(plainPicture(6, white, 2), inputsFor(6, at(9, 5, 0), 1, 0, red));
    ASSERT_TRUE(twoTimes.refreshReadout(DesignIndex{6}, at(9, 5, 0), ColonStyle::Steady, 0));
    EXPECT_EQ(twoTimes.panelRect(), QRect(5, 24, 76, 23));
    EXPECT_EQ(twoTimes.panel(), expectedPanel(6, red, u"09:05"_s, true, false, 2));
    // Red digits on black: no other colour, and some of it fully red.
    int fullRed = 0;
    for (int y = 0; y < 23; ++y) {
        for (int x = 0; x < 76; ++x) {
            const QColor pixel(face.panel().pixel(x, y));
            EXPECT_EQ(pixel.green() + pixel.blue(), 0);
            fullRed += pixel.red() == 255;
        }
    }
    EXPECT_GT(fullRed, 40);
}

TEST(DigitalReadout, AllDigitsChangeAtMidnight)
{
    ClockFace face;
    face.redraw(plainPicture(1), inputsFor(1, at(23, 59, 59), 1, 0, green));
    ASSERT_TRUE(face.refreshReadout(DesignIndex{1}, at(23, 59, 59), ColonStyle::Steady, 1));
    EXPECT_EQ(face.panel(), expectedPanel(1, green, u"23:59"_s, true, false));
    EXPECT_FALSE(
        face.refreshReadout(DesignIndex{1}, at(23, 59, 59), ColonStyle::Steady, 2)); // nothing new to show
    ASSERT_TRUE(face.refreshReadout(DesignIndex{1}, at(0, 0, 0, QDate(2024, 5, 18)), ColonStyle::Steady, 3));
    EXPECT_EQ(face.panel(), expectedPanel(1, green, u"00:00"_s, true, false));
}

TEST(DigitalReadout, ColonModes)
{
    struct Case
    {
        ColonStyle colonStyle;
        int colonPhase;
        bool colon;
        bool blank;
    };
    using enum ColonStyle;
    const Case cases[] = {{Steady, 0, true, false},   {Steady, 3, true, false},  {Blinking, 0, true, false},
                          {Blinking, 1, true, false}, {Blinking, 2, true, true}, {Blinking, 3, true, true},
                          {Hidden, 0, false, false},  {Hidden, 2, false, false}};
    for (const Case& c : cases) {
        ClockFace face;
        face.redraw(plainPicture(2), inputsFor(2, at(12, 34, 0), 1, 0, red));
        face.refreshReadout(DesignIndex{2}, at(12, 34, 0), c.colonStyle, c.colonPhase);
        EXPECT_EQ(face.panel(), expectedPanel(2, red, u"12:34"_s, c.colon, c.blank))
            << int(c.colonStyle) << " " << c.colonPhase;
    }
    // Without a colon cell the colon place is a solid block of the digital colour.
    ClockFace face;
    face.redraw(plainPicture(2), inputsFor(2, at(12, 34, 0), 1, 0, red));
    face.refreshReadout(DesignIndex{2}, at(12, 34, 0), ColonStyle::Hidden, 0);
    EXPECT_EQ(face.panel().pixel(18 + 3, 6), opaque(red));
}

TEST(DigitalReadout, WhiteKeepsTheStripsOwnShading)
{
    ClockFace face;
    face.redraw(plainPicture(6), inputsFor(6, at(18, 27, 0), 1, 0, 0xFFFFFF));
    face.refreshReadout(DesignIndex{6}, at(18, 27, 0), ColonStyle::Steady, 0);
    const QImage strip =
        QImage(artwork::resource(artwork::largeDigitStrip)).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(face.panel().copy(0, 0, 16, 23), strip.copy(16, 0, 16, 23));      // the 1
    EXPECT_EQ(face.panel().copy(60, 0, 16, 23), strip.copy(7 * 16, 0, 16, 23)); // the 7
    bool grey = false;
    for (int y = 0; y < 23; ++y) {
        for (int x = 0; x < 76; ++x) {
            const int level = qGray(face.panel().pixel(x, y));
            grey = grey || (level > 0 && level < 255);
        }
    }
    EXPECT_TRUE(grey);
}

TEST(DigitalReadout, ColourChangeRedrawsTheSameTime)
{
    ClockFace face;
    face.redraw(plainPicture(6), inputsFor(6, at(9, 5, 0), 1, 0, red));
    ASSERT_TRUE(face.refreshReadout(DesignIndex{6}, at(9, 5, 0), ColonStyle::Steady, 0));
    face.redraw(plainPicture(6), inputsFor(6, at(9, 5, 1), 1, 0, blue));
    ASSERT_TRUE(face.refreshReadout(DesignIndex{6}, at(9, 5, 1), ColonStyle::Steady, 0));
    EXPECT_EQ(face.panel(), expectedPanel(6, blue, u"09:05"_s, true, false));
}

} // namespace

namespace {

// A redraw says what it changed: outside that, what the window shows stays as it was, from
// one second to the next, over noon and midnight, and as the bell comes and goes, at
// the designed size and larger.
TEST(ClockFace, ARedrawChangesNothingOutsideWhatItSays)
{
    const struct
    {
        const char* name;
        LocalTime from;
        bool bellFrom;
        LocalTime to;
        bool bellTo;
    } steps[] = {
        {"ASecond", at(10, 10, 0), true, at(10, 10, 1), true},
        {"AMinute", at(10, 10, 59), false, at(10, 11, 0), false},
        {"Noon", at(11, 59, 59), false, at(12, 0, 0), false},
        {"Midnight", at(23, 59, 59), false, at(0, 0, 0, QDate(2024, 5, 18)), false},
        {"TheBellComes", at(10, 10, 0), false, at(10, 10, 1), true},
        {"TheBellGoes", at(10, 10, 0), true, at(10, 10, 1), false},
    };
    for (int design = 0; design < designs::count; ++design) {
        for (const qreal scale : {1.0, 1.25, 2.0}) {
            const QImage picture = designs::picture(DesignIndex{design}, scale);
            for (const auto& step : steps) {
                SCOPED_TRACE(testing::Message() << design << " at " << scale << ": " << step.name);
                ClockFace face;
                face.redraw(picture, inputsFor(design, step.from, true, step.bellFrom));
                const QImage before = composed(face);
                const QRect changed = face.redraw(picture, inputsFor(design, step.to, true, step.bellTo));
                const QImage after = composed(face);
                const QRect inPixels =
                    QRectF(QPointF(changed.topLeft()) * scale, QSizeF(changed.size()) * scale)
                        .toAlignedRect();
                int differing = 0;
                for (int y = 0; y < after.height(); ++y) {
                    for (int x = 0; x < after.width(); ++x) {
                        if (before.pixel(x, y) != after.pixel(x, y)) {
                            ++differing;
                            ASSERT_TRUE(inPixels.contains(x, y)) << x << "," << y;
                        }
                    }
                }
                // The digital designs' read-out is drawn apart, by refreshReadout.
                if (designs::isAnalog(DesignIndex{design}) || step.bellFrom != step.bellTo) {
                    EXPECT_GT(differing, 0);
                }
            }
        }
    }
}

} // namespace
