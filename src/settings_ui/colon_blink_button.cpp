#include "settings_ui/colon_blink_button.h"

ColonBlinkButton::ColonBlinkButton(const ButtonFace& face, int& btnDown, int& colonHover, QWidget* parent)
    : ImageButton(face, btnDown, parent), colonHover_(colonHover)
{}

void ColonBlinkButton::pointerInside()
{
    colonHover_ = 1;
    setLook(Look::Hover);
    setCursor(Qt::UpArrowCursor);
}

void ColonBlinkButton::pointerOutside()
{
    setCursor(Qt::ArrowCursor);
    colonHover_ = 0;
}
