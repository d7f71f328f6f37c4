#include "ui/pick_colour.h"

#include "platform/platform.h"

std::optional<ColourRef> pickColour(Platform& platform, ColourRef current)
{
    std::array<ColourRef, 16> white;
    white.fill(0x00FFFFFF);
    return platform.chooseColour(current, white);
}
