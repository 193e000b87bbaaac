#include "FakeClock.h"

#include <AppUtils/MasterTimer.h>
#include <AppUtils/Repeater.h>

#include <QTest>

#include <memory>

using AppUtils::MasterTimer;
using AppUtils::Repeater;
using namespace std::chrono;
using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

namespace {

system_clock::time_point at(qint64 ms) { return system_clock::time_point(milliseconds(ms)); }
qint64 ms(system_clock::time_point t) { return duration_cast<milliseconds>(t.time_since_epoch()).count(); }

// A master timer on a fake clock; times are milliseconds since the epoch.
struct Rig {
    explicit Rig(qint64 startMs, bool started = true) : clock(at(startMs)) { if (started) timer.start(); }
    qint64 armed() const { return timer.armedAim() ? ms(*timer.armedAim()) : -1; }
    // Wakes the timer at each instant it is armed for, up to and including `until`.
    void runUntil(qint64 until)
    {
        for (; timer.armedAim() && *timer.armedAim() <= at(until); timer.wake())
            clock.set(*timer.armedAim());
    }
    FakeClock clock;
    MasterTimer timer{clock};
};

// What a handler does on its first call; the last is done by the second repeater.
enum class Action { StopsItself, StopsTheNext, StopsTheMaster, RestartsItself, DestroysItself };

} // namespace

Q_DECLARE_METATYPE(Action)

class TestRepeater : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void deliversEachBoundaryOnce_data()
    {
        QTest::addColumn<qint64>("startAt");
        QTest::addColumn<QList<qint64>>("wakes");      // the clock's reading at each wake-up
        QTest::addColumn<QList<qint64>>("deliveries"); // ... at each call of a 1 s handler
        QTest::addColumn<qint64>("armedAfter");
        using L = QList<qint64>;
        QTest::newRow("started on a flip") << qint64(1000) << L{} << L{} << qint64(2000);
        QTest::newRow("before 1970") << qint64(-1500) << L{} << L{} << qint64(-1000);
        QTest::newRow("late") << qint64(250) << L{1400} << L{1400} << qint64(2000);
        QTest::newRow("early, on time, again within the second") << qint64(250) << L{999, 1000, 1700} << L{1000} << qint64(2000);
        // Set back: the next flip of the new time, never again the second just shown.
        QTest::newRow("clock back 0.3 s") << qint64(250) << L{1000, 700, 1000, 2000} << L{1000, 2000} << qint64(3000);
    }

    void deliversEachBoundaryOnce()
    {
        QFETCH(qint64, startAt);
        QFETCH(QList<qint64>, wakes);
        QFETCH(QList<qint64>, deliveries);
        QFETCH(qint64, armedAfter);
        Rig rig(startAt);
        QList<qint64> delivered;
        Repeater repeater(u"tick"_s, rig.timer);
        repeater.start(1s, [&] { delivered.append(ms(rig.clock.now())); });
        for (const qint64 wake : wakes) {
            rig.clock.set(at(wake));
            rig.timer.wake();
        }
        QCOMPARE(delivered, deliveries);
        QCOMPARE(rig.armed(), armedAfter);
    }

    void survivesWhatHandlersDo_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("firstFires");
        QTest::addColumn<int>("secondFires");
        QTest::newRow("first stops itself") << Action::StopsItself << 1 << 2;
        QTest::newRow("first stops second, due in the same round") << Action::StopsTheNext << 2 << 0;
        QTest::newRow("first stops the master") << Action::StopsTheMaster << 1 << 0;
        // Two intervals then share the one alarm: first at 1000, 1500, 2000; second at 1000, 2000.
        QTest::newRow("first restarts itself at 500 ms") << Action::RestartsItself << 3 << 2;
        QTest::newRow("second destroys itself") << Action::DestroysItself << 2 << 1;
    }

    void survivesWhatHandlersDo()
    {
        QFETCH(Action, action);
        QFETCH(int, firstFires);
        QFETCH(int, secondFires);
        Rig rig(250);
        int firstFired = 0, secondFired = 0;
        Repeater first(u"first"_s, rig.timer);
        auto second = std::make_unique<Repeater>(u"second"_s, rig.timer);
        first.start(1s, [&] {
            if (firstFired == 0 && action == Action::StopsItself)
                first.stop();
            else if (firstFired == 0 && action == Action::StopsTheNext)
                second->stop();
            else if (firstFired == 0 && action == Action::StopsTheMaster)
                rig.timer.stop();
            else if (firstFired == 0 && action == Action::RestartsItself)
                first.start(500ms, [&] { ++firstFired; });
            ++firstFired;   // the handler must outlive what it just did
        });
        second->start(1s, [&] {
            if (secondFired == 0 && action == Action::DestroysItself)
                second.reset();
            ++secondFired;
        });
        rig.runUntil(2000);
        QCOMPARE(firstFired, firstFires);
        QCOMPARE(secondFired, secondFires);
    }

    // A repeater started before its master waits for it; one with no interval would spin.
    void waitsForTheMasterAndRefusesZero()
    {
        Rig rig(1000, false);
        int fired = 0;
        Repeater repeater(u"tick"_s, rig.timer);
        repeater.start(1s, [&] { ++fired; });
        rig.timer.wake();
        rig.timer.start();
        QCOMPARE(rig.armed(), 2000);
        repeater.start(0ms, [&] { ++fired; });
        QCOMPARE(rig.armed(), -1);
        QCOMPARE(fired, 0);
    }
};

QTEST_GUILESS_MAIN(TestRepeater)
#include "tst_repeater.moc"
