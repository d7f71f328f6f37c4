#pragma once

#include <QtGlobal>

// The sound of the desktop: Windows plays wave files itself, elsewhere Qt Multimedia does.
#ifdef Q_OS_WIN
#include "platform/windows_sound.h"
using SystemSound = WindowsSound;
#else
#include "platform/sound_player.h"
using SystemSound = SoundPlayer;
#endif
