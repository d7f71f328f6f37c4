#include "face/hand_painter.h"

namespace {

void updatePen(QPen& pen, ColourRef colour, int width)
{
    const QColor wanted = toQColor(colour);
    if (pen.color() != wanted || pen.width() != width || pen.capStyle() != Qt::RoundCap) {
        pen = QPen(wanted, width, Qt::SolidLine, Qt::RoundCap);
    }
}

} // namespace

void HandPainter::draw(QPainter& painter, const HandGeometry& g, const HandColours& colours,
                       const LocalTime& time, bool withSecondHand)
{
    // A pixel's centre lies half a pixel in from its corner: hands along a row or a
    // column then cover whole pixels.
    const QPointF centre(g.centre.x() + 0.5, g.centre.y() + 0.5);
    const struct
    {
        ColourRef colour;
        int width;
        int length;
        double angle;
    } hands[3] = {
        {colours.hour, g.hour.width, g.hour.length, hourHandAngle(time.hour, time.minute)},
        {colours.minute, g.minute.width, g.minute.length, minuteHandAngle(time.minute, time.second)},
        {colours.second, g.second.width, g.second.length, secondHandAngle(time.second)},
    };
    const int count = withSecondHand ? 3 : 2;
    for (int i = 0; i < count; ++i) {
        QPen& pen = pens_[std::size_t(i)];
        updatePen(pen, hands[i].colour, hands[i].width);
        painter.setPen(pen);
        painter.drawLine(centre, handTip(centre, hands[i].length, hands[i].angle));
    }
}
