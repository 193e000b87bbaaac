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

Q_DECLARE_METATYPE(Release)

namespace {

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

    QUrl url() const { return QUrl(u"http://127.0.0.1:%1/appcast.xml"_s.arg(m_server.serverPort())); }
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

// An HTTP/1.1 response that closes the connection after the body.
QByteArray http(int status, const QByteArray &reason, const QByteArray &body, const QByteArray &headers = {})
{
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\nContent-Length: "
        + QByteArray::number(body.size()) + "\r\nConnection: close\r\n" + headers + "\r\n" + body;
}

QByteArray feed(const QByteArray &items, const QByteArray &ns = "http://www.andymatuschak.org/xml-namespaces/sparkle")
{
    return "<?xml version='1.0' encoding='utf-8'?><rss version='2.0' xmlns:sparkle='" + ns
        + "'><channel><title>Horavane</title>" + items + "</channel></rss>";
}

QByteArray item(const QByteArray &version, const QByteArray &notes = {})
{
    return "<item><description>" + notes + "</description><enclosure url='https://horavane.org/get' sparkle:version='"
        + version + "'/></item>";
}

// A 200 answer with a feed of one release, its notes in HTML, padded with trailing spaces.
QByteArray appcast(const QByteArray &version, qsizetype padding = 0)
{
    return http(200, "OK", feed(item(version, "<![CDATA[<p>Faster <b>dials</b></p>]]>")) + QByteArray(padding, ' '));
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

    void parse_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("found");   // the versions in feed order, "> newest"; or "unreadable"

        QTest::newRow("newest in the middle") << feed(item("1.9.3") + item("1.10.0") + item("1.2"))
                                              << u"1.9.3 1.10.0 1.2 > 1.10.0"_s;
        QTest::newRow("item without version left out") << feed("<item/>" + item("1.0.1")) << u"1.0.1 > 1.0.1"_s;
        QTest::newRow("wrong namespace") << feed(item("2.0"), "http://example.com/other") << u" > "_s;
        QTest::newRow("namespace under another prefix")
            << QByteArray("<rss xmlns:s='http://www.andymatuschak.org/xml-namespaces/sparkle'><channel>"
                          "<item><s:version>2.0</s:version></item></channel></rss>") << u"2.0 > 2.0"_s;
        QTest::newRow("not XML") << QByteArray("<html><body>Bad Gateway") << u"unreadable"_s;
        QTest::newRow("garbage after root") << feed(item("1.1.0")) + "<rss/>" << u"unreadable"_s;
        QTest::newRow("no channel") << QByteArray("<rss version=\"2.0\"/>") << u"unreadable"_s;
        QByteArray bomb = "<!DOCTYPE rss [<!ENTITY e0 'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa'>";
        for (char level = '1'; level <= '5'; ++level)
            bomb += "<!ENTITY e" + QByteArray(1, level) + " '"
                + QByteArray("&e").append(char(level - 1)).append(';').repeated(16) + "'>";
        QTest::newRow("entity expansion bomb") << bomb + "]><rss><channel><item><description>&e5;</description>"
                                                         "</item></channel></rss>" << u"unreadable"_s;
    }

