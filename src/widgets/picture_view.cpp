#include "widgets/picture_view.h"

#include <QPainter>

PictureView::PictureView(QWidget* parent, const QRect& geometry, bool bordered)
    : QWidget(parent), bordered_(bordered)
{
    setGeometry(geometry);
}

void PictureView::setPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

void PictureView::setFillColour(ColourRef colour)
{
    fill_ = colour;
    picture_ = QImage();
    update();
}

QRect PictureView::inside() const
{
    return bordered_ ? rect().adjusted(1, 1, -1, -1) : rect();
}

QImage PictureView::shown()
{
    return grab(inside()).toImage().convertToFormat(QImage::Format_RGB32);
}

void PictureView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (bordered_) {
        painter.setPen(toQColor(borderColour));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (picture_.isNull()) {
        painter.fillRect(inside(), toQColor(fill_));
    } else {
        painter.drawImage(inside().topLeft(), picture_);
    }
}
