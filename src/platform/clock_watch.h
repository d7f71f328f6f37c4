#pragma once

#include <QtGlobal>
#include <functional>

// The system's word that the wall clock jumped: it was set (by hand or by a time
// service) or the machine woke from sleep. A clock that hears of every jump may sleep
// until the next change it shows; one that does not must look for itself now and then.
// SystemClockWatch is the real one.
class ClockWatch
{
public:
    virtual ~ClockWatch() = default;

    // Runs `jumped` from the event loop after each jump of the wall clock, and once the
    // moment last given to wakeBy has passed on it. False when this system tells of no
    // jump (and `jumped` never runs).
    virtual bool watch(std::function<void()> jumped) = 0;

    // The moment on the wall clock, in milliseconds since the epoch, by which `jumped`
    // runs at the latest, also when the machine slept through it (a timer that counts
    // only the time awake would wait out the sleep). A later call replaces it.
    virtual void wakeBy(qint64 utcMilliseconds) = 0;
};
