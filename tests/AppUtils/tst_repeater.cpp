#include "FakeClock.h"

#include <AppUtils/MasterTimer.h>
#include <AppUtils/Repeater.h>

#include <QCoreApplication>
#include <QTest>
#include <QThread>

#include <memory>

using AppUtils::MasterTimer;
using AppUtils::Repeater;
using namespace std::chrono;
using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

namespace {

// Times in these tests are milliseconds since the epoch.
system_clock::time_point at(qint64 ms) { return system_clock::time_point(milliseconds(ms)); }
qint64 ms(system_clock::time_point t) { return duration_cast<milliseconds>(t.time_since_epoch()).count(); }
qint64 armedMs(const MasterTimer &timer) { return timer.armedAim() ? ms(*timer.armedAim()) : -1; }

// Wakes the timer at each instant it is armed for, up to and including `until`.
void runUntil(FakeClock &clock, MasterTimer &timer, qint64 until)
{
    for (; timer.armedAim() && *timer.armedAim() <= at(until); timer.wake())
        clock.set(*timer.armedAim());
}

// What a handler does on its first call; the last two are done by the second repeater.
enum class Action { StopsItself, StopsTheNext, StopsTheMaster, RestartsItself, StopsTheFirst, DestroysItself };

} // namespace

Q_DECLARE_METATYPE(Action)

