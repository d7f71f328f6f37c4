#pragma once

#include <QFileDevice>
#include <QString>

// Why a file could not be read or written: which file and the cause, for the windows to
// put into words. The system's own words never reach the user: they are in the system's
// language, or in English.
struct FileFailure
{
    enum class Cause
    {
        Missing,
        NotRegularFile, // a folder, a pipe or a device where a file should be
        TooLarge,
        NoPermission, // the user may not read or write it, or its folder
        ReadOnlyDisk, // it lies on a disk that is mounted read-only
        DiskFull,     // no room left for it on its disk
        CannotRead,   // the system could not read it, for another reason
        CannotWrite,  // the system could not write it, for another reason
    };

    QString path{};
    Cause cause = Cause::CannotWrite;

    friend bool operator==(const FileFailure&, const FileFailure&) = default;
};

enum class FileAccess
{
    Read,
    Write,
};

// Why the system refused to read or write `path` (a file, or a folder being made): Qt's
// error for it, told apart further by what the disk and the folders say now.
FileFailure systemFailure(const QString& path, FileAccess access,
                          QFileDevice::FileError error = QFileDevice::UnspecifiedError);
