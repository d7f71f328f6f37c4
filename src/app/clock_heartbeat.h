#pragma once

#include "core/local_time.h"
#include "model/tick_schedule.h"

#include <QObject>
#include <QTimer>

class ClockModel;
class ClockWindow;
class Clock;
class ClockWatch;

// The clock's heartbeat: reads the clock at the moments the tick schedule names (when
// anything shown or rung can change) and hands each reading to the clock window, which
// draws it, and to the model, which rings the alarms due. In between the clock sleeps;
// the clock watch wakes it at once when the wall clock jumps (set, or a resume).
class ClockHeartbeat final : public QObject
{
    Q_OBJECT

public:
    ClockHeartbeat(ClockModel& model, ClockWindow& window, const Clock& clock, ClockWatch& watch);

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

    // How long after its beat is due the watch wakes the clock, should the timer not
    // have done so: the timer counts only the time the machine is awake.
    static constexpr int watchMargin = 250;

private:
    // Reads the clock, shows what changed, sets the timer and checks the alarms.
    void step(bool timerJustFired);
    // The wall clock jumped: the beat comes now, and the next is set from there.
    void jumped();
    tick_schedule::Motion motion() const;
    // The next daylight saving change after `now_`, asked of the clock again once it has
    // passed or the clock jumped.
    void followOffsetChanges(bool jumped);
    // Sets the timer for the beat after `now_`, unless it already fires then, and the
    // watch a little after it.
    void schedule(bool timerJustFired);

    ClockModel& model_;
    ClockWindow& window_;
    const Clock& clock_;
    ClockWatch& watch_;
    const bool jumpsHeard_;
    QTimer timer_;
    LocalTime now_;
    int blinkStart_ = 0;
    bool offsetChangeAsked_ = false;
    std::optional<qint64> offsetChange_;
};
