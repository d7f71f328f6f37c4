#include "widgets/image_button.h"

#include "widgets/hover_check.h"

#include <QMouseEvent>
#include <QPainter>

ButtonFace ButtonFace::load(const QString& name)
{
    const QString base = QStringLiteral(":/buttons/") + name;
    return ButtonFace{QPixmap(base + QStringLiteral(".png")), QPixmap(base + QStringLiteral("_P.png")),
                      QPixmap(base + QStringLiteral("_B.png"))};
}

ImageButton::ImageButton(const ButtonFace& face, int& btnDown, QWidget* parent)
    : QWidget(parent), btnDown_(btnDown), face_(face)
{
    setMouseTracking(true);
    setFixedSize(face_.normal.deviceIndependentSize().toSize());
}

void ImageButton::setFace(const ButtonFace& face)
{
    face_ = face;
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
    switch (look_) {
    case Look::Pressed:
        return face_.pressed;
    case Look::Hover:
        return face_.hover;
    case Look::Normal:
        break;
    }
    return face_.normal;
}

void ImageButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture());
}

void ImageButton::mousePressEvent(QMouseEvent*)
{
    btnDown_ = 1;
    setLook(Look::Pressed);
}

void ImageButton::mouseMoveEvent(QMouseEvent* event)
{
    reportPointer(HoverCheck(size(), event->position()));
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
    setLook(btnDown_ == 1 ? Look::Pressed : Look::Hover);
    setCursor(Qt::UpArrowCursor);
}

void ImageButton::pointerOutside()
{
    btnDown_ = 0;
    setLook(Look::Normal);
    setCursor(Qt::ArrowCursor);
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (HoverCheck(size(), event->position())) {
        emit released();
    }
}
