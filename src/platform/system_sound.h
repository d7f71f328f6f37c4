#pragma once

#include "platform/sound_output.h"

#include <memory>

// The sound output of this system: Windows plays wave files itself, elsewhere Qt
// Multimedia does (each defined beside its player).
std::unique_ptr<SoundOutput> makeSystemSound();
