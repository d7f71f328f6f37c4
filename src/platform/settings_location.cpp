#include "platform/settings_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace settings_location {

namespace {

const QStringList settingsFilePatterns = {QStringLiteral("*.zdt")};

// The user's own settings folder: %APPDATA%\nekotokei on Windows, which roams with the
// user as settings do there; ~/.config/nekotokei elsewhere.
#ifdef Q_OS_WIN
constexpr auto userSettingsLocation = QStandardPaths::AppDataLocation;
#else
constexpr auto userSettingsLocation = QStandardPaths::AppConfigLocation;
#endif

} // namespace

Layout current()
{
    const QString executableFolder = QCoreApplication::applicationDirPath();
    return Layout{
        .executableFolder = executableFolder,
        .installedDataFolder =
            QDir::cleanPath(executableFolder + u'/' + QStringLiteral(NEKOTOKEI_DATA_FROM_EXECUTABLE)),
        .userSettingsFolder = QStandardPaths::writableLocation(userSettingsLocation),
        .canWriteIn = &canWriteIn,
    };
}

bool canWriteIn(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".write-test-XXXXXX")));
    return probe.open();
}

bool holdsSettingsFiles(const QString& folder)
{
    return !QDir(folder).entryList(settingsFilePatterns, QDir::Files).isEmpty();
}

QString settingsFolder(const Layout& layout)
{
    if (holdsSettingsFiles(layout.executableFolder) && layout.canWriteIn(layout.executableFolder)) {
        return layout.executableFolder;
    }
    return layout.userSettingsFolder;
}

QString dataFolder(const Layout& layout)
{
    return holdsSettingsFiles(layout.executableFolder) ? layout.executableFolder : layout.installedDataFolder;
}

std::optional<PreparationFailure> fillMissingSettings(const QString& folder, const QString& defaults)
{
    const QDir target(folder);
    if (QDir(defaults) == target) {
        return std::nullopt;
    }
    if (!QDir().mkpath(folder)) {
        return PreparationFailure{PreparationFailure::Step::MakeFolder,
                                  {folder, FileFailure::Cause::System, {}}};
    }
    const QStringList names = QDir(defaults).entryList(settingsFilePatterns, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const QString path = target.filePath(name);
        if (QFileInfo::exists(path)) {
            continue;
        }
        QFile source(QDir(defaults).filePath(name));
        if (!source.copy(path)) {
            return PreparationFailure{PreparationFailure::Step::CopyFile,
                                      {path, FileFailure::Cause::System, source.errorString()}};
        }
        // The shipped file may be read-only; the user's copy is theirs to change.
        QFile::setPermissions(path,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return std::nullopt;
}

} // namespace settings_location
