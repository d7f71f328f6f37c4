#pragma once

#include "widgets/button_press.h"
#include "widgets/picture_button.h"
#include "widgets/scaled_picture.h"

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
// picture; `press` is its window's record of the button held down. Its text() is the
// word its picture shows (a screen reader's name for it); it is not drawn, the picture
// shows it.
//
// A press with any mouse button presses it. Moving off it while pressed undoes the
// press, moving back shows the hover picture, and only a release over the button
// clicks it; the pressed picture stays until the pointer moves or the window shows
// another. While Space holds it down (isDown()), it shows the pressed picture.
class ImageButton : public PictureButton
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

    // The picture the pointer's moves call for; the pressed one while the keyboard holds
    // the button down.
    void setLook(Look look);
    Look look() const { return isDown() ? Look::Pressed : look_; }

    // The picture on show, at the button's device pixel ratio.
    const QPixmap& picture() const;

signals:
    // The pointer was reported over the button (true) or off it (false).
    void hovered(bool inside);

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
