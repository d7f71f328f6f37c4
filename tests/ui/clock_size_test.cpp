// The clock at every size of its table: drawn at the size (not a picture blown up), cut
// at it, with no key colour inside its outline; Ctrl and the wheel step the size, which
// the options file keeps, and the clock grows from its top-left corner.
#include "core/artwork.h"
#include "face/designs.h"
#include "support/program_test.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWheelEvent>
#include <cmath>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray sizeOption(int percent)
{
    return "[gadget]\nsize=" + QByteArray::number(percent) + "\n";
}

// The clock at 03:00:00 with red hour, green minute and no second hand, a blue read-out
// and an alarm on, so that the bell shows.
struct SizedClock : Program
{
    SizedClock(int design, int percent)
    {
        folder.write(u"set1.zdt"_s, "0,0\r\n");
        folder.write(u"set2.zdt"_s, "255,65280,255\r\n");
        folder.write(u"set3.zdt"_s, QByteArray::number(design) + ",16711680,1\r\n");
        folder.write(u"alm.zdt"_s, "\"06:30\",1,\"標準\",\" 表示 \",\"m\"\r\n");
        folder.write(u"options.ini"_s, sizeOption(percent));
        desktop.clock.setNow(QDateTime(QDate(2024, 5, 17), QTime(3, 0, 0)));
    }

    QImage shown() { return clock.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

// How far a colour lies from another, channel by channel.
int distance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// The pixels of a window's outline nearest to the key colour, as far as they lie.
int nearestToKey(const QImage& shown, const QRegion& outline, QRgb key)
{
    int nearest = 1000;
    for (const QRect& run : outline) {
        for (int y = run.top(); y <= run.bottom(); ++y) {
            for (int x = run.left(); x <= run.right(); ++x) {
                nearest = std::min(nearest, distance(shown.pixel(x, y), key));
            }
        }
    }
    return nearest;
}

// The pixels of a region within one pixel of its edge, diagonally too.
QRegion edgeOf(const QRegion& region)
{
    QRegion grown = region;
    QRegion shrunk = region;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            grown += region.translated(dx, dy);
            shrunk &= region.translated(dx, dy);
        }
    }
    return grown - shrunk;
}

// The window's pixel under a point of the design.
QPoint under(QPointF designPoint, double factor)
{
    return QPoint(int(std::floor(designPoint.x() * factor)), int(std::floor(designPoint.y() * factor)));
}

// Pixels of a rectangle of the design that are as bright as `level` in every channel,
// or (`anyChannel`) in one.
int brightPixels(const QImage& shown, const QRect& designRect, double factor, int level,
                 bool anyChannel = false)
{
    const QRect rect = QRectF(QPointF(designRect.topLeft()) * factor, QSizeF(designRect.size()) * factor)
                           .toAlignedRect()
                           .intersected(shown.rect());
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb c = shown.pixel(x, y);
            const auto [least, most] = std::minmax({qRed(c), qGreen(c), qBlue(c)});
            count += (anyChannel ? most : least) >= level ? 1 : 0;
        }
    }
    return count;
}

TEST(ClockSize, EveryDesignAtEverySizeIsDrawnAndCutAtIt)
{
    for (const designs::Design& design : designs::all()) {
        const DesignIndex index{int(&design - designs::all().data())};
        SCOPED_TRACE(design.name);
        int keyDistanceAsDesigned = 0;
        QRegion outlineAsDesigned;
        int readoutInkAsDesigned = 0;
        for (const int percent : ClockSize::percents) {
            SCOPED_TRACE(percent);
            SizedClock program(index.number, percent);
            ASSERT_TRUE(program.app.start());
            const double factor = percent / 100.0;
            const ClockWindow& clock = program.clock;
            ASSERT_EQ(clock.size(), (QSizeF(design.size) * factor).toSize());
            ASSERT_EQ(clock.face().scale(), factor);
            const QImage shown = program.shown();
            const QRegion outline = clock.mask();

            // The outline is cut at the size: the designed one, scaled, to a pixel at the
            // edge; at 200 % exactly the designed one's pixels doubled.
            if (percent == 100) {
                outlineAsDesigned = outline;
            }
            const QRegion scaledOutline = QTransform::fromScale(factor, factor).map(outlineAsDesigned);
            if (percent == 200) {
                EXPECT_TRUE((outline ^ scaledOutline).isEmpty());
            }
            const QRegion stray = (outline ^ scaledOutline) - edgeOf(scaledOutline);
            EXPECT_TRUE(stray.isEmpty())
                << stray.boundingRect().x() << "," << stray.boundingRect().y() << " "
                << stray.boundingRect().width() << "x" << stray.boundingRect().height();

            // No key colour inside it, nor anything nearer to it than the design's own
            // colours are: smoothing lets none of the key into the figure's edge.
            const int keyDistance = nearestToKey(shown, outline, design.key);
            if (percent == 100) {
                keyDistanceAsDesigned = keyDistance;
            }
            EXPECT_GT(keyDistance, 0);
            EXPECT_GE(keyDistance, keyDistanceAsDesigned * 3 / 4);

            if (design.hands) {
                // 03:00: the hour hand points right, the minute hand up, drawn at the size.
                const QPointF centre = QPointF(design.hands->centre) + QPointF(0.5, 0.5);
                EXPECT_EQ(shown.pixel(under(centre + QPointF(design.hands->hour.length * 0.6, 0), factor)),
                          qRgb(255, 0, 0));
                EXPECT_EQ(shown.pixel(under(centre - QPointF(0, design.hands->minute.length * 0.6), factor)),
                          qRgb(0, 255, 0));
                // The bell shows white in its cell.
                const QRect bell = face_layout::bellCell(design.layout);
                EXPECT_GE(brightPixels(shown, bell, factor, 240), int(8 * factor * factor));
            } else {
                // The read-out's ink grows with the size's area.
                const int ink = brightPixels(shown, design.layout.panel, factor, 128, true);
                if (percent == 100) {
                    readoutInkAsDesigned = ink;
                }
                EXPECT_GT(ink, 0);
                const double grown = double(ink) / readoutInkAsDesigned / (factor * factor);
                EXPECT_GT(grown, 0.8);
                EXPECT_LT(grown, 1.25);
            }
        }
    }
}

