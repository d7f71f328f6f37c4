#pragma once

#include "platform/sound_output.h"

#include <QHash>
#include <QStringList>

// A sound output that records what is heard, in order: each wave file played, and
// `standard` for each standard sound.
class FakeSound final : public SoundOutput
{
public:
    bool playWave(const QString& path) override
    {
        if (unplayableWaves.contains(path)) {
            return false;
        }
        heard.append(path);
        return true;
    }
    std::optional<WaveProblem> checkWave(const QString& path) const override
    {
        const auto found = unplayableWaves.constFind(path);
        return found == unplayableWaves.constEnd() ? std::nullopt : std::optional(*found);
    }
    void stop() override { ++stops; }
    void beep() override { heard.append(standard); }

    static inline const QString standard = QStringLiteral("(standard sound)");

    QStringList heard;
    QHash<QString, WaveProblem> unplayableWaves; // checkWave names these, playWave refuses them
    int stops = 0;
};
