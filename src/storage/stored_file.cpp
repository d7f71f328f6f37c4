#include "storage/stored_file.h"

#include <QFile>
#include <QFileInfo>

std::variant<QByteArray, FileFailure> readStoredFile(const QString& path)
{
    using enum FileFailure::Cause;
    const QFileInfo info(path);
    if (!info.exists()) {
        return FileFailure{path, Missing};
    }
    if (!info.isFile()) {
        return FileFailure{path, NotRegularFile};
    }
    if (info.size() > maxStoredFileBytes) {
        return FileFailure{path, TooLarge};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return systemFailure(path, FileAccess::Read, file.error());
    }
    // The file may have grown since it was measured.
    QByteArray bytes = file.read(maxStoredFileBytes + 1);
    if (bytes.size() > maxStoredFileBytes) {
        return FileFailure{path, TooLarge};
    }
    return bytes;
}
