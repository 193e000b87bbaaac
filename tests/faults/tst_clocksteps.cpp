#include "ClockWindows.h"
#include "FakeClock.h"

#include <AppUtils/MasterTimer.h>

#include <QMainWindow>
#include <QPointer>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono;

QStringList g_log;   // which window refreshed, in order, or the UTC day and time it was shown

Location g_nowhere([] { return std::make_unique<PositionSource>(nullptr); });

// A clock window that only reports its refreshes; it registers like the real ones.
struct RecordingWindow : ClockWindow
{
    RecordingWindow(QString who, Slot slot, const ClockUpdate &tick) : ClockWindow(slot, QString(), tick), name(std::move(who)) {}
    void update() override
    {
        const qint64 ms = duration_cast<milliseconds>(reading().instant.time_since_epoch()).count();
        g_log.append(name.isEmpty() ? QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(u"dd'T'hh:mm:ss.zzz"_s) : name);
        if (onUpdate)
            onUpdate();
    }
    void loadWindow(QMainWindow &) override {}
    QString name;
    std::function<void()> onUpdate;
};

QPointer<RecordingWindow> open(const QString &name, ClockWindow::Slot slot, const ClockUpdate &tick)
{
    const auto window = makeClockWindow<RecordingWindow>(name, slot, tick);
    window->showWindow();   // from here the registry slot is the only owner
    return static_cast<RecordingWindow *>(window.get());
}

// The tick refreshes the open windows and, as the wall clock jumps (the timer's side is the
// repeater's test), at once or at the next second flip, with no burst of missed seconds.
class TestClockSteps : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { releaseClockWindows(), g_log.clear(); }

    // Digital first, whatever the order opened; a window closed during the tick is skipped, and the
    // one closing itself lives to the end of its own refresh, then is released.
    void refreshOrderAndWindowsClosedDuringATick()
    {
        ClockUpdate update(AppUtils::MasterTimer::shared(), []() -> Location & { return g_nowhere; });
        const QPointer analog = open(u"analog"_s, &WindowRegistry::openAnalogWindow, update);
        const QPointer digital = open(u"digital"_s, &WindowRegistry::openHoravaneWindow, update);
        update.tick({});
        QCOMPARE(g_log, QStringList({u"digital"_s, u"analog"_s}));

        bool aliveAfterOwnClose = false;
        digital->onUpdate = [&] {
            analog->window()->close();
            digital->window()->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            aliveAfterOwnClose = !digital.isNull();
        };
        g_log.clear();
        update.tick({});
        QCOMPARE(g_log, QStringList{u"digital"_s});
        QVERIFY(aliveAfterOwnClose && !windowRegistry().openHoravaneWindow && !windowRegistry().openAnalogWindow);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(digital.isNull() && analog.isNull(), "a closed window's controller must be released");
    }

    void showsTheRightSecondNext_data()
    {
        QTest::addColumn<qint64>("jumpMs");      // after a first second from 2026-12-05T20:36:41.250
        QTest::addColumn<bool>("paused");        // the master timer stopped across the jump
        QTest::addColumn<QStringList>("shown");  // UTC day and time after the first, 05T20:36:42.000, in two seconds more
        // A process stopped for a while wakes late just as after a step forward.
        QTest::newRow("forward a day: at once, no burst") << qint64(86'400'000) << false << QStringList{u"06T20:36:42.250"_s, u"06T20:36:43.000"_s, u"06T20:36:44.000"_s};
        QTest::newRow("back an hour: at the flip") << qint64(-3'600'000) << false << QStringList{u"05T19:36:43.000"_s, u"05T19:36:44.000"_s};
        QTest::newRow("paused 5 s") << qint64(5000) << true << QStringList{u"05T20:36:48.000"_s, u"05T20:36:49.000"_s};
    }

    void showsTheRightSecondNext()
    {
        QFETCH(qint64, jumpMs);
        QFETCH(bool, paused);
        QFETCH(QStringList, shown);
        FakeClock clock(system_clock::time_point(1796503001250ms));
        AppUtils::MasterTimer timer(clock);
        ClockUpdate update(timer, []() -> Location & { return g_nowhere; });
        open({}, &WindowRegistry::openHoravaneWindow, update);
        timer.start();
        update.start();
        // Time passing: a wake-up at each instant the timer is armed for.
        const auto run = [&](milliseconds length) {
            const system_clock::time_point to = clock.now() + length;
            for (; timer.armedAim() && *timer.armedAim() <= to; timer.wake())
                clock.set(*timer.armedAim());
            clock.set(to);
        };
        run(1000ms);
        if (paused)
            timer.stop();
        clock.advance(milliseconds(jumpMs));
        paused ? timer.start() : timer.wake();   // setting the clock wakes the timer at once
        run(2000ms);
        shown.prepend(u"05T20:36:42.000"_s);
        QCOMPARE(g_log, shown);
    }
};

QTEST_MAIN(TestClockSteps)
#include "tst_clocksteps.moc"
