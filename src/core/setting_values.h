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

// A design's number in the design table, as stored. A number outside the table is kept
// as read: the clock then shows the first design's bare picture.
struct DesignIndex
{
    int number = 0;

    friend bool operator==(DesignIndex, DesignIndex) = default;
};
