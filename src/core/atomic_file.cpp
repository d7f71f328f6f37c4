#include "core/atomic_file.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

std::optional<FileFailure> replaceFileContent(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write shows in write() itself: QSaveFile does not notice
    // a buffer flush that fails and would commit a truncated file.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(content) == content.size() &&
        file.commit()) {
        return std::nullopt;
    }
    return systemFailure(path, FileAccess::Write, file.error());
}

void removeLeftoverTemporaries(const QString& path)
{
    const QFileInfo file(path);
    QDir folder = file.absoluteDir();
    const QRegularExpression temporary(u'^' + QRegularExpression::escape(file.fileName()) +
                                       QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    const QStringList candidates = folder.entryList({file.fileName() + QStringLiteral(".??????")},
                                                    QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : candidates) {
        if (temporary.match(name).hasMatch()) {
            folder.remove(name);
        }
    }
}
