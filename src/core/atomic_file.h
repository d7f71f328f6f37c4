#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file's whole content through a temporary file and a rename, so that a
// failure at any point leaves the old file as it was. Returns an empty string on
// success, else the reason it failed.
QString replaceFileContent(const QString& path, const QByteArray& content);
