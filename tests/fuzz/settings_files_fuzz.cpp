// The settings loader on the five files, given as the input's parts between NUL bytes
// (fewer parts: the last files are missing). A load either refuses, naming one of the
// files, or gives settings that, saved and loaded again, stay as they are.
#include "fuzz_support.h"
#include "storage/settings_files.h"

#include <algorithm>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString folder = fuzzFolder().path();
    const QList<QByteArray> parts =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0');
    const char* const names[] = {SettingsFiles::positionFile, SettingsFiles::setFile, SettingsFiles::set1File,
                                 SettingsFiles::set2File, SettingsFiles::set3File};
    SettingsFiles files(folder);
    for (qsizetype i = 0; i < 5; ++i) {
        if (i < parts.size()) {
            writeFuzzFile(files.pathOf(names[i]), parts[i]);
        } else {
            QFile::remove(files.pathOf(names[i]));
        }
    }

    const auto first = files.load();
    if (const SettingsLoadFailure* failure = std::get_if<SettingsLoadFailure>(&first)) {
        FUZZ_CHECK(std::any_of(std::begin(names), std::end(names),
                               [&](const char* name) { return failure->file.path == files.pathOf(name); }));
        return 0;
    }
    const auto saveAndLoad = [&files](const ClockSettings& settings) {
        FUZZ_CHECK(files.savePosition(settings.positionX, settings.positionY).empty());
        FUZZ_CHECK(files.saveGeneralSettings(settings).empty());
        FUZZ_CHECK(files.saveDesignSettings(settings).empty());
        const auto load = files.load();
        FUZZ_CHECK(std::holds_alternative<ClockSettings>(load));
        return std::get<ClockSettings>(load);
    };
    // Positions are stored in single precision: the first save may round them, no more.
    const ClockSettings& read = std::get<ClockSettings>(first);
    const ClockSettings saved = saveAndLoad(read);
    FUZZ_CHECK(saveAndLoad(saved) == saved);
    ClockSettings rounded = read;
    rounded.positionX = saved.positionX;
    rounded.positionY = saved.positionY;
    FUZZ_CHECK(rounded == saved);
    return 0;
}
