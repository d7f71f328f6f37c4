#include "ui/pick_colour.h"

#include "ui/questions.h"

std::optional<ColourRef> pickColour(Questions& questions, ColourRef current)
{
    std::array<ColourRef, 16> white;
    white.fill(0x00FFFFFF);
    return questions.chooseColour(current, white);
}
