#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

// Drawing helpers shared by every kind of picture.

// A transparent canvas to draw a figure on; keyedFigure() turns it into a picture.
QImage newCanvas(QSize size);

// A canvas filled with one colour.
QImage filledCanvas(QSize size, const QColor& colour);

// A painter with anti-aliasing on, as every drawing here wants.
class Pen : public QPainter
{
public:
    explicit Pen(QImage* image);
};

// Flattens a figure drawn on a transparent canvas onto the key colour with a hard
// silhouette: a pixel at least half covered belongs to the figure and any
// anti-aliasing in it blends onto the edge colour; every other pixel is exactly the
// key. So no pixel on the outline mixes with the key and shows as a fringe.
QImage keyedFigure(const QImage& art, const QColor& edge, QRgb key);

// The picture as it is stored: 24-bit RGB without alpha.
QImage opaque(const QImage& image);

// The gothic faces of the program: fixed pitch and proportional.
QFont gothic(int pixelSize);
QFont propGothic(int pixelSize);

// Fills a shape and draws its outline; the outline straddles the shape's border.
void fillOutlined(QPainter& painter, const QPainterPath& shape, const QColor& fill, const QColor& line,
                  qreal lineWidth);

// A rounded rectangle path.
QPainterPath roundedRect(const QRectF& rect, qreal radius);

// Text with its top-left corner at a point, as the clock prints it.
void textAt(QPainter& painter, QPointF topLeft, const QFont& font, const QColor& colour, const QString& text);

// Text centred in a rectangle.
void textCentred(QPainter& painter, const QRectF& rect, const QFont& font, const QColor& colour,
                 const QString& text);

// Width of a text in a font, in pixels.
int textWidth(const QFont& font, const QString& text);

// Scales every channel of a colour towards black (factor < 1) or leaves it (factor 1).
QColor dimmed(const QColor& colour, qreal factor);

// Mixes two colours: 0 gives a, 1 gives b.
QColor mixed(const QColor& a, const QColor& b, qreal t);
