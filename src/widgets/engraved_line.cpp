#include "widgets/engraved_line.h"

#include <QWidget>

namespace {

void addLine(QWidget* parent, const QRect& rect, ColourRef colour)
{
    auto* line = new QWidget(parent);
    line->setGeometry(rect);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    line->setPalette(palette);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
}

} // namespace

void addEngravedLine(QWidget* parent, QPoint from, QPoint to, ColourRef grey)
{
    const bool horizontal = from.y() == to.y();
    const QRect black = horizontal ? QRect(from.x(), from.y(), to.x() - from.x() + 1, 1)
                                   : QRect(from.x(), from.y(), 1, to.y() - from.y() + 1);
    addLine(parent, black, 0);
    addLine(parent, black.translated(horizontal ? QPoint(0, 1) : QPoint(1, 0)), grey);
}
