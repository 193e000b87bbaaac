#include "SingleInstance.h"

#include <QLocalSocket>
#include <QStandardPaths>

namespace {
const QByteArray activateRequest = QByteArrayLiteral("activate\n");
constexpr int answerTimeoutMs = 2000;

QString socketPath()
{
    // The runtime folder is private to the user and the session; Qt falls back to a private
    // folder under /tmp when XDG_RUNTIME_DIR is unset.
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + u"/horavane.socket";
}
} // namespace

SingleInstance::SingleInstance(QObject *parent)
    : QObject(parent)
    , m_socketPath(socketPath())
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *peer = m_server.nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            connect(peer, &QLocalSocket::readyRead, this, &SingleInstance::readRequest);
        }
    });
}

bool SingleInstance::activateRunning() const
{
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(answerTimeoutMs))
        return false;
    socket.write(activateRequest);
    return socket.waitForBytesWritten(answerTimeoutMs);
}

bool SingleInstance::listen()
{
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

void SingleInstance::readRequest()
{
    auto *peer = qobject_cast<QLocalSocket *>(sender());
    if (!peer || !peer->canReadLine())
        return;
    if (peer->readLine(activateRequest.size() + 1) == activateRequest)
        Q_EMIT activationRequested();
    peer->disconnectFromServer();
}
