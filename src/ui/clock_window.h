#pragma once

#include "core/local_time.h"
#include "face/clock_face.h"
#include "widgets/window_drag.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

class ClockModel;
class Platform;

// The clock window: the cat-shaped clock on the desktop. It shows the model's state,
// runs the display tick (the face) and the alarm tick (the model's alarm check), moves
// with the left button and asks for the menu with the others.
class ClockWindow final : public QWidget
{
    Q_OBJECT

public:
    ClockWindow(ClockModel& model, Platform& platform);

    // Shows the loaded model: design, position, outline, stacking, tray icon; starts the ticks.
    void start();

    // The timers' handlers: the display tick (250 ms) and the alarm tick.
    void displayTick();
    void alarmTick();
    int alarmTickInterval() const { return alarmTimer_.interval(); }

    // Writes the window's left and top to the position file.
    void savePosition();

    // The menu's 終了: writes the position, takes the outline and the tray icon away, and
    // closes the window, which ends the program.
    void quit();

    // The window's pixels as last drawn.
    const ClockFace& face() const { return face_; }

    // Time between two display ticks, and between two alarm ticks outside the turn of a minute.
    static constexpr int displayTickMilliseconds = 250;
    static constexpr int alarmTickMilliseconds = 250;

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
    // Hides the read-out panel and bell box on an analog design.
    void applyDesignGeometry();
    // Reads the clock and redraws the face when the second has changed.
    void redrawIfSecondChanged();
    // Cuts the window's outline from its picture.
    void applyOutline();
    void resizeToPicture();
    // The stored design's picture at the scale of the window's screen; an unknown design
    // keeps the picture shown.
    void loadPicture();
    // A new design: its picture, size, geometry, an immediate redraw and its outline.
    void showDesign();
    // New hand or read-out colours show at once.
    void showNewColours();
    void applyStackingOrder();
    void updateTrayIcon();
    void addTrayIcon();
    void removeTrayIcon();
    void unload(bool writePosition);

    ClockModel& model_;
    Platform& platform_;
    WindowDrag drag_;
    QTimer alarmTimer_;
    QTimer displayTimer_;
    ClockFace face_;
    QImage picture_; // at the scale the face is drawn at
    LocalTime now_;
    int lastDrawnSecond_ = -1;
    int colonPhase_ = 0;
    bool unloaded_ = false;
};
