// The clock's pixel-exact pictures: the two digit strips of the read-out, the bell
// sprite and the small face of the hand colour chooser.
#include "strips.h"

#include "canvas.h"
#include "catalogue.h"
#include "clock_layout.h"
#include "palette.h"

#include <QPainterPath>
#include <array>

QPainterPath digitPath(int digit, const QRectF& b)
{
    auto at = [&](qreal u, qreal v) {
        return QPointF(b.left() + u * b.width(), b.top() + v * b.height());
    };
    auto box = [&](qreal u0, qreal v0, qreal u1, qreal v1) {
        return QRectF(at(u0, v0), at(u1, v1));
    };
    QPainterPath p;
    switch (digit) {
    case 0:
        p.addRoundedRect(b, b.width() / 2, b.width() / 2);
        break;
    case 1:
        p.moveTo(at(0.15, 0.2));
        p.lineTo(at(0.6, 0.0));
        p.lineTo(at(0.6, 1.0));
        break;
    case 2:
        p.arcMoveTo(box(0, 0, 1, 0.56), 165);
        p.arcTo(box(0, 0, 1, 0.56), 165, -205);
        p.quadTo(at(0.45, 0.62), at(0.0, 1.0));
        p.lineTo(at(1.0, 1.0));
        break;
    case 3:
        p.arcMoveTo(box(0.04, 0, 0.96, 0.5), 160);
        p.arcTo(box(0.04, 0, 0.96, 0.5), 160, -250);
        p.arcTo(box(0, 0.44, 1, 1), 90, -270);
        break;
    case 4:
        p.moveTo(at(0.74, 1.0));
        p.lineTo(at(0.74, 0.0));
        p.lineTo(at(0.0, 0.68));
        p.lineTo(at(1.0, 0.68));
        break;
    case 5:
        p.moveTo(at(0.94, 0.0));
        p.lineTo(at(0.1, 0.0));
        p.lineTo(at(0.04, 0.44));
        p.arcTo(box(0, 0.36, 1, 1), 128, -288);
        break;
    case 6:
        p.moveTo(at(0.9, 0.04));
        p.cubicTo(at(0.35, -0.06), at(0.0, 0.22), at(0.0, 0.7));
        p.addEllipse(box(0, 0.4, 1, 1));
        break;
    case 7:
        p.moveTo(at(0.0, 0.0));
        p.lineTo(at(1.0, 0.0));
        p.lineTo(at(0.36, 1.0));
        break;
    case 8:
        p.addEllipse(box(0.08, 0, 0.92, 0.46));
        p.addEllipse(box(0, 0.46, 1, 1));
        break;
    case 9:
        p.addEllipse(box(0, 0, 1, 0.6));
        p.moveTo(at(1.0, 0.3));
        p.cubicTo(at(1.0, 0.78), at(0.65, 1.06), at(0.1, 0.96));
        break;
    default:
        break;
    }
    return p;
}

namespace {

using clock_layout::Strip;

struct Lettering
{
    QRectF glyph; // the digit's centre lines, relative to its cell
    qreal stroke;
    std::array<qreal, 2> colonDots; // heights of the two colon dots
    qreal colonX;                   // centre of the colon dots
    qreal dotRadius;
};

// White digits with grey smoothed edges on black, each in its cell; the colon in its
// cell; the blank cell and everything else black.
QImage strip(const Strip& s, const Lettering& l)
{
    QImage image = filledCanvas(s.size, Qt::black);
    Pen p(&image);
    p.setPen(QPen(Qt::white, l.stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (int digit = 0; digit < 10; ++digit) {
        const qreal x = digit * s.cellWidth;
        p.save();
        p.setClipRect(QRect(int(x), 0, s.cellWidth, s.cellHeight));
        p.drawPath(digitPath(digit, l.glyph.translated(x, 0)));
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (qreal y : l.colonDots) {
        p.drawEllipse(QPointF(l.colonX, y), l.dotRadius, l.dotRadius);
    }
    return image;
}

QImage bellSprite()
{
    // Columns 1..7 of each row that the bell covers.
    static const std::array<const char*, 7> bell{"...#...", "..###..", ".#####.", ".#####.",
                                                 ".#####.", "#######", "...#..."};
    QImage image(14, 7, QImage::Format_RGB32);
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 7; ++x) {
            const bool on = bell[std::size_t(y)][x] == '#';
            image.setPixel(x, y, on ? qRgb(255, 255, 255) : qRgb(5, 4, 3));
            image.setPixel(x + 7, y, on ? qRgb(0, 0, 0) : qRgb(252, 251, 250));
        }
    }
    return image;
}

// The hand colour chooser's face: a white disc with a black rim on grey, no marks;
// its hands turn round pixel (26, 26).
QImage previewFace()
{
    QImage image = filledCanvas(QSize(54, 52), QColor(0x62, 0x62, 0x62));
    Pen p(&image);
    p.setPen(QPen(Qt::black, 2.0));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(26.5, 26.5), 25.0, 25.0);
    return image;
}

} // namespace

void addStrips(Catalogue& catalogue)
{
    const Lettering small{QRectF(2.0, 2.0, 5.0, 8.0), 1.9, {4.5, 8.5}, 93.5, 1.1};
    const Lettering large{QRectF(3.5, 2.5, 9.0, 18.0), 3.0, {8.0, 15.5}, 164.5, 2.05};
    catalogue.add(QStringLiteral("clock/TimPcS.png"), opaque(strip(clock_layout::smallStrip, small)));
    catalogue.add(QStringLiteral("clock/TimPcM.png"), opaque(strip(clock_layout::largeStrip, large)));
    catalogue.add(QStringLiteral("clock/Pic_AlmK.png"), opaque(bellSprite()));
    catalogue.add(QStringLiteral("appearance/PicT.png"), opaque(previewFace()));
}
