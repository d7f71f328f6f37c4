#include "core/atomic_file.h"

#include <QSaveFile>

QString replaceFileContent(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write shows in write() itself: QSaveFile does not notice
    // a buffer flush that fails and would commit a truncated file.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(content) == content.size() &&
        file.commit()) {
        return {};
    }
    const QString reason = file.errorString();
    return reason.isEmpty() ? QStringLiteral("Unknown error") : reason;
}
