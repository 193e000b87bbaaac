#pragma once

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

// A web server on 127.0.0.1 that answers every request with the same bytes, or, given none,
// never answers.
class FeedServer : public QObject
{
public:
    explicit FeedServer(QByteArray response) : m_response(std::move(response))
    {
        connect(&m_server, &QTcpServer::newConnection, this, &FeedServer::accept);
        if (!m_server.listen(QHostAddress::LocalHost))
            qFatal("cannot listen on 127.0.0.1: %s", qPrintable(m_server.errorString()));
    }

    // An HTTP/1.1 response that closes the connection after the body.
    static QByteArray http(int status, const QByteArray &reason, const QByteArray &body, const QByteArray &headers = {})
    {
        return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\nContent-Length: "
            + QByteArray::number(body.size()) + "\r\nConnection: close\r\n" + headers + "\r\n" + body;
    }

    // A 200 answer with an appcast of one release, padded with trailing spaces.
    static QByteArray appcast(const QByteArray &version, const QByteArray &notes = {}, qsizetype padding = 0)
    {
        return http(200, "OK",
            "<rss xmlns:sparkle='http://www.andymatuschak.org/xml-namespaces/sparkle'><channel><item><description>"
                + notes + "</description><enclosure url='https://horavane.org/get' sparkle:version='" + version
                + "'/></item></channel></rss>" + QByteArray(padding, ' '));
    }

    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/appcast.xml").arg(m_server.serverPort())); }
    int requests() const { return m_requests; }
    void close() { m_server.close(); }   // later connections are refused

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                if (!socket->peek(socket->bytesAvailable()).contains("\r\n\r\n"))
                    return;   // headers still arriving
                socket->readAll();
                ++m_requests;
                if (!m_response.isEmpty() && socket->write(m_response))
                    socket->disconnectFromHost();
            });
        }
    }

    QTcpServer m_server;
    QByteArray m_response;
    int m_requests = 0;
};
