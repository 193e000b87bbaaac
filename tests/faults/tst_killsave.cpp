#include "HoravaneProcess.h"
#include "SettingsFixture.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

#include <csignal>

using namespace Qt::StringLiterals;

using SettingsFixture::damage;
using SettingsFixture::writeFile;
using SettingsFixture::written;

// The real binary killed with SIGKILL again and again, at random moments of the launch or
// the shutdown, both of which save the settings: after each kill, the settings file still
// holds every key, each with a value it had or was being given, and the next run starts,
// saves and ends normally.
class TestKillSave : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyKeySurvives_data();
    void everyKeySurvives();
};

void TestKillSave::everyKeySurvives_data()
{
    QTest::addColumn<bool>("duringShutdown");   // else during the launch
    QTest::newRow("killed during the launch") << false;
    QTest::newRow("killed during the shutdown") << true;
}

void TestKillSave::everyKeySurvives()
{
    QFETCH(bool, duringShutdown);
    // HORAVANE_KILL_RUNS=200 for a longer run (bench/kill-save).
    const int runs = qEnvironmentVariableIsSet("HORAVANE_KILL_RUNS")
        ? qEnvironmentVariableIntValue("HORAVANE_KILL_RUNS") / 2
        : 20;

    HoravaneProcess horavane;
    const auto end = [&] {
        ::kill(pid_t(horavane.process().processId()), SIGTERM);
        return horavane.waitForExit();
    };
    // One undisturbed run: how long a launch or a shutdown takes here, for the range of the
    // kill's moment.
    QVERIFY(writeFile(horavane.settingsPath(), written()));
    QElapsedTimer clock;
    clock.start();
    horavane.start();
    QVERIFY(horavane.waitForLine(u"launched"_s));
    const qint64 launchUs = clock.nsecsElapsed() / 1000;
    clock.restart();
    QVERIFY(end());
    const qint64 shutdownUs = clock.nsecsElapsed() / 1000;
    QCOMPARE(damage(horavane.settingsPath()), QStringList());

    int killed = 0;
    for (int run = 1; run <= runs; ++run) {
        QVERIFY(writeFile(horavane.settingsPath(), written()));
        horavane.start();
        QVERIFY(horavane.process().waitForStarted());
        if (duringShutdown) {
            QVERIFY(horavane.waitForLine(u"launched"_s));
            ::kill(pid_t(horavane.process().processId()), SIGTERM);
        }
        // A pause only to vary where the kill lands; nothing here depends on its length.
        const qint64 range = duringShutdown ? shutdownUs : launchUs;
        QThread::usleep(static_cast<unsigned long>(QRandomGenerator::global()->bounded(range + 1)));
        ::kill(pid_t(horavane.process().processId()), SIGKILL);
        QVERIFY(horavane.waitForExit());
        if (horavane.process().exitStatus() == QProcess::CrashExit)
            ++killed;
        else
            QCOMPARE(horavane.process().exitCode(), 0);
        const QStringList lost = damage(horavane.settingsPath());
        QVERIFY2(lost.isEmpty(), qPrintable(u"run %1 lost or changed %2"_s.arg(run).arg(lost.join(u", "_s))));
    }
    qInfo("%d runs, %d killed before they ended by themselves", runs, killed);

    // What the kills left behind does not stop the next run from saving.
    QVERIFY(writeFile(horavane.settingsPath(), written()));
    horavane.start();
    QVERIFY2(horavane.waitForLine(u"launched"_s), qPrintable(horavane.lines().join(u'\n')));
    QVERIFY(end());
    QCOMPARE(horavane.process().exitCode(), 0);
    QVERIFY2(horavane.lines().filter(u"settings saved"_s).size() == 1, qPrintable(horavane.lines().join(u'\n')));
    QVERIFY(AppUtils::DefaultSettings(horavane.settingsPath()).loadBool("APP_Horavane"_L1, false));
    // Neither a lock nor a half-written copy is left behind.
    QCOMPARE(QDir(QFileInfo(horavane.settingsPath()).path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{u"Horavane.conf"_s});
}

QTEST_GUILESS_MAIN(TestKillSave)
#include "tst_killsave.moc"
