#pragma once

#include "widgets/image_button.h"

// The settings window's "colon blinks" button: its pictures blink a colon, so its
// window's timer picks the picture on every tick from `colonHovered` and the held
// button. A move over it records the hover; a move off it leaves the held button alone
// and lets the next tick put the picture right.
class ColonBlinkButton final : public ImageButton
{
    Q_OBJECT

public:
    ColonBlinkButton(const ButtonFace& face, ButtonPress& press, bool& colonHovered, QWidget* parent);

protected:
    void pointerInside() override;
    void pointerOutside() override;

private:
    bool& colonHovered_;
};
