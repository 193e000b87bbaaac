#include "FeedServer.h"

#include <SparklePreferences/UpdateCheck.h>
#include <SparklePreferences/UpdateSettings.h>

#include <QSettings>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using SparklePreferences::UpdateCheck;
using SparklePreferences::UpdateResult;

namespace {

QByteArray redirect(const QByteArray &to)
{
    return FeedServer::http(307, "Temporary Redirect", {}, "Location: " + to + "\r\n");
}

// Where the check goes: the feed server, the same refusing connections, the same never
// answering, a server that sends the check on to the feed server, or the address in the row.
enum class Server { Answers, Closed, Silent, Redirects, Elsewhere };

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
        QTest::addColumn<QByteArray>("response");   // for Elsewhere: the address
        QTest::addColumn<QString>("message");       // how the message starts

        const QString unreadable = u"The update feed could not be read."_s;
        const QString unreachable = u"Could not reach the update server: "_s;
        const QString insecure = u" is not a secure (https) address."_s;
        const auto appcast = [](const QByteArray &version) { return FeedServer::appcast(version); };
        QTest::newRow("newer") << Server::Answers << appcast("1.10") << u"Horavane 1.10 is available; you have 1.0.0"_s;
        QTest::newRow("same version") << Server::Answers << appcast("1.0") << u"Horavane 1.0.0 is up to date."_s;
        QTest::newRow("malformed feed") << Server::Answers << FeedServer::http(200, "OK", "<rss><item>") << unreadable;
        QTest::newRow("feed too large")
            << Server::Answers << FeedServer::appcast("9.0", {}, UpdateCheck::maxFeedBytes) << unreadable;
        QTest::newRow("HTTP 404") << Server::Answers << FeedServer::http(404, "Not Found", "gone")
                                  << unreachable + u"the server answered 404 Not Found."_s;
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
            : server == Server::Elsewhere            ? QUrl::fromEncoded(response)
                                                     : feed.url();
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
        QTest::newRow("on, never checked") << QStringList{u"true"_s, {}, {}} << true;
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
            file.remove(u"SoftwareUpdate"_s);
            const QStringList keys{u"AutomaticChecks"_s, u"Interval"_s, u"LastCheck"_s};
            for (qsizetype i = 0; i < keys.size(); ++i) {
                if (!values.at(i).isEmpty())
                    file.setValue(u"SoftwareUpdate/"_s + keys.at(i), values.at(i));
            }
        }
        const std::chrono::system_clock::time_point now(std::chrono::seconds(1'733'600'000));
        QCOMPARE(SparklePreferences::UpdateSettings().isDue(now), due);
    }
};

QTEST_GUILESS_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
