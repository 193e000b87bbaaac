#include "SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

namespace {
const QByteArray activateRequest = QByteArrayLiteral("activate\n");
constexpr int answerTimeoutMs = 2000;
// A second start says what it wants at once. Connections that stay silent are dropped, and a
// new one pushes out the oldest beyond a few, so that nothing can use up the descriptors of a
// clock that runs all night, nor keep a second start from being heard.
constexpr int maxPeers = 4;
constexpr int idlePeerTimeoutMs = 3000;

// A folder only this user can enter: made if missing, and refused if it is anyone else's, a
// symbolic link, or open to others.
bool isPrivateFolder(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    ::mkdir(name.constData(), 0700);
    struct stat status
    {
    };
    return ::lstat(name.constData(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == ::getuid()
        && (status.st_mode & 077) == 0;
}

// The runtime folder is private to the user and the session. Without XDG_RUNTIME_DIR, Qt
// offers /tmp/runtime-<user>, and nothing when that is taken by another user; a folder of
// our own under /tmp then serves instead. Empty when there is no private place at all.
QString socketPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath() + u"/horavane-" + QString::number(::getuid());
    return isPrivateFolder(folder) ? folder + u"/horavane.socket" : QString();
}
} // namespace

SingleInstance::SingleInstance(QObject *parent)
    : QObject(parent)
    , m_socketPath(socketPath())
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptPeers);
}

bool SingleInstance::activateRunning() const
{
    if (m_socketPath.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(answerTimeoutMs))
        return false;
    socket.write(activateRequest);
    return socket.waitForBytesWritten(answerTimeoutMs);
}

bool SingleInstance::listen()
{
    if (m_socketPath.isEmpty()) {
        qWarning("horavane: no private folder for the instance socket (XDG_RUNTIME_DIR is unset and "
                 "%s is not ours); a second start will not find this one",
            qPrintable(QDir::tempPath()));
        return false;
    }
    if (m_server.listen(m_socketPath))
        return true;
    // Nobody answered on it a moment ago, so the socket is a leftover of a crash.
    QLocalServer::removeServer(m_socketPath);
    if (m_server.listen(m_socketPath))
        return true;
    qWarning("horavane: cannot watch for a second start at %s: %s", qPrintable(m_socketPath),
        qPrintable(m_server.errorString()));
    return false;
}

void SingleInstance::acceptPeers()
{
    while (QLocalSocket *peer = m_server.nextPendingConnection()) {
        if (m_peers.size() >= maxPeers)
            drop(*m_peers.front());
        m_peers.push_back(peer);
        connect(peer, &QObject::destroyed, this, [this, peer] { std::erase(m_peers, peer); });
        connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        connect(peer, &QLocalSocket::readyRead, this, &SingleInstance::readRequest);
        peer->setReadBufferSize(activateRequest.size());
        QTimer::singleShot(idlePeerTimeoutMs, peer, [this, peer] { drop(*peer); });
    }
}

void SingleInstance::drop(QLocalSocket &peer)
{
    std::erase(m_peers, &peer);
    peer.abort();
    peer.deleteLater();
}

void SingleInstance::readRequest()
{
    auto *peer = qobject_cast<QLocalSocket *>(sender());
    if (!peer || !peer->canReadLine())
        return;
    if (peer->readLine(activateRequest.size() + 1) == activateRequest)
        Q_EMIT activationRequested();
    peer->disconnectFromServer();
}
