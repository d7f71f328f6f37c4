#pragma once

#include "core/file_failure.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Replaces a file's whole content through a temporary file and a rename, so that a
// failure at any point leaves the old file as it was. Returns nothing on success, else
// why it failed.
std::optional<FileFailure> replaceFileContent(const QString& path, const QByteArray& content);

// Deletes the temporary files that writes of `path` left beside it when the process was
// killed in the middle of one (named as the file plus a dot and six letters or digits).
// Only for a file that no running process is writing.
void removeLeftoverTemporaries(const QString& path);
