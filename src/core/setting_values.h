#pragma once

#include <optional>

// The clock's settings as the program means them; storage/ turns them into the numbers
// of the settings files and back.

// Where the clock stands among the desktop's windows.
enum class Stacking
{
    Normal,
    InFront,
    // A stored number that means neither: the clock leaves the desktop's stacking alone.
    Untouched,
};

// The colon of the digital read-out.
enum class ColonStyle
{
    Blinking,
    Steady,
    // A stored number that means neither: no colon is drawn.
    Hidden,
};

// A design's number in the design table, as stored. The settings files hold only numbers
// of the table: a file with another one stops start-up, as any value out of its range does.
struct DesignIndex
{
    // The designs of the table, numbered from 0.
    static constexpr int count = 7;

    int number = 0;

    friend bool operator==(DesignIndex, DesignIndex) = default;
};

// How large the clock is drawn, on top of the screen's own scale: a step of the table
// below. The position file keeps meaning the top-left corner, whatever the size.
struct ClockSize
{
    // Every size the clock can take, smallest first; the first is the clock as designed.
    static constexpr int percents[] = {100, 125, 150, 200};
    static constexpr int stepCount = int(sizeof(percents) / sizeof(percents[0]));

    int step = 0; // into percents

    int percent() const { return percents[step]; }
    double factor() const { return percent() / 100.0; }

    // One step up or down, staying at the ends.
    ClockSize larger() const { return {step + 1 < stepCount ? step + 1 : step}; }
    ClockSize smaller() const { return {step > 0 ? step - 1 : step}; }

    // The size of a percentage of the table; nothing for another number.
    static constexpr std::optional<ClockSize> ofPercent(int percent)
    {
        for (int i = 0; i < stepCount; ++i) {
            if (percents[i] == percent) {
                return ClockSize{i};
            }
        }
        return std::nullopt;
    }

    friend bool operator==(ClockSize, ClockSize) = default;
};

// How much of the clock shows over what lies behind it, in steps of ten percent from
// fully opaque, the clock as it always was, down to the faintest that still reads.
struct ClockOpacity
{
    static constexpr int opaque = 100;
    static constexpr int faintest = 30;
    static constexpr int stepPercent = 10;

    int percent = opaque;

    double factor() const { return percent / 100.0; }

    // One step up or down, staying at the ends.
    ClockOpacity more() const { return {percent < opaque ? percent + stepPercent : percent}; }
    ClockOpacity less() const { return {percent > faintest ? percent - stepPercent : percent}; }

    // The opacity of a percentage on the steps; nothing for another number.
    static constexpr std::optional<ClockOpacity> ofPercent(int percent)
    {
        if (percent < faintest || percent > opaque || percent % stepPercent != 0) {
            return std::nullopt;
        }
        return ClockOpacity{percent};
    }

    friend bool operator==(ClockOpacity, ClockOpacity) = default;
};
