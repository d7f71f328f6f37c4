#pragma once

#include "widgets/scaled_picture.h"
#include "widgets/window_drag.h"

#include <QWidget>

class ImageButton;

// The common shape of every dialog: a borderless window exactly the size of its
// background picture, painted by it, opened centred on the screen, moved by dragging
// its background with the left mouse button, and gone when closed.
class PictureDialog : public QWidget
{
    Q_OBJECT

public:
    // `background` is a picture of the artwork catalogue (artwork::background).
    PictureDialog(const char* background, const QString& title, QWidget* parent = nullptr);

    // Shows the dialog in the middle of the screen, or of `owner` when given.
    void showCentred(const QWidget* owner = nullptr);

    // Whether a mouse button is held on one of the dialog's image buttons.
    bool buttonHeld() const { return buttonHeld_; }

signals:
    // The dialog accepted a close (its own button or the desktop's) and is going away.
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A disabled dialog waits for a window it opened: the desktop cannot close it meanwhile.
    void closeEvent(QCloseEvent* event) override;

    // Lets a child (a label covering most of a small window) drag the window too.
    void dragFrom(QWidget* child);

    // An image button of a face (artwork::face) at `at` on `parent` (the dialog when
    // none), sharing the dialog's pressed flag.
    ImageButton* addImageButton(const char* face, QPoint at, const char* name, QWidget* parent = nullptr);
    // One that closes the dialog when released; Escape acts as it.
    ImageButton* addCloseButton(const char* face, QPoint at, const char* name = "closeButton");
    // The button Enter acts as (when no button has the keyboard focus).
    void setDefaultButton(ImageButton* button) { defaultButton_ = button; }

    void keyPressEvent(QKeyEvent* event) override;

    bool eventFilter(QObject* watched, QEvent* event) override;

    // The pressed flag that the dialog's image buttons share.
    bool buttonHeld_ = false;

private:
    ScaledPicture background_;
    ImageButton* closeButton_ = nullptr;
    ImageButton* defaultButton_ = nullptr;
    QList<QObject*> dragSources_;
    WindowDrag drag_;
};
