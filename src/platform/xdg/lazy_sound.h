#pragma once

#include "platform/sound_output.h"

#include <QStringList>
#include <memory>

// The sound output of the running program: the player and the audio system behind it
// (Qt Multimedia and the sound server's libraries) are a module loaded at the first
// sound, so that an idle clock holds none of them. A module that cannot be loaded is an
// audio output that is not there: wave files do not play, and the standard sound is
// the desktop's bell.
class LazySound final : public SoundOutput
{
public:
    // `modulePaths`: where the player's module may lie, the first that loads is used.
    explicit LazySound(QStringList modulePaths);
    ~LazySound() override;

    bool playWave(const QString& path) override;
    // Judged from the file alone, which needs no audio system.
    std::optional<WaveProblem> checkWave(const QString& path) const override;
    void stop() override;
    void beep() override;

private:
    // The player, loaded at the first call; null when no module loads.
    SoundOutput* player();

    QStringList modulePaths_;
    bool tried_ = false;
    std::unique_ptr<SoundOutput> player_;
};