    void parse()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, found);
        const std::optional<QList<Release>> releases = parseAppcast(xml);
        QString described = u"unreadable"_s;
        if (releases) {
            QStringList versions;
            for (const Release &release : *releases)
                versions.append(release.version);
            const std::optional<Release> newest = newestRelease(*releases);
            described = versions.join(u' ') + u" > "_s + (newest ? newest->version : QString());
        }
        QCOMPARE(described, found);
    }

    void fields_data()
    {
        QTest::addColumn<QByteArray>("xml");   // one <item>
        QTest::addColumn<Release>("expected");

        QTest::newRow("everything")
            << QByteArray("<item><title>Horavane 1.1</title><link>https://horavane.org/news/1.1</link>"
                          "<sparkle:releaseNotesLink>https://horavane.org/notes/1.1.html</sparkle:releaseNotesLink>"
                          "<description><![CDATA[<ul><li>Faster &amp; smaller</li></ul>]]></description>"
                          "<enclosure url='https://horavane.org/get/horavane-1.1.tar.gz' length='1'"
                          " sparkle:version='110' sparkle:shortVersionString='1.1'/></item>")
            << Release{u"110"_s, u"1.1"_s, u"Horavane 1.1"_s, u"<ul><li>Faster &amp; smaller</li></ul>"_s,
                   QUrl(u"https://horavane.org/notes/1.1.html"_s),
                   QUrl(u"https://horavane.org/get/horavane-1.1.tar.gz"_s)};
        QTest::newRow("enclosure version wins")
            << QByteArray("<item><sparkle:version>1</sparkle:version><sparkle:shortVersionString>one"
                          "</sparkle:shortVersionString><enclosure sparkle:version='2'/></item>")
            << Release{u"2"_s, u"one"_s, {}, {}, {}, {}};
        QTest::newRow("unsafe links dropped") << QByteArray("<item><link>javascript:alert(1)</link>"
                          "<sparkle:releaseNotesLink>http://horavane.org/notes</sparkle:releaseNotesLink>"
                          "<enclosure url='/relative.tar.gz' sparkle:version='3'/></item>")
            << Release{u"3"_s, {}, {}, {}, {}, {}};
        QTest::newRow("plain http enclosure falls back to link")
            << QByteArray("<item><link>https://horavane.org/</link><sparkle:version> 4 </sparkle:version>"
                          "<enclosure url='http://horavane.org/x'/></item>")
            << Release{u"4"_s, {}, {}, {}, {}, QUrl(u"https://horavane.org/"_s)};
    }

    void fields()
    {
        QFETCH(QByteArray, xml);
        QFETCH(Release, expected);
        QCOMPARE(parseAppcast(feed(xml)).value_or(QList<Release>()), QList<Release>{expected});
    }

    void compare_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("expected");   // sign of a - b

        QTest::newRow("numbers, not text") << u"1.10.0"_s << u"1.9.3"_s << 1;
        QTest::newRow("missing part is zero") << u"1.0"_s << u"1.0.0"_s << 0;
        QTest::newRow("leading zeros") << u"01.002"_s << u"1.2"_s << 0;
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

    // How the network fails, as the message names it; the pane's rows below reach the feed.
    void check_data()
    {
        QTest::addColumn<Server>("server");
        QTest::addColumn<QByteArray>("response");   // for Elsewhere: the address
        QTest::addColumn<QString>("message");       // how the message starts

        const QString unreachable = u"Could not reach the update server: "_s;
        const QString insecure = u" is not a secure (https) address."_s;
        QTest::newRow("feed too large") << Server::Answers << appcast("9.0", UpdateCheck::maxFeedBytes)
                                        << u"The update feed could not be read."_s;
        QTest::newRow("redirect to https") << Server::Answers << redirect("https://127.0.0.1/appcast.xml")
                                           << unreachable + u"the server sent the request on to https:"_s;
        QTest::newRow("redirect on this machine") << Server::Redirects << appcast("2.0") << u"Horavane 2.0 is"_s;
        QTest::newRow("connection refused") << Server::Closed << QByteArray() << unreachable + u"Connection refused"_s;
        QTest::newRow("no answer") << Server::Silent << QByteArray() << u"The update server did not answer in time."_s;
        QTest::newRow("plain http elsewhere") << Server::Elsewhere << QByteArray("http://horavane.org/appcast.xml")
                                              << unreachable + u"http://horavane.org/appcast.xml"_s + insecure;
        QTest::newRow("localhost lookalike") << Server::Elsewhere << QByteArray("http://localhost.horavane.org/a")
                                             << unreachable + u"http://localhost.horavane.org/a"_s + insecure;
        QTest::newRow("no host") << Server::Elsewhere << QByteArray("https:///appcast.xml") << unreachable;
    }

    // A second start while a check runs is ignored: one request, one result.
    void check()
    {
        QFETCH(Server, server);
        QFETCH(QByteArray, response);
        QFETCH(QString, message);
        FeedServer feed(server == Server::Elsewhere ? QByteArray() : response);
        FeedServer sender(redirect(feed.url().toEncoded()));
        if (server == Server::Closed)
            feed.close();
        const QUrl url = server == Server::Redirects ? sender.url()
            : server == Server::Elsewhere            ? QUrl::fromEncoded(response) : feed.url();
        UpdateCheck check(url, u"1.0.0"_s);
        check.setTimeout(server == Server::Silent ? 100ms : 30s);   // only the silent server runs out of time
        QSignalSpy finished(&check, &UpdateCheck::finished);
        check.start();
        check.start();
        QVERIFY(finished.wait(60'000));
        QVERIFY(!check.isRunning());
        QCOMPARE(finished.size(), 1);
        QVERIFY(feed.requests() <= 1);
        const auto result = finished.first().first().value<UpdateResult>();
        QVERIFY2(result.message().startsWith(message), qPrintable(result.message()));
    }

    // Values as a person may have typed them into the settings file; an empty text is no entry.
    void isDue_data()
    {
        QTest::addColumn<QStringList>("values");   // AutomaticChecks, Interval, LastCheck
        QTest::addColumn<bool>("due");

        const auto ago = [](qint64 hours) { return QString::number(1'733'600'000 - hours * 3600); };
        QTest::newRow("off, long ago") << QStringList{u"false"_s, u"daily"_s, ago(9999)} << false;
        QTest::newRow("daily, 23 h ago") << QStringList{u"true"_s, u"daily"_s, ago(23)} << false;
        QTest::newRow("daily, 24 h ago") << QStringList{u"true"_s, u"daily"_s, ago(24)} << true;
        QTest::newRow("monthly, 29 days ago") << QStringList{u"true"_s, u"monthly"_s, ago(29 * 24)} << false;
        QTest::newRow("unknown interval is daily") << QStringList{u"true"_s, u"hourly"_s, ago(48)} << true;
        QTest::newRow("last check in the future") << QStringList{u"true"_s, u"weekly"_s, ago(-1)} << true;
        QTest::newRow("last check not a number") << QStringList{u"true"_s, u"weekly"_s, u"yesterday"_s} << true;
        QTest::newRow("last check beyond the clock")
            << QStringList{u"true"_s, u"weekly"_s, u"9223372036854775807"_s} << true;
    }

    void isDue()
    {
        QFETCH(QStringList, values);
        QFETCH(bool, due);
        {
            QSettings file(AppUtils::DefaultSettings().fileName(), QSettings::IniFormat);
            const QStringList keys{u"AutomaticChecks"_s, u"Interval"_s, u"LastCheck"_s};
            for (qsizetype i = 0; i < keys.size(); ++i) {
                if (!values.at(i).isEmpty())
                    file.setValue(u"SoftwareUpdate/"_s + keys.at(i), values.at(i));
            }
        }
        QCOMPARE(UpdateSettings().isDue(start), due);
    }

    // A check asked for always speaks; an automatic one at start-up only when there is
    // something to get. Either way the feed is fetched once, and the pane fits on a screen.
    void paneCheck_data()
    {
        QTest::addColumn<bool>("automatic");   // turned on, and started before any click
        QTest::addColumn<bool>("asked");       // by the user
        QTest::addColumn<QString>("running");
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<QMessageBox::Icon>("window");   // NoIcon: no message window
        QTest::addColumn<QString>("message");  // how the result line starts
        QTest::addColumn<bool>("newer");       // the notes shown as plain text, and the download button

        const auto none = QMessageBox::NoIcon;
        const auto info = QMessageBox::Information;
        const QString v = u"1.0.0"_s, uptodate = u"Horavane 1.0.0 is up to date."_s;
        const QString longVersion = u"1.0."_s + QString(20'000, u'0');   // a build made by hand
        QTest::newRow("newer, 20 000-character versions") << false << true << longVersion
            << appcast("1.1." + QByteArray(20'000, '1')) << info << u"Horavane 1.1.111"_s << true;
        QTest::newRow("500") << false << true << v << http(500, "Error", {}) << QMessageBox::Warning
                             << u"Could not reach the update server: the server answered 500 Error."_s << false;
        QTest::newRow("automatic, newer") << true << false << v << appcast("1.10") << info
                                          << u"Horavane 1.10 is available; you have 1.0.0"_s << true;
        QTest::newRow("automatic, up to date") << true << false << v << appcast("1.0") << none << uptodate << false;
        QTest::newRow("automatic, unreadable") << true << false << v << http(200, "OK", "<rss><item>") << none
                                               << u"The update feed could not be read."_s << false;
        QTest::newRow("asked while automatic runs") << true << true << v << appcast("1.0.0") << info << uptodate << false;
    }

    void paneCheck()
    {
        QFETCH(bool, automatic);
        QFETCH(bool, asked);
        QFETCH(QString, running);
        QFETCH(QByteArray, response);
        QFETCH(QMessageBox::Icon, window);
        QFETCH(QString, message);
        QFETCH(bool, newer);

        UpdateSettings().setAutomatic(automatic);
        FeedServer feed(response);
        FakeClock clock(start);
        Pane pane(feed.url(), running, clock);
        QSignalSpy finished(&pane, &Pane::checkFinished);
        auto &checkNow = control<QPushButton>(pane, u"checkNow"_s);
        clock.advance(5min);   // the time of the check, not of the pane's creation, is recorded
        if (automatic)
            pane.checkIfDue();
        if (asked) {
            // While a check runs the button is disabled, and only the menu command asks.
            automatic ? pane.checkForUpdates() : QTest::mouseClick(&checkNow, Qt::LeftButton);
            QVERIFY(!checkNow.isEnabled());
        }
        QVERIFY(finished.wait(60'000));
        QVERIFY(checkNow.isEnabled());
        QCOMPARE(feed.requests(), 1);

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

    void controlsStoreChoices()
    {
        FeedServer feed(appcast("1.0.0"));
        FakeClock clock(start);
        {
            Pane pane(feed.url(), u"1.0.0"_s, clock);
            auto &interval = control<QComboBox>(pane, u"checkInterval"_s);
            QVERIFY(!interval.isEnabled());
            control<QCheckBox>(pane, u"automaticChecks"_s).click();
            QVERIFY(interval.isEnabled());
            QVERIFY(pane.updateCheck().isRunning());   // never checked: due at once
            QTest::keyClick(&interval, Qt::Key_Down);
        }
        Pane pane(feed.url(), u"1.0.0"_s, clock);
        QVERIFY(control<QCheckBox>(pane, u"automaticChecks"_s).isChecked());
        QCOMPARE(control<QComboBox>(pane, u"checkInterval"_s).currentText(), u"Weekly"_s);
    }
};

QTEST_MAIN(TestSparklePreferences)
#include "tst_sparklepreferences.moc"
