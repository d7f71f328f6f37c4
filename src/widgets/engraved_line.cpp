#include "widgets/engraved_line.h"

#include <QPainter>

EngravedLine::EngravedLine(QWidget* parent, QPoint from, QPoint to, ColourRef grey)
    : QWidget(parent), horizontal_(from.y() == to.y()), grey_(grey)
{
    setGeometry(horizontal_ ? QRect(from.x(), from.y(), to.x() - from.x() + 1, 2)
                            : QRect(from.x(), from.y(), 2, to.y() - from.y() + 1));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void EngravedLine::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect black = horizontal_ ? QRect(0, 0, width(), 1) : QRect(0, 0, 1, height());
    painter.fillRect(black, toQColor(0));
    painter.fillRect(black.translated(horizontal_ ? QPoint(0, 1) : QPoint(1, 0)), toQColor(grey_));
}

void addEngravedLine(QWidget* parent, QPoint from, QPoint to, ColourRef grey)
{
    new EngravedLine(parent, from, to, grey);
}
