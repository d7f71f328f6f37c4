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
    cataloguePicture_.reset();
    update();
}

void PictureView::setPicture(const ScaledPicture& picture)
{
    cataloguePicture_ = picture;
    picture_ = QImage();
    update();
}

void PictureView::setFillColour(ColourRef colour)
{
    fill_ = colour;
    picture_ = QImage();
    cataloguePicture_.reset();
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
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (bordered_) {
        painter.setPen(toQColor(borderColour));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (cataloguePicture_) {
        painter.drawPixmap(inside().topLeft(), cataloguePicture_->at(devicePixelRatioF()));
    } else if (!picture_.isNull()) {
        painter.drawImage(inside().topLeft(), picture_);
    } else {
        painter.fillRect(inside(), toQColor(fill_));
    }
}