class TestRepeater : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void deliversEachBoundaryOnce_data()
    {
        QTest::addColumn<int>("interval");             // ms
        QTest::addColumn<qint64>("startAt");
        QTest::addColumn<QList<qint64>>("wakes");      // the clock's reading at each wake-up
        QTest::addColumn<QList<qint64>>("deliveries"); // ... at each handler call
        QTest::addColumn<qint64>("armedAfter");
        using L = QList<qint64>;
        QTest::newRow("started on a flip") << 1000 << qint64(1000) << L{} << L{} << qint64(2000);
        QTest::newRow("1.5 s from the epoch") << 1500 << qint64(2100) << L{} << L{} << qint64(3000);
        QTest::newRow("before 1970") << 1000 << qint64(-1500) << L{} << L{} << qint64(-1000);
        QTest::newRow("late") << 1000 << qint64(250) << L{1400} << L{1400} << qint64(2000);
        QTest::newRow("early, then on time") << 1000 << qint64(250) << L{999, 1000} << L{1000} << qint64(2000);
        QTest::newRow("again within the second") << 1000 << qint64(250) << L{1000, 1700} << L{1000} << qint64(2000);
        QTest::newRow("asleep an hour: no catch-up") << 1000 << qint64(250) << L{1000, 3'605'300}
                                                     << L{1000, 3'605'300} << qint64(3'606'000);
        // Set back, it fires at the next flip of the new time, but never shows again the
        // second it has just shown.
        QTest::newRow("clock back an hour") << 1000 << qint64(3'600'250) << L{3'601'000, 1200, 2000}
                                            << L{3'601'000, 2000} << qint64(3000);
        QTest::newRow("clock back 0.3 s") << 1000 << qint64(250) << L{1000, 700, 1000, 2000}
                                          << L{1000, 2000} << qint64(3000);
    }

    void deliversEachBoundaryOnce()
    {
        QFETCH(int, interval);
        QFETCH(qint64, startAt);
        QFETCH(QList<qint64>, wakes);
        QFETCH(QList<qint64>, deliveries);
        QFETCH(qint64, armedAfter);
        FakeClock clock(at(startAt));
        MasterTimer timer(clock);
        timer.start();
        QList<qint64> delivered;
        Repeater repeater(u"tick"_s, timer);
        repeater.start(milliseconds(interval), [&] { delivered.append(ms(clock.now())); });
        for (const qint64 wake : wakes) {
            clock.set(at(wake));
            timer.wake();
        }
        QCOMPARE(delivered, deliveries);
        QCOMPARE(armedMs(timer), armedAfter);
    }

    // Two one-second repeaters, "first" made first, running through 1000 and 2000.
    void survivesWhatHandlersDo_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("firstFires");
        QTest::addColumn<int>("secondFires");
        QTest::newRow("first stops itself") << Action::StopsItself << 1 << 2;
        QTest::newRow("first stops second, due in the same round") << Action::StopsTheNext << 2 << 0;
        QTest::newRow("first stops the master") << Action::StopsTheMaster << 1 << 0;
        QTest::newRow("first restarts itself at 500 ms") << Action::RestartsItself << 3 << 2;
        QTest::newRow("second stops first, already run") << Action::StopsTheFirst << 1 << 2;
        QTest::newRow("second destroys itself") << Action::DestroysItself << 2 << 1;
    }

    void survivesWhatHandlersDo()
    {
        QFETCH(Action, action);
        QFETCH(int, firstFires);
        QFETCH(int, secondFires);
        FakeClock clock(at(250));
        MasterTimer timer(clock);
        timer.start();
        int firstFired = 0, secondFired = 0;
        Repeater first(u"first"_s, timer);
        auto second = std::make_unique<Repeater>(u"second"_s, timer);
        first.start(1s, [&] {
            if (firstFired == 0 && action == Action::StopsItself)
                first.stop();
            if (firstFired == 0 && action == Action::StopsTheNext)
                second->stop();
            if (firstFired == 0 && action == Action::StopsTheMaster)
                timer.stop();
            if (firstFired == 0 && action == Action::RestartsItself)
                first.start(500ms, [&] { ++firstFired; });
            ++firstFired;   // the handler must outlive what it just did
        });
        second->start(1s, [&] {
            if (secondFired == 0 && action == Action::StopsTheFirst)
                first.stop();
            if (secondFired == 0 && action == Action::DestroysItself)
                second.reset();
            ++secondFired;
        });
        runUntil(clock, timer, 2000);
        QCOMPARE(firstFired, firstFires);
        QCOMPARE(secondFired, secondFires);
    }

    void differentIntervalsShareOneAlarm()
    {
        FakeClock clock(at(100));
        MasterTimer timer(clock);
        timer.start();
        QStringList delivered;
        Repeater second(u"1 s"_s, timer), slower(u"1.5 s"_s, timer);
        second.start(1s, [&] { delivered << u"1 s at %1"_s.arg(ms(clock.now())); });
        slower.start(1500ms, [&] { delivered << u"1.5 s at %1"_s.arg(ms(clock.now())); });
        runUntil(clock, timer, 3000);
        QCOMPARE(delivered, (QStringList{u"1 s at 1000"_s, u"1.5 s at 1500"_s, u"1 s at 2000"_s,
                                         u"1 s at 3000"_s, u"1.5 s at 3000"_s}));
        QCOMPARE(armedMs(timer), 4000);
    }

    void firesOnlyWhileBothRun()
    {
        FakeClock clock(at(1000));
        MasterTimer timer(clock);
        int fired = 0;
        Repeater repeater(u"tick"_s, timer);
        repeater.start(1s, [&] { ++fired; });   // waits for the master
        timer.wake();
        timer.start();
        QCOMPARE(armedMs(timer), 2000);
        timer.stop();
        clock.set(at(2000));
        timer.wake();
        timer.start();
        repeater.stop();
        timer.wake();
        repeater.start(0ms, [&] { ++fired; });   // would spin: stays stopped instead
        QCOMPARE(armedMs(timer), -1);
        QCOMPARE(fired, 0);
        repeater.start(1s, [&] { ++fired; });
        runUntil(clock, timer, 3000);
        QCOMPARE(fired, 1);
    }

    // The one run through the kernel: a real timerfd on the real clock. No assertion on timing.
    void firesOnTheMainThreadFromTheRealClock()
    {
        MasterTimer timer;
        timer.start();
        int fired = 0;
        QThread *deliveredOn = nullptr;
        Repeater repeater(u"real"_s, timer);
        repeater.start(100ms, [&] {
            ++fired;
            deliveredOn = QThread::currentThread();
        });
        QCOMPARE(timer.armedAim().value_or(at(1)).time_since_epoch() % 100ms, 0ms);
        QTRY_VERIFY_WITH_TIMEOUT(fired >= 2, 10000);   // fired, and armed itself again
        QCOMPARE(deliveredOn, QCoreApplication::instance()->thread());
    }
};

QTEST_GUILESS_MAIN(TestRepeater)
#include "tst_repeater.moc"
