#pragma once

#include <QLocalServer>
#include <QObject>

#include <vector>

class QLocalSocket;

// One Horavane per user and session. The first start listens on a local socket in the user's
// runtime folder; a later start finds it there, asks it to come forward and ends.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(QObject *parent = nullptr);

    // Asks a running Horavane to bring its windows forward. True when one answered; this
    // process should then end.
    bool activateRunning() const;

    // Becomes the running one. A socket left behind by a Horavane that crashed is replaced.
    // False (with a warning) when the socket cannot be made: Horavane then runs on its own.
    // Connections beyond a few, or that stay silent for seconds, are dropped.
    bool listen();

Q_SIGNALS:
    void activationRequested();

private:
    void acceptPeers();
    void readRequest();
    void drop(QLocalSocket &peer);

    const QString m_socketPath; // empty when there is no private folder to put it in
    QLocalServer m_server;
    std::vector<QLocalSocket *> m_peers; // oldest first
};
