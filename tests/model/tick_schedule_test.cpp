#include "model/tick_schedule.h"

#include <QDateTime>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

using tick_schedule::Motion;
using tick_schedule::Wakers;

constexpr Motion still{};
constexpr Motion secondHand{.seconds = true};
constexpr Motion minuteHand{.minuteHand = true};
constexpr Wakers deaf{};
constexpr Wakers hearing{.jumpsHeard = true};

Motion blinking(int blinkStart)
{
    return Motion{.colonBlinks = true, .blinkStart = blinkStart};
}

LocalTime at(int hour, int minute, int second, int millisecond)
{
    return LocalTime{2024, 5, 17, 5, hour, minute, second, millisecond};
}

TEST(TickSchedule, WakesJustAfterTheNextChange)
{
    struct Case
    {
        const char* name;
        LocalTime now;
        Motion motion;
        Wakers wakers;
        int delay;
    };
    // 10:00:20 UTC on the test day, which the readings give as local time.
    const long long tenTwenty = at(10, 0, 20, 0).utcSeconds();
    const Case cases[] = {
        {"SecondHandMidSecond", at(10, 0, 0, 300), secondHand, deaf, 705},
        {"SecondHandOnItsRhythm", at(10, 0, 7, 5), secondHand, hearing, 1000},
        {"SecondHandWokenEarly", at(10, 0, 7, 998), secondHand, deaf, 7},
        {"StillToTheTenSecondGrid", at(10, 0, 3, 250), still, deaf, 6755},
        {"StillOnItsRhythm", at(10, 0, 10, 5), still, deaf, 10'000},
        {"StillToTheMinute", at(10, 0, 55, 0), still, deaf, 5005},
        {"StillToMidnight", at(23, 59, 59, 500), still, deaf, 505},
        {"AlarmAtTheNextMinute", at(7, 29, 59, 700), still, deaf, 305},
        {"LeapSecondEndsItsMinute", at(23, 59, 60, 250), still, deaf, 755},
        {"ColonPhaseBoundary", at(10, 0, 0, 130), blinking(120), deaf, 495},
        {"ColonOnItsRhythm", at(10, 0, 0, 625), blinking(120), hearing, 500},
        {"ColonRhythmAcrossTheSecond", at(10, 0, 0, 950), blinking(900), deaf, 455},
        {"MinuteBetweenColonPhases", at(10, 0, 59, 800), blinking(700), deaf, 205},
        {"ColonAfterTheMinute", at(10, 1, 0, 5), blinking(700), deaf, 200},
        // Nothing moves and every jump is heard: from one minute boundary to the next.
        {"HeardStillSleepsTheMinute", at(10, 0, 3, 250), still, hearing, 56'755},
        {"HeardStillOnItsRhythm", at(10, 1, 0, 5), still, hearing, 60'000},
        {"HeardStillToMidnight", at(23, 59, 59, 500), still, hearing, 505},
        {"HeardStillEndsTheLeapSecond", at(23, 59, 60, 250), still, hearing, 755},
        // The analog minute hand turns with the seconds, heard or not.
        {"MinuteHandOnTheGrid", at(10, 0, 3, 250), minuteHand, hearing, 6755},
        // A daylight saving change wakes the clock where it falls.
        {"ToTheOffsetChange", at(10, 0, 3, 250), still, {true, tenTwenty}, 16'755},
        {"OffsetChangeAfterTheMinute", at(10, 0, 3, 250), still, {true, tenTwenty + 60}, 56'755},
        {"OffsetChangePassed", at(10, 0, 3, 250), still, {true, tenTwenty - 30}, 56'755},
        // A snoozed alarm wakes the clock at its millisecond.
        {"ToTheSnooze", at(10, 0, 3, 250), still, {true, {}, tenTwenty * 1000 + 400}, 17'155},
        {"SnoozeAfterTheMinute", at(10, 0, 3, 250), still, {true, {}, (tenTwenty + 60) * 1000}, 56'755},
        {"SnoozeBeforeTheOffsetChange",
         at(10, 0, 3, 250),
         still,
         {true, tenTwenty, tenTwenty * 1000 - 5000},
         11'755},
        {"SnoozeDue", at(10, 0, 3, 250), still, {true, {}, tenTwenty * 1000 - 17'250}, 56'755},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tick_schedule::delayAfter(c.now, c.motion, c.wakers), c.delay) << c.name;
    }
}

TEST(TickSchedule, ColonPhaseKeepsItsOwnRhythm)
{
    // Shown for 500 ms and blank for 500 ms, counted from the millisecond the clock started.
    const std::pair<int, int> phases[] = {{120, 0}, {369, 0}, {370, 1}, {619, 1}, {620, 2},
                                          {870, 3}, {119, 3}, {0, 3},   {999, 3}};
    for (const auto& [millisecond, phase] : phases) {
        EXPECT_EQ(tick_schedule::colonPhase(at(10, 0, 0, millisecond), 120), phase) << millisecond;
    }
}

// A clock driven by the schedule for some minutes of a wall clock that is set forward
// and back on the way; the timer is up to 2 ms late. A clock that hears of the jumps
// ticks at each at once.
struct ClockRun
{
    // Where the wall clock stood at each tick, in milliseconds of the day.
    std::vector<qint64> ticks;
    // The stretches of steady wall time: where the clock was set to, where the stretch
    // ends, and its ticks.
    struct Stretch
    {
        qint64 setTo;
        qint64 end;
        std::size_t firstTick;
        std::size_t endTick;
    };
    std::vector<Stretch> stretches;
};

ClockRun runFor(const Motion& motion, const Wakers& wakers, qint64 monotonicEnd)
{
    struct Jump
    {
        qint64 at;     // monotonic
        qint64 offset; // wall minus monotonic from then on
    };
    const Jump jumps[] = {
        {0, 10 * 3'600'000 + 123}, {130'000, 10 * 3'600'000 + 37'456}, {260'000, 9 * 3'600'000}};
    const QDateTime day(QDate(2024, 5, 17), QTime(0, 0), Qt::UTC);
    ClockRun run;
    qint64 monotonic = 0;
    int late = 0;
    for (std::size_t j = 0; j < std::size(jumps); ++j) {
        const qint64 end = j + 1 < std::size(jumps) ? jumps[j + 1].at : monotonicEnd;
        const std::size_t firstTick = run.ticks.size();
        if (wakers.jumpsHeard) {
            monotonic = jumps[j].at;
        }
        // Unheard, the timer set before the jump still fires when it was set to.
        while (monotonic < end) {
            const qint64 wall = monotonic + jumps[j].offset;
            run.ticks.push_back(wall);
            monotonic +=
                tick_schedule::delayAfter(LocalTime::fromDateTime(day.addMSecs(wall)), motion, wakers) + late;
            late = (late + 1) % 3;
        }
        run.stretches.push_back(
            {jumps[j].at + jumps[j].offset, end + jumps[j].offset, firstTick, run.ticks.size()});
    }
    return run;
}

// How late the first tick after each boundary of `period` ms (from `phase`) comes, for
// the boundaries between the first tick of a stretch and its end.
std::vector<qint64> latenessAfterBoundaries(const ClockRun& run, qint64 period, qint64 phase)
{
    std::vector<qint64> lateness;
    for (const ClockRun::Stretch& stretch : run.stretches) {
        const auto first = run.ticks.begin() + qsizetype(stretch.firstTick);
        const auto end = run.ticks.begin() + qsizetype(stretch.endTick);
        for (qint64 boundary = *first + (phase - *first % period + period) % period; boundary < stretch.end;
             boundary += period) {
            const auto tick = std::find_if(first, end, [&](qint64 t) { return t >= boundary; });
            if (tick != end) {
                lateness.push_back(*tick - boundary);
            }
        }
    }
    return lateness;
}

qint64 longest(const std::vector<qint64>& values)
{
    return values.empty() ? -1 : *std::max_element(values.begin(), values.end());
}

TEST(TickSchedule, EveryChangeShowsSoonAfterItsBoundaryWhateverTheClockDoes)
{
    struct Case
    {
        const char* name;
        Motion motion;
        Wakers wakers;
        qint64 changePeriod; // what moves, and from which millisecond
        qint64 changePhase;
        std::size_t mostTicks; // over the run of 6 minutes
    };
    const Case cases[] = {
        {"SecondHand", secondHand, deaf, 1000, 0, 6 * 60 + 3},
        {"MinuteHand", minuteHand, hearing, 10'000, 0, 6 * 6 + 2 + 3}, // in steps of ten seconds
        {"StillUnheard", still, deaf, 10'000, 0, 6 * 6 + 3},
        {"StillHeard", still, hearing, 60'000, 0, 6 + 2 + 3},
        {"BlinkingColon", blinking(321), hearing, 500, 321, 6 * 60 * 2 + 6 + 2 + 3},
    };
    for (const Case& c : cases) {
        const ClockRun run = runFor(c.motion, c.wakers, 6 * 60'000);
        EXPECT_LE(run.ticks.size(), c.mostTicks) << c.name;
        // Each change shows within 50 ms, the minutes (alarms, digits) too.
        const auto changes = latenessAfterBoundaries(run, c.changePeriod, c.changePhase);
        const auto minutes = latenessAfterBoundaries(run, 60'000, 0);
        EXPECT_GE(changes.size(), std::size_t(6 * 60'000 / c.changePeriod - 3)) << c.name;
        EXPECT_LE(longest(changes), 50) << c.name;
        EXPECT_EQ(minutes.size(), 5u) << c.name; // 10:01, 10:02, 10:03, 10:04 and 9:05
        EXPECT_LE(longest(minutes), 50) << c.name;
        // After the wall clock is set, a tick follows at once when the jump is heard, else
        // within ten seconds.
        for (const ClockRun::Stretch& stretch : run.stretches) {
            EXPECT_LE(run.ticks[stretch.firstTick] - stretch.setTo,
                      c.wakers.jumpsHeard ? 0 : tick_schedule::longestSleep + 10)
                << c.name;
        }
    }
}

} // namespace
