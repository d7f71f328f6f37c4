#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

// Drawing helpers shared by every kind of picture.
//
// Every picture is drawn at a scale: 1 for the pictures themselves, 2 for their 2x
// versions. The drawing code works in 1x pixels throughout; a canvas of scale 2 has
// twice the pixels and a device pixel ratio of 2, so a painter on it draws every
// shape, line and text at twice the size, crisply. Code that sets pixels one by one
// works in the canvas's own pixels.

// A transparent canvas to draw a figure on; keyedFigure() turns it into a picture.
QImage newCanvas(QSize size, int scale);

// A canvas filled with one colour.
QImage filledCanvas(QSize size, const QColor& colour, int scale);

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

// The same for a figure drawn at a larger scale, cut along the silhouette of its 1x
// picture so that the outline is the same at every scale: a pixel is the key exactly
// where the 1x pixel it lies in is the key; everywhere else it is the figure, blended
// onto the edge colour.
QImage keyedWithin(const QImage& art, const QColor& edge, QRgb key, const QImage& silhouette);

// The picture as it is stored: 24-bit RGB without alpha.
QImage opaque(const QImage& image);

// The gothic faces of the program: fixed pitch and proportional.
QFont gothic(int pixelSize);
QFont propGothic(int pixelSize);

// Fills a shape and draws its outline; the outline straddles the shape's border.
void fillOutlined(QPainter& painter, const QPainterPath& shape, const QColor& fill, const QColor& line,
                  qreal lineWidth);

// A one-pixel line round the inside of a rectangle, unsmoothed.
void frameRect(QPainter& painter, const QRect& rect, const QColor& colour);

// Whether a pixel of a canvas lies in a shape given in 1x pixels: its centre does. Small
// marks filled this way are hard-edged and exact at 1x, and finer at larger scales.
bool covers(const QPainterPath& shape, int x, int y, int scale);

// A rounded rectangle path.
QPainterPath roundedRect(const QRectF& rect, qreal radius);

// Text with its top-left corner at a point, as the clock prints it.
void textAt(QPainter& painter, QPointF topLeft, const QFont& font, const QColor& colour, const QString& text);

// Text centred in a rectangle.
void textCentred(QPainter& painter, const QRectF& rect, const QFont& font, const QColor& colour,
                 const QString& text);

// Words of the program's tables (core/artwork.h) as a picture shows them: a word of two
// letters is spaced out, so that it sits as wide as the longer ones.
QString drawnWords(const char* words);

// Width of a text in a font, in pixels.
int textWidth(const QFont& font, const QString& text);

// Scales every channel of a colour towards black (factor < 1) or leaves it (factor 1).
QColor dimmed(const QColor& colour, qreal factor);

// Mixes two colours: 0 gives a, 1 gives b.
QColor mixed(const QColor& a, const QColor& b, qreal t);
