#pragma once

#include "core/colour.h"

#include <optional>

class Questions;

// The colour dialog step of both colour windows: the desktop's colour dialog opened on
// `current`, its 16 custom colours white at every opening. The new colour, or nothing
// when the user cancelled (or the dialog failed).
std::optional<ColourRef> pickColour(Questions& questions, ColourRef current);
