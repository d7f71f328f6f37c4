#include "platform/xdg/sound_module.h"

#include "platform/xdg/sound_player.h"

extern "C" Q_DECL_EXPORT SoundOutput* nekotokei_make_sound_player()
{
    return new SoundPlayer;
}
