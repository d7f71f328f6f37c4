#include "ui/colon_blink_button.h"

ColonBlinkButton::ColonBlinkButton(const ButtonFace& face, ButtonPress& press, bool& colonHovered,
                                   QWidget* parent)
    : ImageButton(face, press, parent), colonHovered_(colonHovered)
{}

void ColonBlinkButton::pointerInside()
{
    colonHovered_ = true;
    setLook(Look::Hover);
    setCursor(Qt::UpArrowCursor);
}

void ColonBlinkButton::pointerOutside()
{
    setCursor(Qt::ArrowCursor);
    colonHovered_ = false;
}
