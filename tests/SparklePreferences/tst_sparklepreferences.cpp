#include <FakeClock.h>
#include <SparklePreferences/Appcast.h>
#include <SparklePreferences/SparklePreferences.h>
#include <SparklePreferences/UpdateCheck.h>
#include <SparklePreferences/Version.h>

#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using namespace SparklePreferences;
using Pane = SparklePreferences::SparklePreferences;
using Releases = std::optional<QList<Release>>;
Q_DECLARE_METATYPE(Releases)

namespace {

// A web server on 127.0.0.1 that answers every request with the same bytes, or, given none,
// never answers.
class FeedServer : public QObject
{
public:
    explicit FeedServer(const QByteArray &response)
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this, response] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket, response] {
                    if (!socket->peek(socket->bytesAvailable()).contains("\r\n\r\n"))
                        return;   // headers still arriving
                    socket->readAll();
                    ++requests;
                    if (!response.isEmpty() && socket->write(response))
                        socket->disconnectFromHost();
                });
            }
        });
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
    }

    QUrl url() const { return QUrl(u"http://127.0.0.1:%1/appcast.xml"_s.arg(m_server.serverPort())); }
    QTcpServer m_server;
    int requests = 0;
};

// An HTTP/1.1 response that closes the connection after the body.
QByteArray http(int status, const QByteArray &reason, const QByteArray &body, const QByteArray &headers = {})
{
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\nContent-Length: "
        + QByteArray::number(body.size()) + "\r\nConnection: close\r\n" + headers + "\r\n" + body;
}

QByteArray feed(const QByteArray &items, const QByteArray &ns = "http://www.andymatuschak.org/xml-namespaces/sparkle")
{
    return "<rss version='2.0' xmlns:sparkle='" + ns + "'><channel><title>Horavane</title>" + items + "</channel></rss>";
}

QByteArray item(const QByteArray &version)
{
    return "<item><description><![CDATA[<p>Faster <b>dials</b></p>]]></description>"
           "<enclosure url='https://horavane.org/get' sparkle:version='" + version + "'/></item>";
}

// A 200 answer with a feed of one release, padded with trailing spaces.
QByteArray appcast(const QByteArray &version, qsizetype padding = 0) { return http(200, "OK", feed(item(version)) + QByteArray(padding, ' ')); }

// Where the check goes: the feed server, refusing connections, never answering, or the row's address.
enum class Server { Answers, Closed, Silent, Elsewhere };

