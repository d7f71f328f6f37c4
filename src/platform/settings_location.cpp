#include "platform/settings_location.h"

#include "core/atomic_file.h"
#include "platform/this_system.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace settings_location {

namespace {

const QStringList settingsFilePatterns = {QStringLiteral("*.zdt")};

} // namespace

Layout current()
{
    const QString executableFolder = QCoreApplication::applicationDirPath();
    return Layout{
        .executableFolder = executableFolder,
        .installedDataFolder =
            QDir::cleanPath(executableFolder + u'/' + QStringLiteral(NEKOTOKEI_DATA_FROM_EXECUTABLE)),
        .userSettingsFolder = QStandardPaths::writableLocation(this_system::userSettingsLocation()),
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

ProgramFolders programFolders()
{
    const Layout layout = current();
    return ProgramFolders{.settings = settingsFolder(layout), .data = dataFolder(layout)};
}

std::optional<PreparationFailure> fillMissingSettings(const QString& folder, const QString& defaults)
{
    const QDir target(folder);
    if (QDir(defaults) == target) {
        return std::nullopt;
    }
    // A start that cannot bring every missing file leaves none of the ones it brought, nor
    // the folders it made: the next start begins afresh instead of reading half a set.
    QStringList madeFolders;
    for (QString path = target.absolutePath(); !QFileInfo::exists(path);
         path = QFileInfo(path).absolutePath()) {
        madeFolders.append(path);
    }
    QStringList copied;
    const auto failed = [&](PreparationFailure::Step step, const FileFailure& file) {
        for (const QString& path : copied) {
            QFile::remove(path);
        }
        for (const QString& made : madeFolders) {
            QDir().rmdir(made);
        }
        return PreparationFailure{step, file};
    };
    if (!QDir().mkpath(folder)) {
        return failed(PreparationFailure::Step::MakeFolder, systemFailure(folder, FileAccess::Write));
    }
    const QStringList names = QDir(defaults).entryList(settingsFilePatterns, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const QString path = target.filePath(name);
        if (QFileInfo::exists(path)) {
            continue;
        }
        QFile source(QDir(defaults).filePath(name));
        const QByteArray content = source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
        if (source.error() != QFileDevice::NoError) {
            return failed(PreparationFailure::Step::CopyFile,
                          systemFailure(source.fileName(), FileAccess::Read, source.error()));
        }
        // Each copy is whole or not there at all.
        if (const std::optional<FileFailure> failure = replaceFileContent(path, content)) {
            return failed(PreparationFailure::Step::CopyFile, *failure);
        }
        copied.append(path);
        // The shipped file may be read-only; the user's copy is theirs to change.
        QFile::setPermissions(path,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return std::nullopt;
}

} // namespace settings_location
