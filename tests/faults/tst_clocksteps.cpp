#include "FakeClock.h"
#include "TestPane.h"
#include "digital/HoravaneWindow.h"
#include "engine/ClockUpdate.h"
#include "engine/Location.h"
#include "engine/WindowRegistry.h"

#include <AppUtils/MasterTimer.h>

#include <QLabel>
#include <QMainWindow>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono;
using namespace std::chrono_literals;

namespace {

// What happens to the wall clock, as the kernel's alarm would report it to the master timer.
struct Move
{
    enum Kind {
        Run,      // time passes: a wake-up at each instant the timer is armed for
        Step,     // the clock is set: the alarm is cancelled, which wakes the timer at once
        Freeze,   // the process is stopped, then resumed: one late wake-up
        Pause,    // the master timer is stopped, then started again
    };
    Kind kind;
    qint64 ms;   // how far the clock moves; negative: set back
};
using Moves = QList<Move>;

// The digital window, keeping the UTC text of each refresh.
class WatchedWindow : public HoravaneWindow
{
public:
    using HoravaneWindow::HoravaneWindow;

    void update() override
    {
        HoravaneWindow::update();
        shown.append(window()->findChild<QLabel *>(u"m_utc"_s)->text());
    }

    QStringList shown;
};

} // namespace

Q_DECLARE_METATYPE(Move)

// The one-second tick and the digital window while the wall clock jumps: the time shown next
// is right at once or at the next second flip, no second shows twice in a row, and missed
// seconds are not caught up in a burst.
class TestClockSteps : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void showsTheRightSecondNext_data();
    void showsTheRightSecondNext();
};

void TestClockSteps::cleanup()
{
    windowRegistry() = {};
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestClockSteps::showsTheRightSecondNext_data()
{
    QTest::addColumn<Moves>("moves");
    QTest::addColumn<QStringList>("shown");   // the UTC text of every refresh

    // Every row starts at 2026-12-05T20:36:41.250Z and first runs for one second.
    const QString tick = u"2026-12-05T20:36:42.000Z"_s;
    QTest::newRow("steady") << Moves{{Move::Run, 1000}, {Move::Run, 2000}}
                            << QStringList{tick, u"2026-12-05T20:36:43.000Z"_s, u"2026-12-05T20:36:44.000Z"_s};
    QTest::newRow("forward an hour: shown at once")
        << Moves{{Move::Run, 1000}, {Move::Step, 3'600'000}, {Move::Run, 1000}}
        << QStringList{tick, u"2026-12-05T21:36:42.250Z"_s, u"2026-12-05T21:36:43.000Z"_s};
    QTest::newRow("forward a day: shown at once")
        << Moves{{Move::Run, 1000}, {Move::Step, 86'400'000}, {Move::Run, 1000}}
        << QStringList{tick, u"2026-12-06T20:36:42.250Z"_s, u"2026-12-06T20:36:43.000Z"_s};
    QTest::newRow("back an hour: at the next flip")
        << Moves{{Move::Run, 1000}, {Move::Step, -3'600'000}, {Move::Run, 2000}}
        << QStringList{tick, u"2026-12-05T19:36:43.000Z"_s, u"2026-12-05T19:36:44.000Z"_s};
    QTest::newRow("back a day: at the next flip")
        << Moves{{Move::Run, 1000}, {Move::Step, -86'400'000}, {Move::Run, 1000}}
        << QStringList{tick, u"2026-12-04T20:36:43.000Z"_s};
    QTest::newRow("back 0.6 s: the second shown is not shown again")
        << Moves{{Move::Run, 1000}, {Move::Step, -600}, {Move::Run, 2000}}
        << QStringList{tick, u"2026-12-05T20:36:43.000Z"_s};
    QTest::newRow("forward an hour, then back")
        << Moves{{Move::Run, 1000}, {Move::Step, 3'600'000}, {Move::Step, -3'600'000}, {Move::Run, 1000}}
        << QStringList{tick, u"2026-12-05T21:36:42.250Z"_s, u"2026-12-05T20:36:43.000Z"_s};
    QTest::newRow("stopped 5 s: one refresh, no catch-up")
        << Moves{{Move::Run, 1000}, {Move::Freeze, 5000}, {Move::Run, 1000}}
        << QStringList{tick, u"2026-12-05T20:36:47.250Z"_s, u"2026-12-05T20:36:48.000Z"_s};
    QTest::newRow("tick paused 5 s: from the next flip on")
        << Moves{{Move::Run, 1000}, {Move::Pause, 5000}, {Move::Run, 2000}}
        << QStringList{tick, u"2026-12-05T20:36:48.000Z"_s, u"2026-12-05T20:36:49.000Z"_s};
}

void TestClockSteps::showsTheRightSecondNext()
{
    QFETCH(Moves, moves);
    QFETCH(QStringList, shown);

    FakeClock clock(system_clock::time_point(1796503001250ms));
    AppUtils::MasterTimer timer(clock);
    ClockUpdate update(timer);
    TestPane pane;
    Location location(std::make_unique<PositionSource>(nullptr), pane.pane());
    const auto controller = makeClockWindow<WatchedWindow>(clock, [&]() -> Location & { return location; });
    controller->showWindow();
    timer.start();
    update.start();

    for (const Move &move : std::as_const(moves)) {
        const system_clock::time_point to = clock.now() + milliseconds(move.ms);
        switch (move.kind) {
        case Move::Run:
            while (timer.armedAim() && *timer.armedAim() <= to) {
                clock.set(*timer.armedAim());
                timer.wake();
            }
            clock.set(to);
            break;
        case Move::Step:
        case Move::Freeze:
            clock.set(to);
            timer.wake();
            break;
        case Move::Pause:
            timer.stop();
            clock.set(to);
            timer.start();
            break;
        }
    }
    QCOMPARE(static_cast<WatchedWindow &>(*controller).shown, shown);
}

QTEST_MAIN(TestClockSteps)
#include "tst_clocksteps.moc"
