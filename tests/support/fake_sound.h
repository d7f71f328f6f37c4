#pragma once

#include "platform/sound_output.h"

#include <QHash>
#include <QStringList>

// A sound output that records what was asked of it.
class FakeSound final : public SoundOutput
{
public:
    bool playWave(const QString& path) override
    {
        if (unplayableWaves.contains(path)) {
            return false;
        }
        playedWaves.append(path);
        return true;
    }
    std::optional<WaveProblem> checkWave(const QString& path) const override
    {
        const auto found = unplayableWaves.constFind(path);
        return found == unplayableWaves.constEnd() ? std::nullopt : std::optional(*found);
    }
    void stop() override { ++stops; }
    void beep() override { ++beeps; }

    QStringList playedWaves;
    QHash<QString, WaveProblem> unplayableWaves; // checkWave names these, playWave refuses them
    int stops = 0;
    int beeps = 0;
};
