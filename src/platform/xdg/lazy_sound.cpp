#include "platform/xdg/lazy_sound.h"

#include "platform/system_sound.h"
#include "platform/xdg/sound_module.h"

#include <QApplication>
#include <QLibrary>

LazySound::LazySound(QStringList modulePaths) : modulePaths_(std::move(modulePaths)) {}

// The module stays loaded: Qt Multimedia keeps its own state until the program ends.
LazySound::~LazySound() = default;

SoundOutput* LazySound::player()
{
    if (!tried_) {
        tried_ = true;
        for (const QString& path : modulePaths_) {
            QLibrary module(path);
            if (const auto make = reinterpret_cast<MakeSoundPlayer>(module.resolve(makeSoundPlayerSymbol))) {
                player_.reset(make());
                break;
            }
        }
    }
    return player_.get();
}

bool LazySound::playWave(const QString& path)
{
    SoundOutput* output = player();
    return output && output->playWave(path);
}

std::optional<WaveProblem> LazySound::checkWave(const QString& path) const
{
    return readWaveProblem(path);
}

void LazySound::stop()
{
    // Nothing can be playing before the first sound.
    if (player_) {
        player_->stop();
    }
}

void LazySound::beep()
{
    if (SoundOutput* output = player()) {
        output->beep();
    } else {
        QApplication::beep();
    }
}

std::unique_ptr<SoundOutput> makeSystemSound()
{
    // Beside the executable in the build tree and a portable copy, in the library
    // folder where the program is installed.
    const QString executableFolder = QCoreApplication::applicationDirPath();
    return std::make_unique<LazySound>(QStringList{
        executableFolder + QStringLiteral("/") + QLatin1StringView(soundModuleName),
        executableFolder + QStringLiteral("/" NEKOTOKEI_SOUND_MODULE_FROM_EXECUTABLE "/") +
            QLatin1StringView(soundModuleName),
    });
}
