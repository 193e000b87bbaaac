#include "FeedServer.h"

#include <SparklePreferences/UpdateCheck.h>

#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using SparklePreferences::UpdateCheck;
using SparklePreferences::UpdateResult;

namespace {

QByteArray appcast(const QByteArray &version)
{
    return "<rss xmlns:sparkle='http://www.andymatuschak.org/xml-namespaces/sparkle'><channel><item>"
           "<title>Horavane "
        + version + "</title><description>Notes</description><enclosure url='https://horavane.org/get/"
        + version + "' sparkle:version='" + version + "'/></item></channel></rss>";
}

enum class Server { Answers, Silent, Closed };

// Runs one check against feed and gives its result; nullopt unless it reported exactly once.
std::optional<UpdateResult> runCheck(const QUrl &feed, std::chrono::milliseconds timeout = 30s)
{
    UpdateCheck check(feed, u"1.0.0"_s);
    check.setTimeout(timeout);
    QSignalSpy finished(&check, &UpdateCheck::finished);
    check.start();
    if (!finished.wait(60'000) || finished.size() != 1)
        return std::nullopt;
    return finished.first().first().value<UpdateResult>();
}

} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(u"Horavane"_s);
    }

    // The message names the outcome; it is what the user reads.
    void check_data()
    {
        QTest::addColumn<Server>("server");
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<QString>("message");   // how the message starts

        const auto ok = [](const QByteArray &body) { return FeedServer::http(200, "OK", body); };
        const auto moved = [](const QByteArray &to) {
            return FeedServer::http(302, "Found", {}, "Location: " + to + "\r\n");
        };
        const QString unreadable = u"The update feed could not be read."_s;
        const QString unreachable = u"Could not reach the update server: "_s;
        const QString upToDate = u"Horavane 1.0.0 is up to date."_s;
        QTest::newRow("newer") << Server::Answers << ok(appcast("1.10"))
                               << u"Horavane 1.10 is available; you have 1.0.0."_s;
        QTest::newRow("same version") << Server::Answers << ok(appcast("1.0")) << upToDate;
        QTest::newRow("older") << Server::Answers << ok(appcast("0.9.9")) << upToDate;
        QTest::newRow("malformed feed") << Server::Answers << ok("<rss><channel><item>") << unreadable;
        QTest::newRow("feed without releases") << Server::Answers << ok("<rss><channel/></rss>") << unreadable;
        QTest::newRow("feed too large") << Server::Answers
                                        << ok(appcast("9.0") + QByteArray(UpdateCheck::maxFeedBytes, ' '))
                                        << unreadable;
        QTest::newRow("HTTP 404") << Server::Answers << FeedServer::http(404, "Not Found", "gone")
                                  << unreachable + u"the server answered 404 Not Found."_s;
        QTest::newRow("redirect to https") << Server::Answers << moved("https://127.0.0.1/appcast.xml")
                                           << unreachable + u"the server sent the request on to https:"_s;
        QTest::newRow("redirect off this machine") << Server::Answers << moved("http://example.com/appcast.xml")
                                                   << unreachable + u"the server sent the request on to http:"_s;
        QTest::newRow("connection refused") << Server::Closed << QByteArray()
                                            << unreachable + u"Connection refused"_s;
        QTest::newRow("no answer") << Server::Silent << QByteArray() << u"The update server did not answer in time."_s;
    }

    void check()
    {
        QFETCH(Server, server);
        QFETCH(QByteArray, response);
        QFETCH(QString, message);

        FeedServer feed(response);
        if (server == Server::Closed)
            feed.close();
        // Only the silent server is meant to run out of time; the others get plenty.
        const std::optional<UpdateResult> result = runCheck(feed.url(), server == Server::Silent ? 100ms : 30s);
        QVERIFY(result);
        QVERIFY2(result->message().startsWith(message), qPrintable(result->message()));
        QCOMPARE(result->currentVersion, u"1.0.0"_s);
    }

    void followsRedirectOnThisMachine()
    {
        FeedServer target(FeedServer::http(200, "OK", appcast("2.0")));
        FeedServer redirect(FeedServer::http(307, "Temporary Redirect", {},
            "Location: " + target.url().toEncoded() + "\r\n"));
        const std::optional<UpdateResult> result = runCheck(redirect.url());
        QVERIFY(result);
        QCOMPARE(result->outcome, UpdateResult::Outcome::UpdateAvailable);
        QCOMPARE(target.requests(), 1);
    }

    void refusesInsecureFeedWithoutContact()
    {
        const std::optional<UpdateResult> result = runCheck(QUrl(u"http://horavane.org/appcast.xml"_s));
        QVERIFY(result);
        QCOMPARE(result->outcome, UpdateResult::Outcome::Unreachable);
        QCOMPARE(result->message(),
            u"Could not reach the update server: http://horavane.org/appcast.xml is not a secure (https) address."_s);
    }

    void secondStartWhileRunningIsIgnored()
    {
        FeedServer feed({});   // never answers, so the first check is still running
        UpdateCheck check(feed.url(), u"1.0.0"_s);
        check.setTimeout(200ms);
        QSignalSpy finished(&check, &UpdateCheck::finished);
        check.start();
        check.start();
        QVERIFY(check.isRunning());
        QVERIFY(finished.wait(60'000));
        QVERIFY(!check.isRunning());
        QCOMPARE(feed.requests(), 1);
        QCOMPARE(finished.size(), 1);

        check.start();   // once finished, a new check goes out again
        QTRY_COMPARE_WITH_TIMEOUT(feed.requests(), 2, 60'000);
    }

    void allowedFeed_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("allowed");

        QTest::newRow("https") << u"https://horavane.org/appcast.xml"_s << true;
        QTest::newRow("http elsewhere") << u"http://horavane.org/appcast.xml"_s << false;
        QTest::newRow("http to localhost") << u"http://localhost:8080/appcast.xml"_s << true;
        QTest::newRow("http to ::1") << u"http://[::1]/appcast.xml"_s << true;
        QTest::newRow("localhost lookalike") << u"http://localhost.example.com/appcast.xml"_s << false;
        QTest::newRow("file") << u"file:///etc/passwd"_s << false;
        QTest::newRow("no host") << u"https:///appcast.xml"_s << false;
    }

    void allowedFeed()
    {
        QFETCH(QString, url);
        QFETCH(bool, allowed);
        QCOMPARE(UpdateCheck::isAllowedFeed(QUrl(url)), allowed);
    }
};

QTEST_GUILESS_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
