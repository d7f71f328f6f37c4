#include "widgets/picture_view.h"

#include "widgets/accessible_widgets.h"

#include <QPainter>

PictureView::PictureView(QWidget* parent, const QRect& geometry, bool bordered)
    : QWidget(parent), bordered_(bordered)
{
    setGeometry(geometry);
}

void PictureView::setPicture(const QImage& picture)
{
    display(picture, std::nullopt);
}

void PictureView::setPicture(const ScaledPicture& picture)
{
    display(QImage(), picture);
}

void PictureView::setFillColour(ColourRef colour)
{
    fill_ = colour;
    display(QImage(), std::nullopt);
}

void PictureView::display(const QImage& picture, const std::optional<ScaledPicture>& cataloguePicture)
{
    // A swatch's name carries its colour.
    const bool wasSwatch = showsFillColour();
    picture_ = picture;
    cataloguePicture_ = cataloguePicture;
    update();
    if (wasSwatch || showsFillColour()) {
        accessibility::nameChanged(this);
    }
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