const std::chrono::system_clock::time_point start(std::chrono::seconds(1'733'600'000));

template<typename T>
T &control(Pane &pane, const QString &name) { return *pane.view()->findChild<T *>(name); }

} // namespace

class TestSparklePreferences : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QCoreApplication::setApplicationName(u"Horavane"_s); }
    void init() { QSettings(AppUtils::DefaultSettings().fileName(), QSettings::IniFormat).remove(u"SoftwareUpdate"_s); }

    // Only https links are kept, the enclosure's first; items without a version are left out.
    void parse_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<Releases>("expected");   // nullopt: unreadable
        QTest::newRow("everything") << feed("<item><title>Horavane 1.1</title><link>https://horavane.org/news</link>"
            "<sparkle:releaseNotesLink>https://horavane.org/notes.html</sparkle:releaseNotesLink>"
            "<description><![CDATA[<li>Faster &amp; smaller</li>]]></description><enclosure url='https://horavane.org/x.tar.gz'"
            " sparkle:version='110' sparkle:shortVersionString='1.1'/></item>")
            << Releases({{u"110"_s, u"1.1"_s, u"Horavane 1.1"_s, u"<li>Faster &amp; smaller</li>"_s,
                          QUrl(u"https://horavane.org/notes.html"_s), QUrl(u"https://horavane.org/x.tar.gz"_s)}});
        QTest::newRow("enclosure version wins") << feed("<item/><item><sparkle:version>1</sparkle:version><sparkle:"
            "shortVersionString>one</sparkle:shortVersionString><enclosure sparkle:version='2'/></item>")
            << Releases({{u"2"_s, u"one"_s, {}, {}, {}, {}}});
        QTest::newRow("unsafe links dropped") << feed("<item><link>javascript:alert(1)</link><sparkle:releaseNotesLink>"
            "http://horavane.org/notes</sparkle:releaseNotesLink><enclosure url='/x.tar.gz' sparkle:version='3'/></item>")
            << Releases({{u"3"_s, {}, {}, {}, {}, {}}});
        QTest::newRow("http enclosure, link instead, other prefix") << feed("<item><link>https://horavane.org/</link><s:version"
            " xmlns:s='http://www.andymatuschak.org/xml-namespaces/sparkle'> 4 </s:version><enclosure url='http://horavane.org/x'/>"
            "</item>") << Releases({{u"4"_s, {}, {}, {}, {}, QUrl(u"https://horavane.org/"_s)}});
        QTest::newRow("wrong namespace") << feed(item("2.0"), "http://example.com/other") << Releases(QList<Release>());
        QTest::newRow("not RSS") << QByteArray("<html><body>Bad Gateway</body></html>") << Releases();
        QTest::newRow("garbage after root") << feed(item("1.1.0")) + "<rss/>" << Releases();
    }

    void parse()
    {
        QFETCH(QByteArray, xml);
        QFETCH(Releases, expected);
        QCOMPARE(parseAppcast(xml), expected);
    }

    void compare_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("expected");   // sign of a - b
        QTest::newRow("numbers, not text") << u"1.10.0"_s << u"1.9.3"_s << 1;
        QTest::newRow("missing part is zero") << u"1.0"_s << u"1.0.0"_s << 0;
        QTest::newRow("beyond 64 bits") << u"18446744073709551617"_s << u"18446744073709551616"_s << 1;
        QTest::newRow("pre-release first") << u"2.0b1"_s << u"2.0"_s << -1;
        QTest::newRow("release candidate after beta") << u"2.0rc1"_s << u"2.0b2"_s << 1;
        QTest::newRow("case, separators, leading v") << u"v1.0-Beta_2"_s << u"1.0 beta.2"_s << 0;
    }

    void compare()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, expected);
        const auto sign = [](std::weak_ordering o) { return o < 0 ? -1 : o > 0 ? 1 : 0; };
        QCOMPARE(sign(compareVersions(a, b)), expected);
        QCOMPARE(sign(compareVersions(b, a)), -expected);   // the order must not depend on the side
    }

    // AutomaticChecks, Interval and LastCheck as a person may have typed them into the settings file.
    void isDue_data()
    {
        QTest::addColumn<QString>("values");
        QTest::addColumn<bool>("due");
        const auto ago = [](qint64 hours) { return QString::number(1'733'600'000 - hours * 3600); };
        QTest::newRow("off, long ago") << u"false daily "_s + ago(9999) << false;
        QTest::newRow("daily, 23 h ago") << u"true daily "_s + ago(23) << false;
        QTest::newRow("daily, 24 h ago") << u"true daily "_s + ago(24) << true;
        QTest::newRow("unknown interval is daily") << u"true hourly "_s + ago(48) << true;
        QTest::newRow("last check in the future") << u"true weekly "_s + ago(-1) << true;
        QTest::newRow("last check beyond the clock") << u"true weekly 9223372036854775807"_s << true;
    }

    void isDue()
    {
        QFETCH(QString, values);
        QFETCH(bool, due);
        QSettings file(AppUtils::DefaultSettings().fileName(), QSettings::IniFormat);
        const QStringList keys{u"AutomaticChecks"_s, u"Interval"_s, u"LastCheck"_s}, value = values.split(u' ');
        for (qsizetype i = 0; i < keys.size(); ++i)
            file.setValue(u"SoftwareUpdate/"_s + keys.at(i), value.at(i));
        file.sync();
        QCOMPARE(UpdateSettings().isDue(start), due);
    }

    // A check asked for always speaks; an automatic one at start-up only when there is
    // something to get. Either way the feed is fetched once, and the pane fits on a screen.
    void check_data()
    {
        QTest::addColumn<Server>("server");
        QTest::addColumn<QByteArray>("response");   // for Elsewhere: the address
        QTest::addColumn<bool>("automatic");        // else asked for with the button
        QTest::addColumn<QString>("running");
        QTest::addColumn<QMessageBox::Icon>("window");   // NoIcon: no message window; Information: newer, notes shown
        QTest::addColumn<QString>("message");            // how the result line starts
        const auto row = [](const char *name, Server server, const QByteArray &response, bool automatic,
                            QMessageBox::Icon window, const QString &message, const QString &running = u"1.0.0"_s) {
            QTest::newRow(name) << server << response << automatic << running << window << message;
        };
        const auto none = QMessageBox::NoIcon, info = QMessageBox::Information;
        const QString unreachable = u"Could not reach the update server: "_s, unreadable = u"The update feed could not be read."_s;
        row("newer, 20 000-character versions", Server::Answers, appcast("1.1." + QByteArray(20'000, '1')), false, info,
            u"Horavane 1.1.111"_s, u"1.0."_s + QString(20'000, u'0'));   // a build made by hand
        row("500", Server::Answers, http(500, "Error", {}), false, QMessageBox::Warning,
            unreachable + u"the server answered 500 Error."_s);
        row("automatic, newest in the middle", Server::Answers, http(200, "OK", feed(item("1.9.3") + item("1.10") + item("1.2"))),
            true, info, u"Horavane 1.10 is available; you have 1.0.0"_s);
        row("up to date", Server::Answers, appcast("1.0"), true, none, u"Horavane 1.0.0 is up to date."_s);
        row("unreadable", Server::Answers, http(200, "OK", "<rss><item>"), true, none, unreadable);
        row("feed too large", Server::Answers, appcast("9.0", UpdateCheck::maxFeedBytes), true, none, unreadable);
        row("redirect to https", Server::Answers, http(307, "Temporary Redirect", {}, "Location: https://127.0.0.1/a\r\n"),
            true, none, unreachable + u"the server sent the request on to https:"_s);
        row("connection refused", Server::Closed, {}, true, none, unreachable + u"Connection refused"_s);
        row("no answer", Server::Silent, {}, true, none, u"The update server did not answer in time."_s);
        row("plain http elsewhere", Server::Elsewhere, "http://localhost.horavane.org/a", true, none,
            unreachable + u"http://localhost.horavane.org/a is not a secure (https) address."_s);
    }

    void check()
    {
        QFETCH(Server, server);
        QFETCH(QByteArray, response);
        QFETCH(bool, automatic);
        QFETCH(QString, running);
        QFETCH(QMessageBox::Icon, window);
        QFETCH(QString, message);

        UpdateSettings().setAutomatic(automatic);
        FeedServer feed(server == Server::Elsewhere ? QByteArray() : response);
        if (server == Server::Closed)
            feed.m_server.close();
        FakeClock clock(start);
        Pane pane(server == Server::Elsewhere ? QUrl::fromEncoded(response) : feed.url(), running, clock);
        pane.updateCheck().setTimeout(server == Server::Silent ? 100ms : 30s);   // only the silent server runs out of time
        QSignalSpy finished(&pane, &Pane::checkFinished);
        auto &checkNow = control<QPushButton>(pane, u"checkNow"_s);
        clock.advance(5min);   // the time of the check, not of the pane's creation, is recorded
        automatic ? pane.checkIfDue() : QTest::mouseClick(&checkNow, Qt::LeftButton);
        QVERIFY(!checkNow.isEnabled());
        pane.updateCheck().start();   // a second start while one runs is ignored
        QVERIFY(finished.wait(60'000));
        QVERIFY(checkNow.isEnabled());
        QCOMPARE(feed.requests, server == Server::Closed || server == Server::Elsewhere ? 0 : 1);

        const QString result = control<QLabel>(pane, u"result"_s).text();
        QVERIFY2(result.startsWith(message), qPrintable(result.left(200)));
        const bool newer = window == QMessageBox::Information;
        QCOMPARE(control<QPlainTextEdit>(pane, u"notes"_s).toPlainText(), newer ? u"Faster dials"_s : QString());
        QCOMPARE(control<QPushButton>(pane, u"download"_s).isVisibleTo(pane.view()), newer);
        QCOMPARE(pane.messageWindow() ? pane.messageWindow()->icon() : QMessageBox::NoIcon, window);
        const bool recorded = message.startsWith(u"Horavane"_s);   // only an answer from the feed counts
        QVERIFY(UpdateSettings().lastCheck() == (recorded ? std::optional(start + 5min) : std::nullopt));
        QCOMPARE(control<QLabel>(pane, u"lastChecked"_s).text() == u"Last checked: Never"_s, !recorded);
        QCOMPARE(control<QLabel>(pane, u"version"_s).toolTip(), running);
        QVERIFY(pane.view()->sizeHint().width() < 800);   // no window wider than a screen
        QVERIFY(!pane.messageWindow() || pane.messageWindow()->sizeHint().width() < 800);
    }
};

QTEST_MAIN(TestSparklePreferences)
#include "tst_sparklepreferences.moc"
