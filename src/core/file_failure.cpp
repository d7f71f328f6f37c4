#include "core/file_failure.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

// The nearest folder that exists on the way up from `path`'s own folder: where a file or
// a folder being made would go.
QString existingFolderOf(const QString& path)
{
    QDir folder = QFileInfo(path).absoluteDir();
    while (!folder.exists() && !folder.isRoot()) {
        folder.setPath(QFileInfo(folder.absolutePath()).absolutePath());
    }
    return folder.absolutePath();
}

} // namespace

FileFailure systemFailure(const QString& path, FileAccess access, QFileDevice::FileError error)
{
    using enum FileFailure::Cause;
    const QFileInfo file(path);
    if (access == FileAccess::Read) {
        return {path, file.exists() && !file.isReadable() ? NoPermission : CannotRead};
    }
    // Qt reports a write that found no room on the disk as a lack of resources.
    if (error == QFileDevice::ResourceError) {
        return {path, DiskFull};
    }
    const QString folder = existingFolderOf(path);
    const QStorageInfo disk(folder);
    if (disk.isValid() && disk.isReadOnly()) {
        return {path, ReadOnlyDisk};
    }
    if (disk.isValid() && disk.bytesAvailable() == 0) {
        return {path, DiskFull};
    }
    if (!QFileInfo(folder).isWritable() || (file.exists() && !file.isWritable())) {
        return {path, NoPermission};
    }
    return {path, CannotWrite};
}
