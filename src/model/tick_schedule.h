#pragma once

#include "core/local_time.h"

#include <optional>

// When the clock's periodic work runs next. Between ticks the clock sleeps; the next
// tick is due at the next moment anything it shows or rings can change:
//  - each second boundary while something moves with the seconds (the second hand);
//  - each half second of the colon's own rhythm while it blinks (shown 500 ms, blank
//    500 ms, counted from the moment the clock started, not from the second boundary);
//  - each minute boundary, always: the digits, the date and the alarms;
//  - on the ten-second grid (which holds the minute boundaries) while the minute hand of
//    an analog face creeps on with the seconds, and while the system tells of no jump of
//    its clock, so that a clock set by hand shows within ten seconds;
//  - at the next daylight saving change;
//  - at the moment a snoozed alarm rings again.
// A clock that hears of every jump and shows nothing that moves within the minute sleeps
// from one minute boundary to the next.
// A tick aims a few milliseconds past its boundary, so the clock read there already
// shows the new second even when the timer and the wall clock drift apart a little.
namespace tick_schedule {

// What moves on the clock within a minute.
struct Motion
{
    bool seconds = false;
    bool colonBlinks = false;
    int blinkStart = 0;      // the millisecond within a second at which the colon's rhythm began
    bool minuteHand = false; // an analog minute hand, which turns a little each second
};

// What else wakes the clock.
struct Wakers
{
    bool jumpsHeard = false;                    // the system tells at once of a set clock and of a resume
    std::optional<long long> offsetChange = {}; // the next daylight saving change, UTC seconds
    std::optional<long long> snoozeDue = {};    // the next snoozed alarm, UTC milliseconds
};

inline constexpr int longestSleep = 10'000;
inline constexpr int lateness = 5;

// Milliseconds from the reading `now` to the next tick: at most a minute + lateness.
int delayAfter(const LocalTime& now, const Motion& motion, const Wakers& wakers);

// The distance between two ticks while only time passes: the rhythm of the motion.
int period(const Motion& motion, bool jumpsHeard);

// The blinking colon's quarter-second phase at `now`, 0..3: shown in 0 and 1, blank in
// 2 and 3.
int colonPhase(const LocalTime& now, int blinkStart);

} // namespace tick_schedule
