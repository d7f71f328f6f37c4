#pragma once

#include "core/local_time.h"
#include "face/clock_face.h"
#include "model/tick_schedule.h"
#include "widgets/window_drag.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

class ClockModel;
class Platform;

// The clock window: the cat-shaped clock on the desktop. It shows the model's state,
// runs the clock's tick (the face, the read-out and the model's alarm check) at the
// moments the tick schedule names, moves with the left button and asks for the menu
// with the others.
class ClockWindow final : public QWidget
{
    Q_OBJECT

public:
    ClockWindow(ClockModel& model, Platform& platform);

    // Shows the loaded model: design, position, outline, stacking, tray icon; starts the ticks.
    void start();

    // The timer's handler: reads the clock once, redraws what changed, checks the alarms
    // and sets the timer for the next tick.
    void tick();
    // Milliseconds from the last tick to the next one.
    int tickInterval() const { return tickTimer_.interval(); }

    // Writes the window's left and top to the position file.
    void savePosition();
    // The same as the program or the session ends: a failure is not shown in a box.
    void savePositionAtExit();

    // The menu's 終了: writes the position, takes the outline and the tray icon away, and
    // closes the window, which ends the program.
    void quit();

    // The window's pixels as last drawn.
    const ClockFace& face() const { return face_; }

    // How much later than the schedule wants a tick may come and the timer keep its
    // rhythm. Setting the timer again allocates inside Qt; a steady rhythm does not.
    static constexpr int tickTolerance = 15;

signals:
    // A click asks for the menu at a screen position (also a press on the tray icon).
    void menuRequested(QPoint at);
    // The window has gone through its closing steps: the program ends.
    void unloaded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Redraws the face when the reading is in another second than the one drawn, and the
    // digital read-out when its digits or its colon changed.
    void showReading();
    // Reads the clock, shows it at once and sets the timer from there: for changes that
    // are not the clock's own (start-up, a setting).
    void showNow();
    tick_schedule::Motion motion() const;
    // Sets the timer for the tick after `now_`, unless it already fires then.
    void scheduleTick(bool timerJustFired);
    // Cuts the window's outline from its picture.
    void applyOutline();
    void resizeToPicture();
    // The stored design's picture at the scale of the window's screen.
    void loadPicture();
    // A new design: its picture, size, geometry, an immediate redraw and its outline.
    void showDesign();
    void applyStackingOrder();
    void updateTrayIcon();
    void addTrayIcon();
    void removeTrayIcon();
    void unload(bool writePosition);

    ClockModel& model_;
    Platform& platform_;
    WindowDrag drag_;
    QTimer tickTimer_;
    ClockFace face_;
    QImage picture_; // at the scale the face is drawn at
    LocalTime now_;
    long long drawnSecond_ = -1;
    int blinkStart_ = 0;
    bool unloaded_ = false;
};
