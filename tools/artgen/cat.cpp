#include "cat.h"

#include "canvas.h"
#include "palette.h"

#include <QPainterPathStroker>
#include <QRadialGradient>

namespace cat {

const Look& black()
{
    static const Look look{palette::blackFur, palette::blackFurSheen, palette::mouthOnBlack, palette::edge};
    return look;
}

const Look& grey()
{
    static const Look look{palette::greyFur, palette::greyFurSheen, palette::mouthOnGrey, palette::edge};
    return look;
}

namespace {

QPainterPath roundHead(const QRectF& b)
{
    // A soft, slightly flattened head, widest at the cheeks.
    const qreal cx = b.center().x();
    const qreal w = b.width();
    const qreal h = b.height();
    QPainterPath path;
    path.moveTo(cx, b.top());
    path.cubicTo(cx + w * 0.36, b.top(), b.right(), b.top() + h * 0.16, b.right(), b.top() + h * 0.52);
    path.cubicTo(b.right(), b.top() + h * 0.86, cx + w * 0.30, b.bottom(), cx, b.bottom());
    path.cubicTo(cx - w * 0.30, b.bottom(), b.left(), b.top() + h * 0.86, b.left(), b.top() + h * 0.52);
    path.cubicTo(b.left(), b.top() + h * 0.16, cx - w * 0.36, b.top(), cx, b.top());
    path.closeSubpath();
    return path;
}

// One ear; side -1 is the left ear, +1 the right. inset > 0 gives the inner, pink part.
QPainterPath ear(const Face& f, int side, qreal inset)
{
    const QRectF& b = f.box;
    const qreal cx = b.center().x();
    const qreal w = b.width();
    const qreal h = b.height();
    const QPointF outer(cx + side * w * 0.47, b.top() + h * 0.42);
    const QPointF inner(cx + side * w * 0.08, b.top() + h * 0.02);
    const QPointF tip(cx + side * w * 0.37, b.top() - f.earHeight);
    if (inset <= 0) {
        QPainterPath path;
        path.moveTo(outer);
        path.lineTo(tip + (outer - tip) * 0.14);
        path.quadTo(tip, tip + (inner - tip) * 0.14);
        path.lineTo(inner);
        path.closeSubpath();
        return path;
    }
    // The pink lining: the ear shrunk towards its base.
    const QPointF base = (outer + inner) / 2 + QPointF(0, h * 0.06);
    auto in = [&](QPointF p) {
        return p + (base - p) * inset;
    };
    const QPointF o = in(outer);
    const QPointF i = in(inner);
    const QPointF t = in(tip) + QPointF(0, f.earHeight * 0.06);
    QPainterPath path;
    path.moveTo(o);
    path.lineTo(t + (o - t) * 0.18);
    path.quadTo(t, t + (i - t) * 0.18);
    path.lineTo(i);
    path.quadTo(base, o);
    path.closeSubpath();
    return path;
}

} // namespace

QPainterPath headShape(const Face& face)
{
    return roundHead(face.box).united(ear(face, -1, 0)).united(ear(face, 1, 0)).simplified();
}

void drawFur(QPainter& painter, const QPainterPath& shape, const Look& look, qreal lineWidth)
{
    fillOutlined(painter, shape, look.fur, palette::edge, lineWidth);
}

void drawHead(QPainter& painter, const Face& face, const Look& look)
{
    const QRectF& b = face.box;
    const qreal cx = b.center().x();
    const qreal w = b.width();
    const qreal h = b.height();
    const QPainterPath shape = headShape(face);

    drawFur(painter, shape, look, face.lineWidth);
    painter.save();
    painter.setPen(Qt::NoPen);
    // A soft light on the crown gives the head some roundness.
    QPainterPath inside =
        roundHead(b.adjusted(face.lineWidth, face.lineWidth, -face.lineWidth, -face.lineWidth));
    painter.setClipPath(inside);
    QRadialGradient light(QPointF(cx, b.top() + h * 0.10), w * 0.42);
    light.setColorAt(0.0, look.sheen);
    light.setColorAt(1.0, QColor(look.sheen.red(), look.sheen.green(), look.sheen.blue(), 0));
    painter.setBrush(light);
    painter.drawEllipse(QPointF(cx, b.top() + h * 0.10), w * 0.42, h * 0.34);
    painter.setClipping(false);
    for (int side : {-1, 1}) {
        painter.setBrush(palette::earPink);
        painter.drawPath(ear(face, side, 0.34));
    }

    if (face.blush) {
        painter.setBrush(
            QColor(palette::earPink.red(), palette::earPink.green(), palette::earPink.blue(), 110));
        for (int side : {-1, 1}) {
            painter.drawEllipse(QPointF(cx + side * w * 0.33, b.top() + h * 0.74), w * 0.08, h * 0.06);
        }
    }

    // Large white eyes with round pupils and a glint.
    const qreal eyeRx = w * 0.135;
    const qreal eyeRy = h * 0.20;
    for (int side : {-1, 1}) {
        const QPointF eye(cx + side * w * 0.21, b.top() + h * 0.50);
        painter.setPen(QPen(look.eyeRing, face.lineWidth * 0.7));
        painter.setBrush(palette::eyeWhite);
        painter.drawEllipse(eye, eyeRx, eyeRy);
        painter.setPen(Qt::NoPen);
        const QPointF pupilCentre =
            eye + QPointF(face.gaze.x() * eyeRx - side * eyeRx * 0.12, face.gaze.y() * eyeRy + eyeRy * 0.12);
        painter.setBrush(palette::pupil);
        painter.drawEllipse(pupilCentre, eyeRx * 0.58, eyeRy * 0.66);
        painter.setBrush(palette::eyeWhite);
        painter.drawEllipse(pupilCentre + QPointF(eyeRx * 0.22, -eyeRy * 0.30), eyeRx * 0.24, eyeRx * 0.24);
    }

    // A small pink nose and a cat mouth below it.
    const QPointF nose(cx, b.top() + h * 0.74);
    const qreal nw = w * 0.05;
    QPainterPath nosePath;
    nosePath.moveTo(nose + QPointF(-nw, -nw * 0.6));
    nosePath.quadTo(nose + QPointF(0, -nw * 0.9), nose + QPointF(nw, -nw * 0.6));
    nosePath.quadTo(nose + QPointF(nw * 0.4, nw * 0.5), nose + QPointF(0, nw * 0.7));
    nosePath.quadTo(nose + QPointF(-nw * 0.4, nw * 0.5), nose + QPointF(-nw, -nw * 0.6));
    painter.setBrush(palette::nosePink);
    painter.drawPath(nosePath);

    QPainterPath mouth;
    const qreal mw = w * 0.075;
    const QPointF m = nose + QPointF(0, nw * 0.7);
    mouth.moveTo(m + QPointF(-mw * 1.6, mw * 0.2));
    mouth.quadTo(m + QPointF(-mw * 0.8, mw * 1.4), m);
    mouth.quadTo(m + QPointF(mw * 0.8, mw * 1.4), m + QPointF(mw * 1.6, mw * 0.2));
    painter.setPen(QPen(look.mouth, face.lineWidth * 0.7, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(mouth);
    painter.restore();
}

void drawPaw(QPainter& painter, const QRectF& box, const Look& look, qreal lineWidth)
{
    QPainterPath paw;
    paw.addEllipse(box);
    drawFur(painter, paw, look, lineWidth);
    painter.save();
    painter.setPen(QPen(look.mouth, lineWidth * 0.6, Qt::SolidLine, Qt::RoundCap));
    const qreal x = box.center().x();
    const qreal third = box.width() / 6;
    const qreal bottom = box.bottom() - lineWidth * 0.8;
    const qreal toeTop = box.top() + box.height() * 0.62;
    painter.drawLine(QPointF(x - third, toeTop), QPointF(x - third, bottom));
    painter.drawLine(QPointF(x + third, toeTop), QPointF(x + third, bottom));
    painter.restore();
}

QPainterPath tailShape(const QPainterPath& spine, qreal thickness)
{
    QPainterPathStroker stroker;
    stroker.setWidth(thickness);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(spine).simplified();
}

} // namespace cat
