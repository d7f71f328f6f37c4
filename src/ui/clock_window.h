#pragma once

#include "core/local_time.h"
#include "face/clock_face.h"
#include "ui/clock_menu.h"
#include "widgets/window_drag.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTransform>
#include <QWidget>
#include <optional>

class ClockModel;
class DesktopShell;

// The clock window: the cat-shaped clock on the desktop. It draws the readings it is
// given with the model's state, keeps its design's picture, size and outline and its
// place among the desktop's windows, moves with the left button and asks for the menu
// with the others.
class ClockWindow final : public QWidget
{
    Q_OBJECT

public:
    ClockWindow(ClockModel& model, const DesktopShell& shell);

    // Shows the loaded model: design, position, outline, stacking.
    void start();

    // Draws a reading of the clock: the face when its second is another than the one
    // drawn (or `whole`), the digital read-out when its digits or colon changed.
    void showReading(const LocalTime& now, int colonPhase, bool whole);

    // Writes where the clock stands (positionToStore) to the position file.
    void savePosition();
    // The same as the program or the session ends: a failure is not shown in a box.
    void savePositionAtExit();

    // Brings the clock in front of the other windows and gives it the focus.
    void comeForward();

    // The window's pixels as last drawn.
    const ClockFace& face() const { return face_; }

    // The reading last shown, as a screen reader says it (with the alarm when the bell
    // shows), and the next alarm.
    QString spokenReading() const;
    // Asks for the menu at the clock's middle, as the Menu key does: a screen reader's
    // way to it.
    void openMenu();

signals:
    // A click, the Menu key or Shift+F10 asks for the menu at a screen position.
    void menuRequested(QPoint at, MenuOpening opening);
    // The design's picture changed (another design, another screen scale): the face
    // wants drawing whole.
    void pictureChanged();
    // The desktop closes the window (log-out, a termination request): the program ends.
    void closing();

protected:
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Ctrl and the wheel make the clock larger or smaller.
    void wheelEvent(QWheelEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Cuts the window's outline from its picture.
    void applyOutline();
    void resizeToPicture();
    // The stored design's picture at the scale of the window's screen.
    void loadPicture();
    // A new design: its picture, size, geometry, an immediate redraw and its outline.
    void showDesign();
    // A new size: the design again at it, kept on the screen.
    void showSize();
    // From the design's pixels, which the face paints in, to the window's.
    QTransform toWindow() const;
    void applyStackingOrder();
    // Clicks go to what lies under the clock while click-through is on.
    void applyClickThrough();
    // Flags for the native window as it stands, which stays shown.
    void setNativeFlags(Qt::WindowFlags flags);
    // The opacity the options ask for, wholly opaque while the pointer is over the clock
    // where they ask for that.
    void applySeeThrough();
    // Where the clock stands: where the program put it, until the window moves once a
    // drag of it has begun, or a while after it showed (the window manager's move). A
    // place the window system imposes as it shows the clock (its own placement, a rule of
    // the user's) is not the clock's own: storing it would lose the place the user left
    // the clock at.
    QPoint positionToStore() const;
    // Where the screens went or came back: a clock whose screen is gone comes onto the one
    // that remains, and goes back to its place when its screen returns.
    void followScreens();

    ClockModel& model_;
    const DesktopShell& shell_;
    WindowDrag drag_;
    ClockFace face_;
    QImage picture_;            // at the scale the face is drawn at
    DesignIndex pictureDesign_; // the design picture_ shows
    QPoint placed_;             // where start() put the window
    QElapsedTimer shownFor_;
    bool draggedSinceShown_ = false;
    bool movedSinceShown_ = false;
    bool pointerOver_ = false;
    bool clickedThrough_ = false; // at any time since the clock started
    // The screen the clock's place lies on, and that place while the screen is gone and
    // the clock stands elsewhere.
    QRect homeScreen_;
    std::optional<QPoint> awayFrom_;
    long long drawnSecond_ = -1;
    int wheelTurned_ = 0; // with Ctrl, not yet a whole notch
    LocalTime shown_;     // the reading last shown
};
