#include "platform/autostart.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace autostart {

QString copySuffix(const QString& executablePath)
{
    const QByteArray path = QFileInfo(executablePath).absoluteFilePath().toUtf8();
    return u'-' +
           QString::fromLatin1(QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex().left(8));
}

} // namespace autostart
