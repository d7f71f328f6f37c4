// The seven cat designs of the clock window. Every design is drawn as a figure on a
// transparent canvas and then flattened onto its key colour with a hard silhouette.
#include "face/designs.h"

#include "canvas.h"
#include "cat.h"
#include "catalogue.h"
#include "clock_parts.h"
#include "core/artwork.h"
#include "palette.h"

#include <QtMath>
#include <array>
#include <functional>
#include <optional>

namespace {

using clock_parts::pixelCentre;
using face_layout::bellCell;

const designs::Design& design(int type)
{
    return designs::all()[std::size_t(type)];
}

// The black cat of the A types, holding something round in front of its body: the
// parts behind the held thing (tail, feet) and the head above it.
struct HoldingCat
{
    QRectF head;
    qreal earHeight;
    QPainterPath tailSpine;
    qreal tailThickness;
    QRectF leftFoot;
    QRectF rightFoot;
};

void drawBehind(QPainter& p, const HoldingCat& c)
{
    const cat::Look& look = cat::black();
    if (!c.tailSpine.isEmpty()) {
        cat::drawFur(p, cat::tailShape(c.tailSpine, c.tailThickness), look);
    }
    if (!c.leftFoot.isEmpty()) {
        cat::drawPaw(p, c.leftFoot, look);
        cat::drawPaw(p, c.rightFoot, look);
    }
}

void drawHeadAbove(QPainter& p, const HoldingCat& c)
{
    cat::drawHead(p, {c.head, c.earHeight, {0.0, 0.05}}, cat::black());
}

// Two paws gripping a round thing at about four and eight o'clock.
void drawGrippingPaws(QPainter& p, QPointF centre, qreal radius, qreal angleFromSix, QSizeF size)
{
    for (int side : {-1, 1}) {
        const qreal a = qDegreesToRadians(180.0 - side * angleFromSix);
        const QPointF at = centre + QPointF(std::sin(a), -std::cos(a)) * radius;
        cat::drawPaw(p, QRectF(at - QPointF(size.width() / 2, size.height() / 2), size), cat::black());
    }
}

// Type A04: the cat on a dark plinth that carries the AM/PM mark, the bell and the date.
QImage design0(int scale)
{
    QImage art = newCanvas(design(0).size, scale);
    Pen p(&art);
    const QPoint hub = design(0).hands->centre;
    const QPointF c = pixelCentre(hub);

    QPainterPath tail;
    // Hugging the dial from behind, so that no gap opens between them.
    tail.moveTo(62, 92);
    tail.cubicTo(71, 88, 76, 80, 77.5, 70);
    tail.quadTo(78.5, 62, 76.5, 56);
    const HoldingCat cat{{14.5, 7, 56, 29}, 6.5, tail, 7.0, {13, 85, 13, 9}, {59, 85, 13, 9}};
    drawBehind(p, cat);
    clock_parts::drawDarkPanel(p, QRectF(0.75, 92.75, 83.5, 21.5), 5);
    clock_parts::drawPawMark(p, QPointF(75.5, 98.5), 8, palette::earPink);
    drawHeadAbove(p, cat);
    clock_parts::drawDial(p, c, 30.5, 2.5);
    clock_parts::drawQuarterNumerals(p, hub, 25, palette::dialInk);
    drawGrippingPaws(p, c, 31.0, 60.0, {11, 10});
    p.end();
    return art;
}

// Types A02 and A03: the cat holding a grey plate with a dark panel; the read-out and
// the bell box are black wells exactly where the clock draws them.
QImage plateDesign(int type, const QRectF& panel, int scale)
{
    const designs::Design& d = design(type);
    QImage art = newCanvas(d.size, scale);
    Pen p(&art);
    const QPointF c(43.5, 67.0);

    QPainterPath tail;
    // Hugging the plate from behind, so that no gap opens between them.
    tail.moveTo(58, 100);
    tail.cubicTo(68, 96, 76, 87, 78.5, 76);
    tail.quadTo(80, 68, 78.5, 62);
    const HoldingCat cat{{15.5, 6, 54, 29}, 6.0, tail, 7.0, {20, 95, 14, 9}, {53, 95, 14, 9}};
    drawBehind(p, cat);
    drawHeadAbove(p, cat);
    clock_parts::drawPlate(p, c, 34.0);
    clock_parts::drawDarkPanel(p, panel, 5);
    clock_parts::drawWell(p, d.layout.panel);
    clock_parts::drawWell(p, bellCell(d.layout));
    drawGrippingPaws(p, c, 33.5, 60.0, {11, 10});
    p.end();
    return art;
}

// Type A01: the whole cat holding a dial, the bell on its curled tail.
QImage design3(int scale)
{
    QImage art = newCanvas(design(3).size, scale);
    Pen p(&art);
    const QPoint hub = design(3).hands->centre;
    const QPointF c = pixelCentre(hub);

    QPainterPath tail;
    tail.moveTo(36, 96);
    tail.cubicTo(26, 97.5, 15, 97.5, 10, 95.5);
    tail.cubicTo(7, 94.3, 5.5, 92.5, 5.5, 90);
    const HoldingCat cat{{15.5, 6, 54, 31}, 6.0, tail, 10.0, {22, 94, 14, 9}, {49, 94, 14, 9}};
    drawBehind(p, cat);
    drawHeadAbove(p, cat);
    clock_parts::drawDial(p, c, 28.5, 2.5);
    clock_parts::drawTicks(p, c, 25.2, 27.8, palette::dialTick);
    drawGrippingPaws(p, c, 30.5, 60.0, {11, 10});
    p.end();
    return art;
}

// The grey cat of the B types, standing beside its clock, with one paw resting on it
// or both paws folded in front. cx is the middle of its body, baseY the line its feet
// stand on.
void drawStandingCat(QPainter& p, qreal cx, qreal baseY, std::optional<QPointF> restingPaw)
{
    const cat::Look& look = cat::grey();
    const QRectF head(cx - 12.5, baseY - 59, 25, 23);

    QPainterPath bodyShape;
    bodyShape.moveTo(cx - 7, head.bottom() - 6);
    bodyShape.cubicTo(cx - 12, head.bottom() + 6, cx - 13, baseY - 8, cx - 9, baseY - 3);
    bodyShape.lineTo(cx + 9, baseY - 3);
    bodyShape.cubicTo(cx + 13, baseY - 8, cx + 12, head.bottom() + 6, cx + 7, head.bottom() - 6);
    bodyShape.closeSubpath();
    cat::drawFur(p, bodyShape, look);
    // A pale belly.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(look.sheen);
    p.drawEllipse(QPointF(cx, baseY - 15), 5.0, 8.0);
    p.restore();

    cat::drawPaw(p, QRectF(cx - 11, baseY - 7, 10, 7), look);
    cat::drawPaw(p, QRectF(cx + 1, baseY - 7, 10, 7), look);
    // The tail wraps round the feet.
    QPainterPath tail;
    tail.moveTo(cx + 9, baseY - 10);
    tail.cubicTo(cx + 12, baseY - 5, cx + 10, baseY - 1.5, cx + 3, baseY - 2);
    tail.cubicTo(cx - 2, baseY - 2.2, cx - 6, baseY - 2.5, cx - 9, baseY - 4.5);
    cat::drawFur(p, cat::tailShape(tail, 4.5), look);

    if (restingPaw) {
        // The arm reaching over to the clock.
        QPainterPath arm;
        arm.moveTo(cx - 8, head.bottom() + 5);
        arm.quadTo(cx - 11, restingPaw->y() + 1, restingPaw->x() + 3, restingPaw->y());
        cat::drawFur(p, cat::tailShape(arm, 6.0), look);
        cat::drawPaw(p, QRectF(*restingPaw - QPointF(4.5, 4), QSizeF(9, 8)), look);
    } else {
        cat::drawPaw(p, QRectF(cx - 8.5, head.bottom() + 4, 8, 8), look);
        cat::drawPaw(p, QRectF(cx + 0.5, head.bottom() + 4, 8, 8), look);
    }

    cat::drawHead(p, {head, 5.5, {-0.15, 0.05}, cat::line, true}, look);
}

// A big dial for the B types, with the paw mark under twelve; faceRadius is its white part.
void drawLargeDial(QPainter& p, QPointF c, qreal faceRadius, qreal rimWidth)
{
    clock_parts::drawDial(p, c, faceRadius, rimWidth);
    clock_parts::drawTicks(p, c, 35.6, faceRadius - 0.8, palette::dialTick);
    clock_parts::drawPawMark(p, c + QPointF(0, -19), 11, palette::logoPink);
}

// A foot under the dial, in the colour of its rim.
void drawClockFoot(QPainter& p, QPointF centre)
{
    fillOutlined(p, roundedRect(QRectF(centre - QPointF(7.5, 6.0), QSizeF(15, 12)), 4.5), palette::dialRim,
                 palette::edge, cat::line);
}

// Type B01: the big dial on two feet, the left one carrying the bell.
QImage design4(int scale)
{
    QImage art = newCanvas(design(4).size, scale);
    Pen p(&art);
    const QPointF c = pixelCentre(design(4).hands->centre);
    drawClockFoot(p, pixelCentre(bellCell(design(4).layout).center()));
    drawClockFoot(p, QPointF(2 * c.x() - 13.5, 82.5));
    drawLargeDial(p, c, 39.0, 3.5);
    drawStandingCat(p, 98.5, 89.0, QPointF(85, 55));
    p.end();
    return art;
}

// Type B02: the big dial on a dark bar that carries the AM/PM mark, the bell and the
// date. The cat keeps clear of the dial: touching it, the two would close a hole of
// key colour above the bar.
QImage design5(int scale)
{
    QImage art = newCanvas(design(5).size, scale);
    Pen p(&art);
    const QPointF c = pixelCentre(design(5).hands->centre);
    drawLargeDial(p, c, 38.5, 2.5);
    drawStandingCat(p, 101.5, 88.0, std::nullopt);
    clock_parts::drawDarkPanel(p, QRectF(0.75, 86.75, 113.5, 12.5), 4);
    p.end();
    return art;
}

// Type B03: a dark framed screen on a stand, the read-out and bell box in it.
QImage design6(int scale)
{
    const designs::Design& d = design(6);
    QImage art = newCanvas(d.size, scale);
    Pen p(&art);
    // The stand.
    QPainterPath stand;
    stand.moveTo(36, 66);
    stand.lineTo(32, 78);
    stand.quadTo(31, 80.5, 34, 80.5);
    stand.lineTo(56, 80.5);
    stand.quadTo(59, 80.5, 58, 78);
    stand.lineTo(54, 66);
    stand.closeSubpath();
    fillOutlined(p, stand, palette::dialRim, palette::edge, cat::line);
    // The frame and the screen.
    fillOutlined(p, roundedRect(QRectF(0.75, 4.75, 88.5, 64.5), 6), palette::dialRim, palette::edge,
                 cat::line);
    p.save();
    p.setPen(QPen(palette::dialRimLight, 1.0));
    p.drawLine(QPointF(6, 6.5), QPointF(84, 6.5));
    p.restore();
    fillOutlined(p, roundedRect(QRectF(2.5, 9.5, 84.5, 57.5), 3), palette::titleStrip, palette::edge, 1.0);
    clock_parts::drawWell(p, d.layout.panel);
    clock_parts::drawWell(p, bellCell(d.layout));
    clock_parts::drawPawMark(p, QPointF(43.5, 16.5), 8, palette::earPink);
    drawStandingCat(p, 100.5, 81.0, QPointF(88, 30));
    p.end();
    return art;
}

} // namespace

void addDesigns(Catalogue& catalogue)
{
    const std::array<std::function<QImage(int scale)>, designs::count> drawings{
        design0,
        [](int scale) { return plateDesign(1, QRectF(19.5, 47.5, 48, 29), scale); },
        [](int scale) { return plateDesign(2, QRectF(19.5, 54.5, 48, 36), scale); },
        design3,
        design4,
        design5,
        design6,
    };
    for (int type = 0; type < designs::count; ++type) {
        const std::function<QImage(int scale)>& draw = drawings[std::size_t(type)];
        const QRgb key = design(type).key;
        const QImage silhouette = keyedFigure(draw(1), palette::edge, key);
        catalogue.add(artwork::designPicture(type), [&](int scale) {
            return opaque(scale == 1 ? silhouette : keyedWithin(draw(scale), palette::edge, key, silhouette));
        });
    }
}
