#include "FeedServer.h"

#include <SparklePreferences/UpdateCheck.h>

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using SparklePreferences::UpdateCheck;
using SparklePreferences::UpdateResult;

namespace {

QByteArray appcast(const QByteArray &version, qsizetype padding = 0)
{
    return FeedServer::http(200, "OK",
        "<rss xmlns:sparkle='http://www.andymatuschak.org/xml-namespaces/sparkle'><channel><item><enclosure "
        "url='https://horavane.org/get' sparkle:version='" + version + "'/></item></channel></rss>"
            + QByteArray(padding, ' '));
}

QByteArray redirect(const QByteArray &to)
{
    return FeedServer::http(307, "Temporary Redirect", {}, "Location: " + to + "\r\n");
}

// Where the check goes: the feed server, the same refusing connections, the same never
// answering, a server that sends the check on to the feed server, or a plain http address elsewhere.
enum class Server { Answers, Closed, Silent, Redirects, Insecure };

} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QCoreApplication::setApplicationName(u"Horavane"_s); }

    // The message names the outcome; it is what the user reads.
    void check_data()
    {
        QTest::addColumn<Server>("server");
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<QString>("message");   // how the message starts

        const QString unreadable = u"The update feed could not be read."_s;
        const QString unreachable = u"Could not reach the update server: "_s;
        QTest::newRow("newer") << Server::Answers << appcast("1.10") << u"Horavane 1.10 is available; you have 1.0.0."_s;
        QTest::newRow("same version") << Server::Answers << appcast("1.0") << u"Horavane 1.0.0 is up to date."_s;
        QTest::newRow("malformed feed") << Server::Answers << FeedServer::http(200, "OK", "<rss><channel><item>")
                                        << unreadable;
        QTest::newRow("feed too large") << Server::Answers
                                        << appcast("9.0", UpdateCheck::maxFeedBytes) << unreadable;
        QTest::newRow("HTTP 404") << Server::Answers << FeedServer::http(404, "Not Found", "gone")
                                  << unreachable + u"the server answered 404 Not Found."_s;
        QTest::newRow("redirect to https") << Server::Answers << redirect("https://127.0.0.1/appcast.xml")
                                           << unreachable + u"the server sent the request on to https:"_s;
        QTest::newRow("redirect on this machine") << Server::Redirects << appcast("2.0")
                                                  << u"Horavane 2.0 is available"_s;
        QTest::newRow("connection refused") << Server::Closed << QByteArray() << unreachable + u"Connection refused"_s;
        QTest::newRow("no answer") << Server::Silent << QByteArray() << u"The update server did not answer in time."_s;
        QTest::newRow("insecure, never contacted")
            << Server::Insecure << QByteArray()
            << unreachable + u"http://horavane.org/appcast.xml is not a secure (https) address."_s;
    }

    void check()
    {
        QFETCH(Server, server);
        QFETCH(QByteArray, response);
        QFETCH(QString, message);

        FeedServer feed(response);
        FeedServer sender(redirect(feed.url().toEncoded()));
        if (server == Server::Closed)
            feed.close();
        const QUrl url = server == Server::Redirects ? sender.url()
            : server == Server::Insecure             ? QUrl(u"http://horavane.org/appcast.xml"_s)
                                                     : feed.url();
        UpdateCheck check(url, u"1.0.0"_s);
        check.setTimeout(server == Server::Silent ? 100ms : 30s);   // only the silent server runs out of time
        QSignalSpy finished(&check, &UpdateCheck::finished);
        check.start();
        QVERIFY(finished.wait(60'000));
        QCOMPARE(finished.size(), 1);
        const auto result = finished.first().first().value<UpdateResult>();
        QVERIFY2(result.message().startsWith(message), qPrintable(result.message()));
        QCOMPARE(result.currentVersion, u"1.0.0"_s);
    }

    void secondStartWhileRunningIsIgnored()
    {
        FeedServer feed({});   // never answers, so the first check is still running
        UpdateCheck check(feed.url(), u"1.0.0"_s);
        check.setTimeout(200ms);
        QSignalSpy finished(&check, &UpdateCheck::finished);
        check.start();
        check.start();
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
        QTest::newRow("localhost lookalike") << u"http://localhost.example.com/appcast.xml"_s << false;
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