// At 200 % on a screen at 100 %, the face is the 2x artwork pixel for pixel where no hand
// or text reaches: its edges as crisp as the artwork's.
TEST(ClockSize, AtTwoHundredTheFaceIsTheTwoTimesArtwork)
{
    for (const int design : {0, 4, 6}) {
        SizedClock program(design, 200);
        ASSERT_TRUE(program.app.start());
        const QImage shown = program.shown();
        const QImage artwork = QImage(artwork::resource(artwork::atScale(artwork::designPicture(design), 2)))
                                   .convertToFormat(QImage::Format_RGB32);
        int compared = 0;
        for (const QRect& run : program.clock.mask()) {
            for (int y = run.top(); y <= std::min(run.bottom(), 21); ++y) {
                for (int x = run.left(); x <= run.right(); ++x) {
                    ASSERT_EQ(shown.pixel(x, y), artwork.pixel(x, y)) << design << ": " << x << "," << y;
                    ++compared;
                }
            }
        }
        EXPECT_GT(compared, 500) << design;
    }
}

// Ctrl and the wheel: a notch a step (finer wheels add up to one), up larger, down
// smaller, no further than the table; without Ctrl the wheel does nothing. The clock
// keeps its top-left corner, the options file the size, the position file its place.
TEST(ClockSize, CtrlAndTheWheelStepTheSize)
{
    const struct
    {
        const char* name;
        int from;
        std::vector<int> turns;
        Qt::KeyboardModifiers modifiers;
        int to;
    } cases[] = {
        {"UpANotch", 100, {120}, Qt::ControlModifier, 125},
        {"DownTwoNotches", 200, {-120, -120}, Qt::ControlModifier, 125},
        {"TwoHalfNotches", 150, {60, 60}, Qt::ControlModifier, 200},
        {"AHalfNotch", 150, {60}, Qt::ControlModifier, 150},
        {"AboveTheLargest", 200, {120}, Qt::ControlModifier, 200},
        {"BelowTheSmallest", 100, {-120}, Qt::ControlModifier, 100},
        {"WithoutCtrl", 100, {120}, Qt::NoModifier, 100},
        {"WithCtrlAndShift", 100, {120}, Qt::ControlModifier | Qt::ShiftModifier, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Program program;
        program.folder.write(u"fomit.zdt"_s, "1500,1500\r\n");
        program.folder.write(u"set3.zdt"_s, "4,255,1\r\n");
        program.folder.write(u"options.ini"_s, sizeOption(c.from));
        ASSERT_TRUE(program.app.start());
        const QPoint topLeft = program.clock.pos();
        for (const int turn : c.turns) {
            const QPointF middle(program.clock.width() / 2.0, program.clock.height() / 2.0);
            QWheelEvent wheel(middle, program.clock.mapToGlobal(middle), QPoint(), QPoint(0, turn),
                              Qt::NoButton, c.modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&program.clock, &wheel);
        }
        EXPECT_EQ(program.model.clockSize().percent(), c.to);
        EXPECT_EQ(program.clock.size(), (QSizeF(115, 90) * (c.to / 100.0)).toSize());
        EXPECT_EQ(program.clock.pos(), topLeft);
        if (c.to != c.from) {
            EXPECT_EQ(QSettings(program.folder.filePath(u"options.ini"_s), QSettings::IniFormat)
                          .value(u"gadget/size"_s)
                          .toInt(),
                      c.to);
        }
        EXPECT_EQ(program.folder.read(u"fomit.zdt"_s), "1500,1500\r\n");
    }
}

// A clock near the screen's lower right corner that grows past it moves in as far as it
// must; the position file is the place the program put it.
TEST(ClockSize, AClockThatGrowsPastTheScreensEdgeStaysOnIt)
{
    Program program;
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint nearCorner = available.bottomRight() - QPoint(130, 100);
    program.folder.write(u"fomit.zdt"_s, QByteArray::number(nearCorner.x() * 15) + "," +
                                             QByteArray::number(nearCorner.y() * 15) + "\r\n");
    program.folder.write(u"set3.zdt"_s, "4,255,1\r\n");
    ASSERT_TRUE(program.app.start());
    ASSERT_EQ(program.clock.pos(), nearCorner);
    program.model.setClockSize(*ClockSize::ofPercent(200));
    EXPECT_EQ(program.clock.size(), QSize(230, 180));
    EXPECT_TRUE(available.contains(program.clock.geometry())) << program.clock.geometry().x();
    EXPECT_EQ(program.clock.geometry().bottomRight(), available.bottomRight());
    program.clock.savePosition();
    const QPoint stored = program.clock.pos() * 15;
    EXPECT_EQ(program.folder.read(u"fomit.zdt"_s),
              QByteArray::number(stored.x()) + "," + QByteArray::number(stored.y()) + "\r\n");
}

} // namespace
