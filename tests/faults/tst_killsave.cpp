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
        const QString folder = QFileInfo(horavane.settingsPath()).path();
        // Run 0 is undisturbed: it measures the range the kill's moment is drawn from, and the
        // last run shows that what the kills left behind, old by then, neither stops a save nor stays.
        qint64 rangeUs = 0;
        for (int run = 0; run <= runs + 1; ++run) {
            const bool kill = run > 0 && run <= runs;
            for (const QFileInfo &left : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
                QFile file(left.filePath());
                QVERIFY(run <= runs || (file.open(QIODevice::ReadWrite) && file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-120), QFileDevice::FileModificationTime)));
            }
            QVERIFY(writeFile(horavane.settingsPath(), written()));
            QElapsedTimer clock;
            clock.start();
            horavane.start();
            QVERIFY(horavane.process().waitForStarted());
            qint64 launchUs = 0;
            if (duringShutdown || !kill) {
                QVERIFY2(horavane.waitForLine(u"launched"_s), qPrintable(horavane.lines().join(u'\n')));
                launchUs = clock.nsecsElapsed() / 1000;
                clock.restart();
                signal(SIGTERM);
            }
            if (kill) {
                QThread::usleep(static_cast<unsigned long>(QRandomGenerator::global()->bounded(rangeUs + 1)));
                signal(SIGKILL);
            }
            QVERIFY(horavane.waitForExit());
            if (horavane.process().exitStatus() == QProcess::NormalExit)
                QCOMPARE(horavane.process().exitCode(), 0);
            if (run == 0)
                rangeUs = duringShutdown ? clock.nsecsElapsed() / 1000 : launchUs;
            const QStringList lost = damage(horavane.settingsPath());
            QVERIFY2(lost.isEmpty(), qPrintable(u"run %1 lost or changed %2"_s.arg(run).arg(lost.join(u", "_s))));
        }
        QCOMPARE(horavane.lines().filter(u"settings saved"_s).size(), 1);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"Horavane.conf"_s});
    }
};

QTEST_GUILESS_MAIN(TestKillSave)
#include "tst_killsave.moc"
