// The clock's pixel-exact pictures: the two digit strips of the read-out, the bell
// sprite and the small face of the hand colour chooser.
#include "strips.h"

#include "canvas.h"
#include "catalogue.h"
#include "core/artwork.h"
#include "face/digital_readout.h"
#include "face/face_layout.h"
#include "face/hand_geometry.h"

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

using digital_readout::Strip;

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
QImage strip(const Strip& s, const Lettering& l, int scale)
{
    QImage image = filledCanvas(s.pictureSize, Qt::black, scale);
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

// The bell: a knob, a domed body on a wide lip, and the clapper below. At 1x it covers
// ...#...
// ..###..
// .#####.
// .#####.
// .#####.
// #######
// ...#...
QPainterPath bellShape()
{
    QPainterPath knob;
    knob.addEllipse(QPointF(3.5, 0.8), 0.6, 0.6);
    QPainterPath body;
    body.moveTo(3.5, 1.0);
    body.cubicTo(4.7, 1.0, 5.8, 1.3, 5.85, 2.4);
    body.lineTo(6.15, 5.0);
    body.lineTo(0.85, 5.0);
    body.lineTo(1.15, 2.4);
    body.cubicTo(1.2, 1.3, 2.3, 1.0, 3.5, 1.0);
    body.closeSubpath();
    QPainterPath lip;
    lip.addRoundedRect(QRectF(0.05, 4.85, 6.9, 1.05), 0.5, 0.5);
    QPainterPath clapper;
    clapper.addEllipse(QPointF(3.5, 6.35), 0.6, 0.6);
    return knob.united(body).united(lip).united(clapper);
}

// The bell's image (white on near-black) beside its mask (black on near-white), a cell
// each; the clock ANDs the mask and XORs the image, so the bell is hard-edged.
QImage bellSprite(int scale)
{
    const QPainterPath bell = bellShape();
    const int cell = face_layout::bellSize * scale;
    QImage image(2 * cell, cell, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    for (int y = 0; y < cell; ++y) {
        for (int x = 0; x < cell; ++x) {
            const bool on = covers(bell, x, y, scale);
            image.setPixel(x, y, on ? qRgb(255, 255, 255) : qRgb(5, 4, 3));
            image.setPixel(x + cell, y, on ? qRgb(0, 0, 0) : qRgb(252, 251, 250));
        }
    }
    return image;
}

// The hand colour chooser's face: a white disc with a black rim on grey, no marks,
// round the pixel its hands turn round.
QImage previewFace(int scale)
{
    QImage image = filledCanvas(QSize(54, 52), QColor(0x62, 0x62, 0x62), scale);
    Pen p(&image);
    p.setPen(QPen(Qt::black, 2.0));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(previewHands.centre) + QPointF(0.5, 0.5), 25.0, 25.0);
    return image;
}

} // namespace

void addStrips(Catalogue& catalogue)
{
    const Lettering small{QRectF(2.0, 2.0, 5.0, 8.0), 1.9, {4.5, 8.5}, 93.5, 1.1};
    const Lettering large{QRectF(3.5, 2.5, 9.0, 18.0), 3.0, {8.0, 15.5}, 164.5, 2.05};
    for (const auto& entry :
         {std::pair{&digital_readout::smallStrip, &small}, std::pair{&digital_readout::largeStrip, &large}}) {
        catalogue.add(QString::fromLatin1(entry.first->picture),
                      [geometry = entry.first, lettering = entry.second](int scale) {
                          return opaque(strip(*geometry, *lettering, scale));
                      });
    }
    catalogue.add(QString::fromLatin1(artwork::bellSprite),
                  [](int scale) { return opaque(bellSprite(scale)); });
    catalogue.add(QString::fromLatin1(artwork::handPreviewFace),
                  [](int scale) { return opaque(previewFace(scale)); });
}
