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
using SparklePreferences::UpdateSettings;
using Pane = SparklePreferences::SparklePreferences;

namespace {

const std::chrono::system_clock::time_point start(std::chrono::seconds(1'733'600'000));
const QString longVersion = u"1.0."_s + QString(20'000, u'0');   // a build made by hand

QByteArray appcast(const QByteArray &version)
{
    return FeedServer::appcast(version, "<![CDATA[<p>Faster <b>dials</b></p>]]>");
}

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

    // A check asked for always speaks; an automatic one at start-up only when there is
    // something to get. Either way the feed is fetched once, and the pane fits on a screen.
    void check_data()
    {
        QTest::addColumn<bool>("automatic");   // turned on, and started before any click
        QTest::addColumn<bool>("asked");       // by the user
        QTest::addColumn<QString>("running");
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<QMessageBox::Icon>("window");   // NoIcon: no message window
        QTest::addColumn<QString>("notes");    // as the pane shows them: plain text
        QTest::addColumn<bool>("recorded");    // counts as the last check

        const auto none = QMessageBox::NoIcon;
        const auto info = QMessageBox::Information;
        const QString v = u"1.0.0"_s;
        const QString dials = u"Faster dials"_s;
        QTest::newRow("newer") << false << true << v << appcast("1.1") << info << dials << true;
        QTest::newRow("up to date") << false << true << v << appcast("1.0") << info << QString() << true;
        QTest::newRow("500") << false << true << v << FeedServer::http(500, "Error", {}) << QMessageBox::Warning
                             << QString() << false;
        QTest::newRow("20 000-character versions")
            << false << true << longVersion << appcast("1.1." + QByteArray(20'000, '1')) << info << dials << true;
        QTest::newRow("automatic, newer") << true << false << v << appcast("2.0") << info << dials << true;
        QTest::newRow("automatic, up to date") << true << false << v << appcast("1.0.0") << none << QString() << true;
        QTest::newRow("automatic, unreadable") << true << false << v << FeedServer::http(200, "OK", "<html/>") << none
                                               << QString() << false;
        QTest::newRow("asked while automatic runs")
            << true << true << v << appcast("1.0.0") << info << QString() << true;
    }

    void check()
    {
        QFETCH(bool, automatic);
        QFETCH(bool, asked);
        QFETCH(QString, running);
        QFETCH(QByteArray, response);
        QFETCH(QMessageBox::Icon, window);
        QFETCH(QString, notes);
        QFETCH(bool, recorded);

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

        QCOMPARE(control<QLabel>(pane, u"result"_s).text(), pane.lastResult()->message());
        QCOMPARE(control<QPlainTextEdit>(pane, u"notes"_s).toPlainText(), notes);
        QCOMPARE(control<QPushButton>(pane, u"download"_s).isVisibleTo(pane.view()), !notes.isEmpty());
        QCOMPARE(pane.messageWindow() ? pane.messageWindow()->icon() : QMessageBox::NoIcon, window);
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
