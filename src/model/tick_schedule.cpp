#include "model/tick_schedule.h"

#include <algorithm>

namespace tick_schedule {

namespace {

constexpr int millisecondsPerMinute = 60'000;

// 0..period-1, also for a negative value.
int wrap(int value, int period)
{
    return (value % period + period) % period;
}

// Whether the ten-second grid holds the sleeps of a clock with nothing moving each second.
bool onTheGrid(const Motion& motion, bool jumpsHeard)
{
    return motion.minuteHand || !jumpsHeard;
}

} // namespace

int delayAfter(const LocalTime& now, const Motion& motion, const Wakers& wakers)
{
    const int intoMinute = now.second * 1000 + now.millisecond;
    // A leap second (second 60) ends its minute at the end of that second.
    const int untilMinute =
        intoMinute < millisecondsPerMinute ? millisecondsPerMinute - intoMinute : 1000 - now.millisecond;
    int delay = untilMinute;
    if (motion.seconds) {
        delay = std::min(delay, 1000 - now.millisecond);
    }
    if (motion.colonBlinks) {
        delay = std::min(delay, 500 - wrap(now.millisecond - motion.blinkStart, 500));
    }
    if (!motion.seconds && !motion.colonBlinks && onTheGrid(motion, wakers.jumpsHeard)) {
        delay = std::min(delay, longestSleep - intoMinute % longestSleep);
    }
    const long long nowMs = now.utcSeconds() * 1000 + now.millisecond;
    for (const std::optional<long long> moment :
         {wakers.offsetChange ? std::optional(*wakers.offsetChange * 1000) : std::nullopt,
          wakers.snoozeDue}) {
        if (moment && *moment > nowMs) {
            delay = int(std::min<long long>(delay, *moment - nowMs));
        }
    }
    return delay + lateness;
}

int period(const Motion& motion, bool jumpsHeard)
{
    return motion.colonBlinks              ? 500
           : motion.seconds                ? 1000
           : onTheGrid(motion, jumpsHeard) ? longestSleep
                                           : millisecondsPerMinute;
}

int colonPhase(const LocalTime& now, int blinkStart)
{
    return wrap(now.millisecond - blinkStart, 1000) / 250;
}

} // namespace tick_schedule
