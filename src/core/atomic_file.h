#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file's whole content through a temporary file and a rename, so that a
// failure at any point leaves the old file as it was. Returns an empty string on
// success, else the reason it failed.
QString replaceFileContent(const QString& path, const QByteArray& content);

// Deletes the temporary files that writes of `path` left beside it when the process was
// killed in the middle of one (named as the file plus a dot and six letters or digits).
// Only for a file that no running process is writing.
void removeLeftoverTemporaries(const QString& path);
