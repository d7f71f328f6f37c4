#pragma once

#include "core/file_failure.h"

#include <QString>
#include <optional>

// The two folders of the running program, decided once at start-up.
struct ProgramFolders
{
    // The five settings files and the alarm file, all six together.
    QString settings;
    // The files shipped with the program: the default settings, the guide.
    QString data;
};

// Where the program keeps its files. A program folder of its own (the executable beside
// its settings files, as the build and a copied folder have it) keeps the settings there
// while the user may write in it. Otherwise (an installed copy, or a folder the user
// cannot write) they live in the user's settings folder, filled from the shipped defaults.
// The five settings files and the alarm file always live together in the folder chosen.
namespace settings_location {

struct Layout
{
    QString executableFolder;
    // The shared data folder of an installed copy: default settings and the user guide.
    QString installedDataFolder;
    // The user's own settings folder for this program.
    QString userSettingsFolder;
    // Whether the user may create files in a folder.
    bool (*canWriteIn)(const QString& folder);
};

// The layout of the running program: its executable's folder, the data folder installed
// beside it, and the user's settings folder for the program (%APPDATA%\nekotokei on
// Windows, ~/.config/nekotokei elsewhere).
Layout current();

// True when a file can be created in `folder` (tried, not guessed from permission bits).
bool canWriteIn(const QString& folder);

// True when `folder` holds settings files (*.zdt).
bool holdsSettingsFiles(const QString& folder);

// The folder that holds the settings and alarm files.
QString settingsFolder(const Layout& layout);

// The folder of the files shipped with the program: the default settings and the guide.
QString dataFolder(const Layout& layout);

// The folders of the running program, by the rules above.
ProgramFolders programFolders();

// Why the settings folder could not be made ready.
struct PreparationFailure
{
    enum class Step
    {
        MakeFolder,
        CopyFile,
    };

    Step step;
    FileFailure file; // the folder that could not be made, or the copy that failed
};

// Copies each settings file of `defaults` that `folder` lacks into it, making the folder
// when needed. An existing file is never replaced. When one cannot be copied, the files
// copied and the folders made before it are taken away again.
std::optional<PreparationFailure> fillMissingSettings(const QString& folder, const QString& defaults);

} // namespace settings_location
