#include "ui/colon_blink_button.h"

ColonBlinkButton::ColonBlinkButton(const ButtonFace& face, ButtonPress& press, QWidget* parent)
    : ImageButton(face, press, parent)
{}

void ColonBlinkButton::pointerInside()
{
    hovered_ = true;
    setLook(Look::Hover);
    setCursor(Qt::UpArrowCursor);
}

void ColonBlinkButton::pointerOutside()
{
    setCursor(Qt::ArrowCursor);
    hovered_ = false;
}
