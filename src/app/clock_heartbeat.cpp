#include "app/clock_heartbeat.h"

#include "face/designs.h"
#include "model/clock_model.h"
#include "platform/clock.h"
#include "platform/clock_watch.h"
#include "ui/clock_window.h"

ClockHeartbeat::ClockHeartbeat(ClockModel& model, ClockWindow& window, const Clock& clock, ClockWatch& watch)
    : model_(model), window_(window), clock_(clock), watch_(watch),
      jumpsHeard_(watch.watch([this] { jumped(); }))
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ClockHeartbeat::beat);
}

void ClockHeartbeat::start()
{
    now_ = clock_.now();
    blinkStart_ = now_.millisecond;
    window_.showReading(now_, tick_schedule::colonPhase(now_, blinkStart_), true);
    followOffsetChanges(true);
    schedule(false);
}

void ClockHeartbeat::stop()
{
    timer_.stop();
}

void ClockHeartbeat::beat()
{
    step(true);
}

void ClockHeartbeat::jumped()
{
    if (timer_.isActive()) { // started, and not stopped yet
        step(false);
    }
}

void ClockHeartbeat::step(bool timerJustFired)
{
    now_ = clock_.now();
    window_.showReading(now_, tick_schedule::colonPhase(now_, blinkStart_), false);
    followOffsetChanges(!timerJustFired);
    schedule(timerJustFired);
    model_.checkAlarms(now_);
}

void ClockHeartbeat::showNow()
{
    if (!timer_.isActive()) {
        return; // not started yet, or stopped
    }
    now_ = clock_.now();
    window_.showReading(now_, tick_schedule::colonPhase(now_, blinkStart_), true);
    schedule(false);
}

tick_schedule::Motion ClockHeartbeat::motion() const
{
    const ClockSettings& settings = model_.settings();
    return tick_schedule::Motion{
        .seconds = designs::isAnalog(settings.design) && settings.secondHand,
        .colonBlinks = designs::isDigital(settings.design) && settings.colonStyle == ColonStyle::Blinking,
        .blinkStart = blinkStart_,
        .minuteHand = designs::isAnalog(settings.design),
    };
}

void ClockHeartbeat::followOffsetChanges(bool jumped)
{
    if (jumped || !offsetChangeAsked_ || (offsetChange_ && now_.utcSeconds() >= *offsetChange_)) {
        offsetChange_ = clock_.nextOffsetChange(now_.utcSeconds());
        offsetChangeAsked_ = true;
    }
}

void ClockHeartbeat::schedule(bool timerJustFired)
{
    const tick_schedule::Motion motion = this->motion();
    const int delay =
        tick_schedule::delayAfter(now_, motion, {jumpsHeard_, offsetChange_, model_.nextSnoozeDue()});
    watch_.wakeBy(now_.utcSeconds() * 1000 + now_.millisecond + delay + watchMargin);
    // The timer repeats at the motion's rhythm while its beats fall where the schedule
    // wants them: at most `tolerance` later, and never before the boundary. A timer that
    // has just fired then fires again one interval from now, and is left alone.
    const int period = tick_schedule::period(motion, jumpsHeard_);
    const bool onRhythm = period - delay >= -tick_schedule::lateness && period - delay <= tolerance;
    const int interval = onRhythm ? period : delay;
    if (timerJustFired && timer_.isActive() && timer_.interval() == interval) {
        return;
    }
    timer_.start(interval);
}
