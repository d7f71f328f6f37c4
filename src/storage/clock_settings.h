#pragma once

#include "core/colour.h"

// Everything the five settings files hold. A flag keeps the exact integer it was read
// with: values other than 0 and 1 mean something (or at least must survive a save).
struct ClockSettings
{
    double positionX = 0; // window left, twips (fomit.zdt)
    double positionY = 0; // window top, twips
    int alwaysOnTop =
        0; // 1 in front of other windows, 0 normal, other values leave the stacking alone (set.zdt)
    int secondHand = 0;           // 1 drawn (set1.zdt)
    int trayIcon = 0;             // 1 shown in the notification area (set1.zdt)
    ColourRef hourHandColour = 0; // set2.zdt
    ColourRef minuteHandColour = 5197647;
    ColourRef secondHandColour = 255;
    int design = 0;                     // 0..6, the design table (set3.zdt)
    ColourRef readoutColour = 16711680; // digital read-out; a stored 0 shows as white (set3.zdt)
    int colonStyle = 0;                 // 1 steady, 0 blinking, other values: no colon (set3.zdt)

    friend bool operator==(const ClockSettings&, const ClockSettings&) = default;
};
