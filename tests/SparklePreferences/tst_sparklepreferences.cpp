#include "FeedServer.h"

#include <FakeClock.h>
#include <SparklePreferences/SparklePreferences.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using SparklePreferences::UpdateResult;
using SparklePreferences::UpdateSettings;

namespace {

const std::chrono::system_clock::time_point start(std::chrono::seconds(1'733'600'000));

QByteArray appcast(const QByteArray &version, const QByteArray &notes = "<p>Faster <b>dials</b></p>")
{
    return FeedServer::http(200, "OK",
        "<rss xmlns:sparkle='http://www.andymatuschak.org/xml-namespaces/sparkle'><channel><item>"
        "<description><![CDATA["
            + notes + "]]></description><enclosure url='https://horavane.org/get' sparkle:version='" + version
            + "'/></item></channel></rss>");
}

template<typename T>
T &control(SparklePreferences::SparklePreferences &pane, const QString &name)
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

    void checkNow_data()
    {
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<QString>("notes");   // as the pane shows them: plain text
        QTest::addColumn<bool>("download");
        QTest::addColumn<bool>("recorded");   // counts as the last check

        QTest::newRow("newer") << appcast("1.1") << QMessageBox::Information << u"Faster dials"_s << true << true;
        QTest::newRow("up to date") << appcast("1.0") << QMessageBox::Information << QString() << false << true;
        QTest::newRow("500") << FeedServer::http(500, "Error", {}) << QMessageBox::Warning << QString() << false << false;
    }

    void checkNow()
    {
        QFETCH(QByteArray, response);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(QString, notes);
        QFETCH(bool, download);
        QFETCH(bool, recorded);

        FeedServer feed(response);
        FakeClock clock(start);
        SparklePreferences::SparklePreferences pane(feed.url(), u"1.0.0"_s, clock);
        QSignalSpy finished(&pane, &SparklePreferences::SparklePreferences::checkFinished);
        auto &checkNow = control<QPushButton>(pane, u"checkNow"_s);
        clock.advance(5min);   // the time of the check, not of the pane's creation, is recorded
        QTest::mouseClick(&checkNow, Qt::LeftButton);
        QVERIFY(!checkNow.isEnabled());
        QVERIFY(finished.wait(60'000));
        QVERIFY(checkNow.isEnabled());

        QVERIFY(pane.lastResult());
        QCOMPARE(control<QLabel>(pane, u"result"_s).text(), pane.lastResult()->message());
        QCOMPARE(control<QPlainTextEdit>(pane, u"notes"_s).toPlainText(), notes);
        QCOMPARE(control<QPushButton>(pane, u"download"_s).isVisibleTo(pane.view()), download);
        QVERIFY(pane.messageWindow() && pane.messageWindow()->isVisible());
        QCOMPARE(pane.messageWindow()->icon(), icon);
        QVERIFY(UpdateSettings().lastCheck() == (recorded ? std::optional(start + 5min) : std::nullopt));
        QCOMPARE(control<QLabel>(pane, u"lastChecked"_s).text() == u"Last checked: Never"_s, !recorded);
    }

    // Automatic checks speak up only when there is something to get or the user asked meanwhile;
    // either way the feed is fetched once.
    void automaticCheckAtStartUp_data()
    {
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("window");

        QTest::newRow("newer") << appcast("2.0") << false << true;
        QTest::newRow("up to date") << appcast("1.0.0") << false << false;
        QTest::newRow("unreadable") << FeedServer::http(200, "OK", "<html/>") << false << false;
        QTest::newRow("asked meanwhile") << appcast("1.0.0") << true << true;
    }

    void automaticCheckAtStartUp()
    {
        QFETCH(QByteArray, response);
        QFETCH(bool, asked);
        QFETCH(bool, window);

        UpdateSettings().setAutomatic(true);
        FeedServer feed(response);
        FakeClock clock(start);
        SparklePreferences::SparklePreferences pane(feed.url(), u"1.0.0"_s, clock);
        QSignalSpy finished(&pane, &SparklePreferences::SparklePreferences::checkFinished);
        if (asked) {
            pane.checkIfDue();
            pane.checkForUpdates();
        }
        QVERIFY(finished.wait(60'000));
        QCOMPARE(pane.messageWindow() != nullptr, window);
        QCOMPARE(feed.requests(), 1);
    }

    void controlsStoreChoices()
    {
        FeedServer feed(appcast("1.0.0"));
        FakeClock clock(start);
        {
            SparklePreferences::SparklePreferences pane(feed.url(), u"1.0.0"_s, clock);
            auto &interval = control<QComboBox>(pane, u"checkInterval"_s);
            QVERIFY(!interval.isEnabled());
            control<QCheckBox>(pane, u"automaticChecks"_s).click();
            QVERIFY(interval.isEnabled());
            QVERIFY(pane.updateCheck().isRunning());   // never checked: due at once
            QTest::keyClick(&interval, Qt::Key_Down);
        }
        const UpdateSettings settings;
        QVERIFY(settings.automatic());
        QCOMPARE(settings.interval(), UpdateSettings::Interval::Weekly);

        SparklePreferences::SparklePreferences pane(feed.url(), u"1.0.0"_s, clock);
        QVERIFY(control<QCheckBox>(pane, u"automaticChecks"_s).isChecked());
        QCOMPARE(control<QComboBox>(pane, u"checkInterval"_s).currentText(), u"Weekly"_s);
    }
};

QTEST_MAIN(TestSparklePreferences)
#include "tst_sparklepreferences.moc"
