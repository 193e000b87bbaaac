#include "HoravaneProcess.h"
#include "SettingsFixture.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

#include <csignal>

using namespace Qt::StringLiterals;
using namespace SettingsFixture;

// The real binary killed with SIGKILL at random moments of the launch or the shutdown, both of
// which save: the file still holds every key, and the next run starts, saves and ends normally.
class TestKillSave : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyKeySurvives_data()
    {
        QTest::addColumn<bool>("duringShutdown");
        QTest::newRow("launch") << false;
        QTest::newRow("shutdown") << true;
    }

    void everyKeySurvives()
    {
        QFETCH(bool, duringShutdown);
        // HORAVANE_KILL_RUNS=200 for a longer run (bench/kill-save).
        const int runs = qEnvironmentVariableIsSet("HORAVANE_KILL_RUNS") ? qEnvironmentVariableIntValue("HORAVANE_KILL_RUNS") / 2 : 20;
        HoravaneProcess horavane;
        const auto signal = [&](int number) { ::kill(pid_t(horavane.process().processId()), number); };

        // One undisturbed run measures the range the kill's moment is drawn from.
        QVERIFY(writeFile(horavane.settingsPath(), written()));
        QElapsedTimer clock;
        clock.start();
        horavane.start();
        QVERIFY(horavane.waitForLine(u"launched"_s));
        const qint64 launchUs = clock.nsecsElapsed() / 1000;
        clock.restart();
        signal(SIGTERM);
        QVERIFY(horavane.waitForExit());
        const qint64 range = duringShutdown ? clock.nsecsElapsed() / 1000 : launchUs;

        for (int run = 1; run <= runs; ++run) {
            QVERIFY(writeFile(horavane.settingsPath(), written()));
            horavane.start();
            QVERIFY(horavane.process().waitForStarted());
            if (duringShutdown) {
                QVERIFY(horavane.waitForLine(u"launched"_s));
                signal(SIGTERM);
            }
            QThread::usleep(static_cast<unsigned long>(QRandomGenerator::global()->bounded(range + 1)));
            signal(SIGKILL);
            QVERIFY(horavane.waitForExit());
            if (horavane.process().exitStatus() == QProcess::NormalExit)
                QCOMPARE(horavane.process().exitCode(), 0);
            const QStringList lost = damage(horavane.settingsPath());
            QVERIFY2(lost.isEmpty(), qPrintable(u"run %1 lost or changed %2"_s.arg(run).arg(lost.join(u", "_s))));
        }

        // What the kills left behind does not stop the next run from saving, nor stays behind.
        QVERIFY(writeFile(horavane.settingsPath(), written()));
        horavane.start();
        QVERIFY2(horavane.waitForLine(u"launched"_s), qPrintable(horavane.lines().join(u'\n')));
        signal(SIGTERM);
        QVERIFY(horavane.waitForExit());
        QCOMPARE(horavane.process().exitCode(), 0);
        QCOMPARE(horavane.lines().filter(u"settings saved"_s).size(), 1);
        QVERIFY(AppUtils::DefaultSettings(horavane.settingsPath()).loadBool("APP_Horavane"_L1, false));
        QCOMPARE(damage(horavane.settingsPath()), QStringList());
        QCOMPARE(QDir(QFileInfo(horavane.settingsPath()).path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"Horavane.conf"_s});
    }
};

QTEST_GUILESS_MAIN(TestKillSave)
#include "tst_killsave.moc"
