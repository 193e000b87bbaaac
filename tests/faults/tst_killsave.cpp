#include "HoravaneProcess.h"
#include "SettingsFixture.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

#include <csignal>

using namespace Qt::StringLiterals;
using namespace SettingsFixture;

// The real binary killed with SIGKILL at random moments of the launch (odd runs) or the shutdown,
// both of which save: the file still holds every key, and the next run saves and ends normally.
class TestKillSave : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyKeySurvives()
    {
        const int runs = qEnvironmentVariableIsSet("HORAVANE_KILL_RUNS") ? qEnvironmentVariableIntValue("HORAVANE_KILL_RUNS") : 40;   // 200: bench/kill-save
        HoravaneProcess horavane;
        const auto signal = [&](int number) { ::kill(pid_t(horavane.process().processId()), number); };
        const QString folder = QFileInfo(horavane.settingsPath()).path();
        // Run 0 is undisturbed: it measures the ranges the kill's moment is drawn from. The last
        // shows that what the kills left behind, old by then, neither stops a save nor stays.
        qint64 rangeUs[2] = {};
        for (int run = 0; run <= runs + 1; ++run) {
            const bool kill = run > 0 && run <= runs, duringShutdown = run % 2 == 0;
            for (const QFileInfo &left : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
                QFile file(left.filePath());
                QVERIFY(run <= runs || (file.open(QIODevice::ReadWrite) && file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-120), QFileDevice::FileModificationTime)));
            }
            QVERIFY(writeFile(horavane.settingsPath(), written()));
            QElapsedTimer clock;
            clock.start();
            horavane.start();
            QVERIFY(horavane.process().waitForStarted());
            if (duringShutdown || !kill) {
                QVERIFY2(horavane.waitForLine(u"launched"_s), qPrintable(horavane.lines().join(u'\n')));
                rangeUs[0] = run == 0 ? clock.nsecsElapsed() / 1000 : rangeUs[0];
                clock.restart();
                signal(SIGTERM);
            }
            if (kill) {
                QThread::usleep(static_cast<unsigned long>(QRandomGenerator::global()->bounded(rangeUs[duringShutdown] + 1)));
                signal(SIGKILL);
            }
            QVERIFY(horavane.waitForExit());
            QVERIFY(horavane.process().exitStatus() != QProcess::NormalExit || horavane.process().exitCode() == 0);
            rangeUs[1] = run == 0 ? clock.nsecsElapsed() / 1000 : rangeUs[1];
            const QStringList lost = damage(horavane.settingsPath());
            QVERIFY2(lost.isEmpty(), qPrintable(u"run %1 lost or changed %2"_s.arg(run).arg(lost.join(u", "_s))));
        }
        QCOMPARE(horavane.lines().filter(u"settings saved"_s).size(), 1);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"Horavane.conf"_s});
    }
};

QTEST_GUILESS_MAIN(TestKillSave)
#include "tst_killsave.moc"
