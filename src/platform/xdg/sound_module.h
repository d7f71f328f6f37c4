#pragma once

class SoundOutput;

// The entry of the sound player's module (sound_module.cpp): a new SoundPlayer, owned
// by the caller.
using MakeSoundPlayer = SoundOutput* (*)();
inline constexpr const char* makeSoundPlayerSymbol = "nekotokei_make_sound_player";
inline constexpr const char* soundModuleName = "libnekotokei-sound.so";
