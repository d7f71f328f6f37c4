// The settings loader on the five files, given as the input's parts between NUL bytes
// (fewer parts: the last files are missing). A load either refuses with a short message
// or gives settings that, saved and loaded again, stay as they are.
#include "fuzz_support.h"
#include "storage/settings_files.h"
#include "support/fake_platform.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString folder = fuzzFolder().path();
    static FakePlatform platform(folder);
    const QList<QByteArray> parts =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0');
    const char* const names[] = {SettingsFiles::positionFile, SettingsFiles::setFile, SettingsFiles::set1File,
                                 SettingsFiles::set2File, SettingsFiles::set3File};
    SettingsFiles files(folder, platform);
    for (qsizetype i = 0; i < 5; ++i) {
        if (i < parts.size()) {
            writeFuzzFile(files.pathOf(names[i]), parts[i]);
        } else {
            QFile::remove(files.pathOf(names[i]));
        }
    }

    const SettingsLoad first = files.load();
    if (!first.settings) {
        FUZZ_CHECK(!first.error.isEmpty() && first.error.size() < 400);
        return 0;
    }
    const auto saveAndLoad = [&files](const ClockSettings& settings) {
        FUZZ_CHECK(files.savePosition(settings.positionX, settings.positionY));
        FUZZ_CHECK(files.saveGeneralSettings(settings));
        FUZZ_CHECK(files.saveDesignSettings(settings));
        const SettingsLoad load = files.load();
        FUZZ_CHECK(load.settings);
        return *load.settings;
    };
    // Positions are stored in single precision: the first save may round them, no more.
    const ClockSettings saved = saveAndLoad(*first.settings);
    FUZZ_CHECK(saveAndLoad(saved) == saved);
    ClockSettings rounded = *first.settings;
    rounded.positionX = saved.positionX;
    rounded.positionY = saved.positionY;
    FUZZ_CHECK(rounded == saved);
    FUZZ_CHECK(platform.messages.empty());
    return 0;
}
