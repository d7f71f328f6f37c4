#include "platform/single_instance.h"

#include "platform/this_system.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

struct Names
{
    QString socket; // a path, or a pipe name on Windows
    QString lock;
};

Names namesFor(const QString& settingsFolder)
{
    const QString runtime = this_system::userRuntimeFolder();
    const QFileInfo folder(settingsFolder);
    const QString canonical =
        folder.canonicalFilePath().isEmpty() ? folder.absoluteFilePath() : folder.canonicalFilePath();
    const QByteArray hash =
        QCryptographicHash::hash((runtime + u'\n' + canonical).toUtf8(), QCryptographicHash::Sha256);
    const QString key = QStringLiteral("nekotokei-") + QString::fromLatin1(hash.toHex().left(16));
    return {this_system::localServerName(runtime, key),
            QDir(runtime).filePath(key + QStringLiteral(".lock"))};
}

} // namespace

SingleInstance::SingleInstance(const QString& settingsFolder)
    : socketPath_(namesFor(settingsFolder).socket), lock_(namesFor(settingsFolder).lock)
{
    // The lock is held for as long as the clock runs: only a dead owner makes it stale.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim()
{
    if (!lock_.tryLock(0)) {
        if (lock_.error() != QLockFile::LockFailedError) {
            return true;
        }
        // The running clock may still be starting: give it a moment to listen.
        for (int attempt = 0; attempt < 20; ++attempt) {
            QLocalSocket socket;
            socket.connectToServer(socketPath_);
            if (socket.waitForConnected(100)) {
                socket.write("forward\n");
                socket.waitForBytesWritten(1000);
                socket.disconnectFromServer();
                break;
            }
            lock_.tryLock(100);
            if (lock_.isLocked()) {
                break; // its owner ended meanwhile
            }
        }
        if (!lock_.isLocked()) {
            return false;
        }
    }
    // A socket left by a clock that was killed would refuse the listen.
    QLocalServer::removeServer(socketPath_);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            socket->disconnectFromServer();
            emit comeForwardRequested();
        }
    });
    server_->listen(socketPath_);
    return true;
}
