#include "clock_parts.h"

#include "canvas.h"
#include "cat.h"
#include "palette.h"

#include <QtMath>
#include <algorithm>
#include <array>

namespace clock_parts {

QPointF pixelCentre(QPoint pixel)
{
    return QPointF(pixel) + QPointF(0.5, 0.5);
}

void drawDial(QPainter& painter, QPointF centre, qreal faceRadius, qreal rimWidth)
{
    const qreal outer = faceRadius + rimWidth;
    QPainterPath rim;
    rim.addEllipse(centre, outer, outer);
    fillOutlined(painter, rim, palette::dialRim, palette::edge, cat::line);
    painter.save();
    // Light catches the upper left of the rim.
    painter.setPen(QPen(palette::dialRimLight, 1.0, Qt::SolidLine, Qt::RoundCap));
    const qreal mid = faceRadius + rimWidth * 0.5;
    painter.drawArc(QRectF(centre - QPointF(mid, mid), QSizeF(2 * mid, 2 * mid)), 100 * 16, 80 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::dialWhite);
    painter.drawEllipse(centre, faceRadius, faceRadius);
    painter.restore();
}

void drawTicks(QPainter& painter, QPointF centre, qreal inner, qreal outer, const QColor& colour)
{
    painter.save();
    for (int hour = 0; hour < 12; ++hour) {
        const qreal a = qDegreesToRadians(hour * 30.0);
        const QPointF dir(std::sin(a), -std::cos(a));
        if (hour % 3 == 0) {
            painter.setPen(QPen(palette::dialInk, 2.0, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(centre + dir * inner, centre + dir * outer);
        } else {
            const qreal dot = std::min(1.1, (outer - inner) / 2);
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawEllipse(centre + dir * (outer - dot), dot, dot);
        }
    }
    painter.restore();
}

namespace {

// 4 x 6 pixel digits, drawn unsmoothed so that they stay sharp at this size.
using Glyph = std::array<const char*, 6>;

const Glyph* glyphOf(char digit)
{
    static const Glyph one{"..#.", ".##.", "..#.", "..#.", "..#.", ".###"};
    static const Glyph two{".##.", "#..#", "...#", "..#.", ".#..", "####"};
    static const Glyph three{"###.", "...#", ".##.", "...#", "...#", "###."};
    static const Glyph six{".##.", "#...", "###.", "#..#", "#..#", ".##."};
    static const Glyph nine{".##.", "#..#", "#..#", ".###", "...#", ".##."};
    switch (digit) {
    case '1':
        return &one;
    case '2':
        return &two;
    case '3':
        return &three;
    case '6':
        return &six;
    case '9':
        return &nine;
    default:
        return nullptr;
    }
}

void drawPixelText(QPainter& painter, QPoint topLeft, const char* text, const QColor& colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    int x = topLeft.x();
    for (const char* c = text; *c; ++c) {
        if (const Glyph* glyph = glyphOf(*c)) {
            for (int row = 0; row < 6; ++row) {
                for (int col = 0; col < 4; ++col) {
                    if ((*glyph)[std::size_t(row)][col] == '#') {
                        painter.fillRect(QRect(x + col, topLeft.y() + row, 1, 1), colour);
                    }
                }
            }
        }
        x += 5;
    }
    painter.restore();
}

} // namespace

void drawQuarterNumerals(QPainter& painter, QPoint centre, int radius, const QColor& colour)
{
    // "12" is two glyphs wide (9 pixels, the one leaning on its right column); the others one (4).
    drawPixelText(painter, {centre.x() - 5, centre.y() - radius - 5}, "12", colour);
    drawPixelText(painter, {centre.x() + radius, centre.y() - 3}, "3", colour);
    drawPixelText(painter, {centre.x() - 2, centre.y() + radius}, "6", colour);
    drawPixelText(painter, {centre.x() - radius - 3, centre.y() - 3}, "9", colour);
}

void drawPawMark(QPainter& painter, QPointF centre, qreal size, const QColor& colour)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const qreal u = size / 10.0;
    QPainterPath pad;
    pad.moveTo(centre + QPointF(0, 0.2 * u));
    pad.cubicTo(centre + QPointF(2.6 * u, 0.2 * u), centre + QPointF(3.6 * u, 4.4 * u),
                centre + QPointF(1.4 * u, 4.4 * u));
    pad.cubicTo(centre + QPointF(0.6 * u, 4.4 * u), centre + QPointF(-0.6 * u, 3.8 * u),
                centre + QPointF(-1.4 * u, 4.4 * u));
    pad.cubicTo(centre + QPointF(-3.6 * u, 4.4 * u), centre + QPointF(-2.6 * u, 0.2 * u),
                centre + QPointF(0, 0.2 * u));
    painter.drawPath(pad);
    const std::array<QPointF, 4> toes{QPointF(-3.6, -0.6), QPointF(-1.3, -2.9), QPointF(1.3, -2.9),
                                      QPointF(3.6, -0.6)};
    for (const QPointF& toe : toes) {
        painter.drawEllipse(centre + toe * u, 1.15 * u, 1.4 * u);
    }
    painter.restore();
}

void drawPlate(QPainter& painter, QPointF centre, qreal radius)
{
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    fillOutlined(painter, disc, palette::plate, palette::edge, cat::line);
    painter.save();
    painter.setPen(QPen(palette::plateLight, 1.2, Qt::SolidLine, Qt::RoundCap));
    const qreal r = radius - 2.2;
    painter.drawArc(QRectF(centre - QPointF(r, r), QSizeF(2 * r, 2 * r)), 95 * 16, 85 * 16);
    painter.restore();
}

void drawDarkPanel(QPainter& painter, const QRectF& rect, qreal radius)
{
    fillOutlined(painter, roundedRect(rect, radius), palette::titleStrip, palette::edge, cat::line);
    painter.save();
    painter.setPen(QPen(QColor(0x4A, 0x4A, 0x52), 1.0, Qt::SolidLine, Qt::RoundCap));
    const qreal y = rect.top() + 1.5;
    painter.drawLine(QPointF(rect.left() + radius, y), QPointF(rect.right() - radius, y));
    painter.restore();
}

void drawWell(QPainter& painter, const QRect& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect, palette::readoutBlack);
    painter.restore();
}

} // namespace clock_parts
