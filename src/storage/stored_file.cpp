#include "storage/stored_file.h"

#include <QFile>
#include <QFileInfo>

StoredFileRead readStoredFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        return {std::nullopt, QStringLiteral("ファイルがありません。")};
    }
    if (!info.isFile()) {
        return {std::nullopt, QStringLiteral("通常のファイルではありません。")};
    }
    const QString tooLarge =
        QStringLiteral("ファイルが大きすぎます（上限 %1 バイト）。").arg(maxStoredFileBytes);
    if (info.size() > maxStoredFileBytes) {
        return {std::nullopt, tooLarge};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, file.errorString()};
    }
    // The file may have grown since it was measured.
    QByteArray bytes = file.read(maxStoredFileBytes + 1);
    if (bytes.size() > maxStoredFileBytes) {
        return {std::nullopt, tooLarge};
    }
    return {std::move(bytes), QString()};
}
