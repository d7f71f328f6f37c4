#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

// The cat of every picture: one head, one paw and one tail, drawn at any size, so
// that all designs, the icon and the button faces show the same animal.
namespace cat {

struct Look
{
    QColor fur;
    QColor sheen;   // soft light on the crown
    QColor mouth;   // nose-to-mouth line, toe lines
    QColor eyeRing; // line around the eyes
};

const Look& black();
const Look& grey();

// Line width of every outline at the clock's scale.
inline constexpr qreal line = 1.5;

struct Face
{
    QRectF box;             // the head without its ears
    qreal earHeight;        // how far the ear tips rise above the box
    QPointF gaze{0.0, 0.0}; // pupil offset, as a fraction of the eye size
    qreal lineWidth = line;
    bool blush = false;
};

// Head and ears as one outline, for silhouettes.
QPainterPath headShape(const Face& face);

// The whole head: fur, pink-lined ears, large white eyes, nose and mouth.
void drawHead(QPainter& painter, const Face& face, const Look& look);

// Fills a piece of fur and outlines it.
void drawFur(QPainter& painter, const QPainterPath& shape, const Look& look, qreal lineWidth = line);

// A round paw with two toe lines.
void drawPaw(QPainter& painter, const QRectF& box, const Look& look, qreal lineWidth = line);

// The outline of a tail that follows a spine at the given thickness, round at both ends.
QPainterPath tailShape(const QPainterPath& spine, qreal thickness);

} // namespace cat
