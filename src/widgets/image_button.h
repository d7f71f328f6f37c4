#pragma once

#include "widgets/button_press.h"
#include "widgets/keyboard_button.h"
#include "widgets/scaled_picture.h"

#include <QWidget>

namespace artwork {
struct Face;
}

// The three pictures of a button face, normal, pressed and hover, and the word they show.
struct ButtonFace
{
    ScaledPicture normal;
    ScaledPicture pressed;
    ScaledPicture hover;
    QString caption;

    // A face of the artwork catalogue (artwork::face), with its pressed and hover pictures.
    static ButtonFace load(const artwork::Face& face);
};

// A borderless picture that works as a button. It shows its normal, pressed or hover
// picture; `press` is its window's record of the button held down.
//
// A press with any mouse button presses it. Moving off it while pressed undoes the
// press, moving back shows the hover picture, and only a release over the button
// clicks it. Tab reaches it; Space or Enter clicks it too.
class ImageButton : public KeyboardButton
{
    Q_OBJECT

public:
    enum class Look
    {
        Normal,
        Pressed,
        Hover
    };

    ImageButton(const ButtonFace& face, ButtonPress& press, QWidget* parent);

    void setFace(const ButtonFace& face);
    const ButtonFace& face() const { return face_; }

    void setLook(Look look);
    Look look() const { return look_; }

    // The picture on show, at the button's device pixel ratio.
    const QPixmap& picture() const;

    // What a click does: emits released().
    void click() override;
    QString captionText() const override { return face_.caption; }

signals:
    // The pointer was reported over the button (true) or off it (false).
    void hovered(bool inside);
    // The button was clicked: released over it, or Space, Enter or Escape for it.
    void released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

    // What a move over the button and a move off it do. The colon button of the
    // settings window keeps its own hover state, so these can be replaced.
    virtual void pointerInside();
    virtual void pointerOutside();

    ButtonPress& press_;

private:
    void reportPointer(bool inside);

    ButtonFace face_;
    Look look_ = Look::Normal;
    bool inside_ = false;
};
