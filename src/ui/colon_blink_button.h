#pragma once

#include "widgets/image_button.h"

// The settings window's "colon blinks" button: its pictures blink a colon, so its
// window's timer picks the picture on every tick from whether the pointer is over it
// (isHovered) and the held button. A move over it records the hover; a move off it
// leaves the held button alone and lets the next tick put the picture right.
class ColonBlinkButton final : public ImageButton
{
    Q_OBJECT

public:
    ColonBlinkButton(const ButtonFace& face, ButtonPress& press, QWidget* parent);

    bool isHovered() const { return hovered_; }
    // The pointer was seen elsewhere in the window (its background, the other colon button).
    void forgetHover() { hovered_ = false; }

protected:
    void pointerInside() override;
    void pointerOutside() override;

private:
    bool hovered_ = false;
};
