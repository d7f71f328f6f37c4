#pragma once

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
