#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

class QMouseEvent;
class QWidget;

// Moves a borderless top-level window while the left mouse button is held on it and the
// pointer moves. Where the window system offers its own move, it runs that; elsewhere
// the window follows the pointer by hand.
//
// The window system's move may keep the button release to itself, so the end of such
// a move is also taken from the window coming to rest: moveEnded() is emitted then.
// A release that ends a hand-made drag reaches the window as usual.
class WindowDrag : public QObject
{
    Q_OBJECT

public:
    explicit WindowDrag(QWidget* window);

    // Feed the window's (or a dragging part's) mouse events through these.
    void press(const QMouseEvent& event);
    void move(const QMouseEvent& event);
    void release();

    // How long a window moved by the window system must stay put before its move counts as ended.
    static constexpr int settleMilliseconds = 400;

signals:
    // The pointer went the drag distance with the button held: the window now moves.
    void moveStarted();
    void moveEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Mode
    {
        Idle,
        Pending, // pressed, not moved yet
        System,
        Manual
    };

    void endSystemMove();

    QWidget* window_;
    Mode mode_ = Mode::Idle;
    QPoint pressedAt_;
    QPoint grabOffset_;
    QTimer settle_;
};
