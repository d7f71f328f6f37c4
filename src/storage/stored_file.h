#pragma once

#include "core/file_failure.h"

#include <QByteArray>
#include <QString>
#include <variant>

// Far above any settings or alarm file the program writes, and small enough to read at
// once: a larger file is refused rather than read until memory runs out.
inline constexpr qint64 maxStoredFileBytes = 1 << 20;

// Reads a settings or alarm file whole: its bytes, or why it could not be read. Only a
// regular file (or a link to one) is read: a pipe or a device in its place could block
// start-up or never end.
std::variant<QByteArray, FileFailure> readStoredFile(const QString& path);
