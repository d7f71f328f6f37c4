#pragma once

#include "core/local_time.h"

// When the clock's periodic work runs next. Between ticks the clock sleeps; the next
// tick is due at the next moment anything it shows or rings can change:
//  - each second boundary while something moves with the seconds (the second hand);
//  - each half second of the colon's own rhythm while it blinks (shown 500 ms, blank
//    500 ms, counted from the moment the clock started, not from the second boundary);
//  - each minute boundary, always: the minute hand, the digits, the date and the alarms;
//  - and never more than ten seconds apart (on the ten-second grid, which holds the
//    minute boundaries), so that a change of the system clock shows within ten seconds.
// A tick aims a few milliseconds past its boundary, so the clock read there already
// shows the new second even when the timer and the wall clock drift apart a little.
namespace tick_schedule {

// What moves on the clock within a minute.
struct Motion
{
    bool seconds = false;
    bool colonBlinks = false;
    int blinkStart = 0; // the millisecond within a second at which the colon's rhythm began
};

inline constexpr int longestSleep = 10'000;
inline constexpr int lateness = 5;

// Milliseconds from the reading `now` to the next tick: at most longestSleep + lateness.
int delayAfter(const LocalTime& now, const Motion& motion);

// The distance between two ticks while only time passes: the rhythm of the motion.
int period(const Motion& motion);

// The blinking colon's quarter-second phase at `now`, 0..3: shown in 0 and 1, blank in
// 2 and 3.
int colonPhase(const LocalTime& now, int blinkStart);

} // namespace tick_schedule
