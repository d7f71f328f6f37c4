#pragma once

#include <QPainter>
#include <QRectF>

// The clock parts the cats hold: dials, plates, panels and bars.
namespace clock_parts {

// Centre of a pixel: the clock draws its hands from the pixel it names.
QPointF pixelCentre(QPoint pixel);

// A white dial with a dark rim; faceRadius is the white part.
void drawDial(QPainter& painter, QPointF centre, qreal faceRadius, qreal rimWidth);

// Hour ticks between two radii; the quarter ticks are bolder.
void drawTicks(QPainter& painter, QPointF centre, qreal inner, qreal outer, const QColor& colour);

// The numerals 12, 3, 6 and 9 in small crisp pixel digits, their inner edges at the radius.
void drawQuarterNumerals(QPainter& painter, QPoint centre, int radius, const QColor& colour);

// The paw-print mark.
void drawPawMark(QPainter& painter, QPointF centre, qreal size, const QColor& colour);

// A round grey plate that a digital panel sits in.
void drawPlate(QPainter& painter, QPointF centre, qreal radius);

// A dark panel or bar: dark body, a light line along its top, the silhouette line.
void drawDarkPanel(QPainter& painter, const QRectF& rect, qreal radius);

// The black well the read-out or the bell box fills exactly.
void drawWell(QPainter& painter, const QRect& rect);

} // namespace clock_parts
