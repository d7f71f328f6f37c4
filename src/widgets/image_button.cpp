#include "widgets/image_button.h"

#include "core/artwork.h"
#include "widgets/contains_pointer.h"

#include <QMouseEvent>
#include <QPainter>

ButtonFace ButtonFace::load(const artwork::Face& face)
{
    const artwork::ButtonPictures pictures = artwork::buttonPictures(face);
    return ButtonFace{ScaledPicture(pictures.normal), ScaledPicture(pictures.pressed),
                      ScaledPicture(pictures.hover), QString::fromUtf8(face.caption)};
}

ImageButton::ImageButton(const ButtonFace& face, ButtonPress& press, QWidget* parent)
    : PictureButton(parent), press_(press), face_(face)
{
    setMouseTracking(true);
    setFixedSize(face_.normal.size());
    setText(face_.caption);
}

void ImageButton::setFace(const ButtonFace& face)
{
    face_ = face;
    setText(face_.caption);
    update();
}

void ImageButton::setLook(Look look)
{
    if (look_ != look) {
        look_ = look;
        update();
    }
}

const QPixmap& ImageButton::picture() const
{
    const qreal ratio = devicePixelRatioF();
    switch (look()) {
    case Look::Pressed:
        return face_.pressed.at(ratio);
    case Look::Hover:
        return face_.hover.at(ratio);
    case Look::Normal:
        break;
    }
    return face_.normal.at(ratio);
}

void ImageButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture());
    drawFocusMark(painter, rect().adjusted(2, 2, -2, -2));
}

void ImageButton::mousePressEvent(QMouseEvent*)
{
    press_.hold();
    setLook(Look::Pressed);
}

void ImageButton::mouseMoveEvent(QMouseEvent* event)
{
    reportPointer(containsPointer(size(), event->position()));
}

void ImageButton::leaveEvent(QEvent*)
{
    // Leaving without a button held sends no move from outside; treat it as one.
    if (inside_) {
        reportPointer(false);
    }
}

void ImageButton::reportPointer(bool inside)
{
    inside_ = inside;
    if (inside) {
        pointerInside();
    } else {
        pointerOutside();
    }
    emit hovered(inside);
}

void ImageButton::pointerInside()
{
    setLook(press_.isHeld() ? Look::Pressed : Look::Hover);
    setCursor(Qt::UpArrowCursor);
}

void ImageButton::pointerOutside()
{
    press_.letGo();
    setLook(Look::Normal);
    setCursor(Qt::ArrowCursor);
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event)
{
    press_.letGo();
    if (containsPointer(size(), event->position())) {
        click();
    }
}
