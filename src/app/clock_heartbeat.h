#pragma once

#include "core/local_time.h"
#include "model/tick_schedule.h"

#include <QObject>
#include <QTimer>

class ClockModel;
class ClockWindow;
class Clock;

// The clock's heartbeat: reads the clock at the moments the tick schedule names (when
// anything shown or rung can change) and hands each reading to the clock window, which
// draws it, and to the model, which rings the alarms due. In between the clock sleeps.
class ClockHeartbeat final : public QObject
{
    Q_OBJECT

public:
    ClockHeartbeat(ClockModel& model, ClockWindow& window, const Clock& clock);

    // The first reading, shown at once: the colon's rhythm starts here.
    void start();
    void stop();

    // The timer's handler: reads the clock once, shows what changed, sets the timer for
    // the next beat and checks the alarms. Tests and benchmarks call it at the moments
    // they choose.
    void beat();
    // Reads the clock and shows it whole at once, then sets the timer from there: for
    // changes that are not the clock's own (a setting, a new picture).
    void showNow();

    // Milliseconds from the last beat to the next one.
    int interval() const { return timer_.interval(); }

    // How much later than the schedule wants a beat may come and the timer keep its
    // rhythm. Setting the timer again allocates inside Qt; a steady rhythm does not.
    static constexpr int tolerance = 15;

private:
    tick_schedule::Motion motion() const;
    // Sets the timer for the beat after `now_`, unless it already fires then.
    void schedule(bool timerJustFired);

    ClockModel& model_;
    ClockWindow& window_;
    const Clock& clock_;
    QTimer timer_;
    LocalTime now_;
    int blinkStart_ = 0;
};
