#pragma once

#include "widgets/button_press.h"
#include "widgets/scaled_picture.h"
#include "widgets/window_drag.h"

#include <QWidget>

class Announcer;
class ImageButton;

namespace artwork {
struct Background;
struct Face;
} // namespace artwork

// The common shape of every dialog: a borderless window exactly the size of its
// background picture, painted by it, opened centred on the screen, moved by dragging
// its background with the left mouse button, and gone when closed. It keeps which of
// its image buttons is held down: a move over its background lets go of it.
class QScreen;

class PictureDialog : public QWidget
{
    Q_OBJECT

public:
    // `background` is a picture of the artwork catalogue (artwork::background); its
    // title is the dialog's.
    explicit PictureDialog(const artwork::Background& background, QWidget* parent = nullptr);

    // Shows the dialog in the middle of `owner` when given, else of the free area of
    // `screen` (the primary screen when none is given); wholly inside the free area of the
    // screen it opens on.
    void showCentred(const QWidget* owner = nullptr, const QScreen* screen = nullptr);

    // An alert tells something that happened: screen readers announce it as it comes,
    // with the texts in it.
    void setAlert(bool alert) { alert_ = alert; }
    bool isAlert() const { return alert_; }

    // Has a screen reader speak `words` now (Announcer).
    void announce(const QString& words);

signals:
    // The dialog accepted a close (its own button or the desktop's) and is going away.
    void closed();
    // The pointer moved over the dialog's background (or a part that counts as it).
    void pointerOverBackground();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A disabled dialog waits for a window it opened: the desktop cannot close it meanwhile.
    void closeEvent(QCloseEvent* event) override;

    // Lets a child (a label covering most of a small window) drag the window too.
    void dragFrom(QWidget* child);
    // Moves over a child (a panel, a picture, a text) count as moves over the background.
    void countAsBackground(QWidget* child);

    // An image button of a face (artwork::face) at `at` on `parent` (the dialog when
    // none), one of the dialog's buttons.
    ImageButton* addImageButton(const artwork::Face& face, QPoint at, const char* name,
                                QWidget* parent = nullptr);
    // One that closes the dialog when clicked; Escape acts as it.
    ImageButton* addCloseButton(const artwork::Face& face, QPoint at, const char* name = "closeButton");
    // The button Enter acts as (when no button has the keyboard focus).
    void setDefaultButton(ImageButton* button) { defaultButton_ = button; }

    void keyPressEvent(QKeyEvent* event) override;

    bool eventFilter(QObject* watched, QEvent* event) override;

    // Which of the dialog's image buttons is held down.
    ButtonPress& buttonPress() { return press_; }

private:
    void movedOverBackground();

    ButtonPress press_;
    ScaledPicture background_;
    ImageButton* closeButton_ = nullptr;
    Announcer* announcer_ = nullptr;
    ImageButton* defaultButton_ = nullptr;
    QList<QObject*> dragSources_;
    QList<QObject*> backgroundParts_;
    WindowDrag drag_;
    bool alert_ = false;
};
