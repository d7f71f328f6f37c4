#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Far above any settings or alarm file the program writes, and small enough to read at
// once: a larger file is refused rather than read until memory runs out.
inline constexpr qint64 maxStoredFileBytes = 1 << 20;

struct StoredFileRead
{
    std::optional<QByteArray> bytes;
    QString error; // why the file could not be read, when bytes is empty
};

// Reads a settings or alarm file whole. Only a regular file (or a link to one) is read:
// a pipe or a device in its place could block start-up or never end.
StoredFileRead readStoredFile(const QString& path);
