#include <FakeClock.h>
#include <SparklePreferences/Appcast.h>
#include <SparklePreferences/SparklePreferences.h>
#include <SparklePreferences/UpdateCheck.h>
#include <SparklePreferences/Version.h>

#include <QCheckBox>
#include <QComboBox>
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
    explicit FeedServer(QByteArray response) : m_response(std::move(response))
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    if (!socket->peek(socket->bytesAvailable()).contains("\r\n\r\n"))
                        return;   // headers still arriving
                    socket->readAll();
                    ++requests;
                    if (!m_response.isEmpty() && socket->write(m_response))
                        socket->disconnectFromHost();
                });
            }
        });
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
    }

    QUrl url() const { return QUrl(u"http://127.0.0.1:%1/appcast.xml"_s.arg(m_server.serverPort())); }
    void close() { m_server.close(); }   // later connections are refused
    int requests = 0;

private:
    QTcpServer m_server;
    QByteArray m_response;
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
QByteArray appcast(const QByteArray &version, qsizetype padding = 0)
{
    return http(200, "OK", feed(item(version)) + QByteArray(padding, ' '));
}

QByteArray redirect(const QByteArray &to)
{
    return http(307, "Temporary Redirect", {}, "Location: " + to + "\r\n");
}

// Where the check goes: the feed server, the same refusing connections, the same never
// answering, a server that sends the check on to the feed server, or the address in the row.
enum class Server { Answers, Closed, Silent, Redirects, Elsewhere };

