#include "FakeClock.h"
#include "TestObserver.h"
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

// What the wall clock does, as the kernel's alarm would report it to the master timer.
struct Move
{
    enum Kind {
        Run,      // time passes: a wake-up at each instant the timer is armed for
        Step,     // the clock is set, which wakes the timer at once
        Pause,    // the master timer is stopped, then started again
    } kind;
    qint64 ms;    // negative: set back
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

// While the wall clock jumps, the time shown next is right at once or at the next second flip,
// no second shows twice in a row, and missed seconds are not caught up in a burst.
class TestClockSteps : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { releaseClockWindows(); }

    void showsTheRightSecondNext_data()
    {
        QTest::addColumn<Moves>("moves");       // after a first second of Run from 20:36:41.250
        QTest::addColumn<QStringList>("shown"); // the UTC texts after the first, 20:36:42.000
        const auto at = [](const char *time) -> QString { return u"2026-12-"_s + QLatin1StringView(time) + u'Z'; };
        // A process stopped for a while wakes late just as after a step forward: one refresh, no burst.
        QTest::newRow("forward a day: at once") << Moves{{Move::Step, 86'400'000}, {Move::Run, 1000}}
                                                << QStringList{at("06T20:36:42.250"), at("06T20:36:43.000")};
        QTest::newRow("back: at the flip") << Moves{{Move::Step, -3'600'000}, {Move::Run, 2000}}
                                           << QStringList{at("05T19:36:43.000"), at("05T19:36:44.000")};
        QTest::newRow("back 0.6 s: no repeat") << Moves{{Move::Step, -600}, {Move::Run, 2000}}
                                               << QStringList{at("05T20:36:43.000")};
        QTest::newRow("paused 5 s") << Moves{{Move::Pause, 5000}, {Move::Run, 2000}}
                                    << QStringList{at("05T20:36:48.000"), at("05T20:36:49.000")};
    }

    void showsTheRightSecondNext()
    {
        QFETCH(Moves, moves);
        QFETCH(QStringList, shown);

        FakeClock clock(system_clock::time_point(1796503001250ms));
        AppUtils::MasterTimer timer(clock);
        ClockUpdate update(timer);
        TestObserver observer;
        const auto controller = makeClockWindow<WatchedWindow>(clock, observer.locate());
        controller->showWindow();
        timer.start();
        update.start();
        moves.prepend({Move::Run, 1000});
        for (const Move &move : std::as_const(moves)) {
            const system_clock::time_point to = clock.now() + milliseconds(move.ms);
            if (move.kind == Move::Pause)
                timer.stop();
            while (move.kind == Move::Run && timer.armedAim() && *timer.armedAim() <= to) {
                clock.set(*timer.armedAim());
                timer.wake();
            }
            clock.set(to);
            if (move.kind == Move::Step)
                timer.wake();
            else if (move.kind == Move::Pause)
                timer.start();
        }
        shown.prepend(u"2026-12-05T20:36:42.000Z"_s);
        QCOMPARE(static_cast<WatchedWindow &>(*controller).shown, shown);
    }
};

QTEST_MAIN(TestClockSteps)
#include "tst_clocksteps.moc"