const std::chrono::system_clock::time_point start(std::chrono::seconds(1'733'600'000));

template<typename T>
T &control(Pane &pane, const QString &name)
{
    return *pane.view()->findChild<T *>(name);
}

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
        const QByteArray sparkleUri = "'http://www.andymatuschak.org/xml-namespaces/sparkle'";
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
        QTest::newRow("http enclosure, link instead, other prefix") << feed("<item><link>https://horavane.org/</link>"
            "<s:version xmlns:s=" + sparkleUri + "> 4 </s:version><enclosure url='http://horavane.org/x'/></item>")
            << Releases({{u"4"_s, {}, {}, {}, {}, QUrl(u"https://horavane.org/"_s)}});
        QTest::newRow("wrong namespace") << feed(item("2.0"), "http://example.com/other") << Releases(QList<Release>());
        QTest::newRow("not RSS") << QByteArray("<html><body>Bad Gateway</body></html>") << Releases();
        QTest::newRow("garbage after root") << feed(item("1.1.0")) + "<rss/>" << Releases();
        QTest::newRow("no channel") << QByteArray("<rss version=\"2.0\"/>") << Releases();
        QByteArray bomb = "<!DOCTYPE rss [<!ENTITY e0 'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa'>";
        for (char level = '1'; level <= '5'; ++level)
            bomb += "<!ENTITY e" + QByteArray(1, level) + " '" + QByteArray("&e" + QByteArray(1, char(level - 1)) + ';').repeated(16) + "'>";
        QTest::newRow("entity expansion bomb") << bomb + "]><rss><channel><item><description>&e5;</description></item>"
                                                         "</channel></rss>" << Releases();
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
        QTest::newRow("case and separators") << u"1.0-Beta_2"_s << u"1.0 beta.2"_s << 0;
        QTest::newRow("leading v") << u"v1.2"_s << u"1.2"_s << 0;
        QTest::newRow("empty is lowest") << u""_s << u"0.0.1"_s << -1;
        QTest::newRow("non-ASCII digits are a word, below a number") << u"\u0663"_s << u"2"_s << -1;
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

    // Values as a person may have typed them into the settings file.
    void isDue_data()
    {
        QTest::addColumn<QStringList>("values");   // AutomaticChecks, Interval, LastCheck
        QTest::addColumn<bool>("due");
        const auto row = [](const char *name, const char *on, const char *interval, const QString &last, bool due) {
            QTest::newRow(name) << QStringList{QString::fromLatin1(on), QString::fromLatin1(interval), last} << due;
        };
        const auto ago = [](qint64 hours) { return QString::number(1'733'600'000 - hours * 3600); };
        row("off, long ago", "false", "daily", ago(9999), false);
        row("daily, 23 h ago", "true", "daily", ago(23), false);
        row("daily, 24 h ago", "true", "daily", ago(24), true);
        row("monthly, 29 days ago", "true", "monthly", ago(29 * 24), false);
        row("unknown interval is daily", "true", "hourly", ago(48), true);
        row("last check in the future", "true", "weekly", ago(-1), true);
        row("last check not a number", "true", "weekly", u"yesterday"_s, true);
        row("last check beyond the clock", "true", "weekly", u"9223372036854775807"_s, true);
    }

    void isDue()
    {
        QFETCH(QStringList, values);
        QFETCH(bool, due);
        QSettings file(AppUtils::DefaultSettings().fileName(), QSettings::IniFormat);
        for (const QString &key : {u"AutomaticChecks"_s, u"Interval"_s, u"LastCheck"_s})
            file.setValue(u"SoftwareUpdate/"_s + key, values.takeFirst());
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
        QTest::addColumn<QMessageBox::Icon>("window");   // NoIcon: no message window
        QTest::addColumn<QString>("message");  // how the result line starts
        QTest::addColumn<bool>("newer");       // the notes shown as plain text, and the download button
        const auto row = [](const char *name, Server server, const QByteArray &response, bool automatic,
                            QMessageBox::Icon window, const QString &message, const QString &running = u"1.0.0"_s) {
            QTest::newRow(name) << server << response << automatic << running << window << message
                                << (window == QMessageBox::Information);
        };
        const auto none = QMessageBox::NoIcon, info = QMessageBox::Information;
        const QString unreachable = u"Could not reach the update server: "_s, unreadable = u"The update feed could not be read."_s,
                      insecure = u" is not a secure (https) address."_s, plain = u"http://horavane.org/appcast.xml"_s;
        row("newer, 20 000-character versions", Server::Answers, appcast("1.1." + QByteArray(20'000, '1')), false, info,
            u"Horavane 1.1.111"_s, u"1.0."_s + QString(20'000, u'0'));   // a build made by hand
        row("500", Server::Answers, http(500, "Error", {}), false, QMessageBox::Warning,
            unreachable + u"the server answered 500 Error."_s);
        row("automatic, newest in the middle", Server::Answers, http(200, "OK", feed(item("1.9.3") + item("1.10") + item("1.2"))),
            true, info, u"Horavane 1.10 is available; you have 1.0.0"_s);
        row("up to date", Server::Answers, appcast("1.0"), true, none, u"Horavane 1.0.0 is up to date."_s);
        row("unreadable", Server::Answers, http(200, "OK", "<rss><item>"), true, none, unreadable);
        row("feed too large", Server::Answers, appcast("9.0", UpdateCheck::maxFeedBytes), true, none, unreadable);
        row("redirect to https", Server::Answers, redirect("https://127.0.0.1/appcast.xml"), true, none,
            unreachable + u"the server sent the request on to https:"_s);
        row("redirect on this machine", Server::Redirects, appcast("2.0"), true, info, u"Horavane 2.0 is"_s);
        row("connection refused", Server::Closed, {}, true, none, unreachable + u"Connection refused"_s);
        row("no answer", Server::Silent, {}, true, none, u"The update server did not answer in time."_s);
        row("plain http elsewhere", Server::Elsewhere, plain.toLatin1(), true, none, unreachable + plain + insecure);
        row("localhost lookalike", Server::Elsewhere, "http://localhost.horavane.org/a", true, none,
            unreachable + u"http://localhost.horavane.org/a"_s + insecure);
    }

    void check()
    {
        QFETCH(Server, server);
        QFETCH(QByteArray, response);
        QFETCH(bool, automatic);
        QFETCH(QString, running);
        QFETCH(QMessageBox::Icon, window);
        QFETCH(QString, message);
        QFETCH(bool, newer);

        UpdateSettings().setAutomatic(automatic);
        FeedServer feed(server == Server::Elsewhere ? QByteArray() : response);
        FeedServer sender(redirect(feed.url().toEncoded()));
        if (server == Server::Closed)
            feed.close();
        const QUrl url = server == Server::Redirects ? sender.url()
            : server == Server::Elsewhere            ? QUrl::fromEncoded(response) : feed.url();
        FakeClock clock(start);
        Pane pane(url, running, clock);
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

    // Turning automatic checks on starts one at once, as none was made yet.
    void controlsStoreChoices()
    {
        FeedServer feed(appcast("1.0.0"));
        FakeClock clock(start);
        auto pane = std::make_unique<Pane>(feed.url(), u"1.0.0"_s, clock);
        auto &interval = control<QComboBox>(*pane, u"checkInterval"_s);
        QVERIFY(!interval.isEnabled());
        control<QCheckBox>(*pane, u"automaticChecks"_s).click();
        QVERIFY(interval.isEnabled() && pane->updateCheck().isRunning());
        QTest::keyClick(&interval, Qt::Key_Down);
        pane.reset();
        pane = std::make_unique<Pane>(feed.url(), u"1.0.0"_s, clock);
        QVERIFY(control<QCheckBox>(*pane, u"automaticChecks"_s).isChecked());
        QCOMPARE(control<QComboBox>(*pane, u"checkInterval"_s).currentText(), u"Weekly"_s);
    }
};

QTEST_MAIN(TestSparklePreferences)
#include "tst_sparklepreferences.moc"
