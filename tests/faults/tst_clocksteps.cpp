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

// While the wall clock jumps, the time shown next is right at once or at the next second flip,
// and missed seconds are not caught up in a burst. How the timer itself meets each jump is
// tested with the repeater; here it is the tick and the window that must follow it.
class TestClockSteps : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { releaseClockWindows(); }

    void showsTheRightSecondNext_data()
    {
        QTest::addColumn<qint64>("jumpMs");      // after a first second from 20:36:41.250
        QTest::addColumn<bool>("paused");        // the master timer stopped across the jump
        QTest::addColumn<QStringList>("shown");  // the UTC texts after the first, 20:36:42.000, in two seconds more
        const auto at = [](const char *time) -> QString { return u"2026-12-"_s + QLatin1StringView(time) + u'Z'; };
        // A process stopped for a while wakes late just as after a step forward.
        QTest::newRow("forward a day: at once, no burst") << qint64(86'400'000) << false
            << QStringList{at("06T20:36:42.250"), at("06T20:36:43.000"), at("06T20:36:44.000")};
        QTest::newRow("back an hour: at the flip") << qint64(-3'600'000) << false
            << QStringList{at("05T19:36:43.000"), at("05T19:36:44.000")};
        QTest::newRow("paused 5 s") << qint64(5000) << true << QStringList{at("05T20:36:48.000"), at("05T20:36:49.000")};
    }

    void showsTheRightSecondNext()
    {
        QFETCH(qint64, jumpMs);
        QFETCH(bool, paused);
        QFETCH(QStringList, shown);

        FakeClock clock(system_clock::time_point(1796503001250ms));
        AppUtils::MasterTimer timer(clock);
        ClockUpdate update(timer);
        TestObserver observer;
        const auto controller = makeClockWindow<WatchedWindow>(clock, observer.locate());
        controller->showWindow();
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
        shown.prepend(u"2026-12-05T20:36:42.000Z"_s);
        QCOMPARE(static_cast<WatchedWindow &>(*controller).shown, shown);
    }
};

QTEST_MAIN(TestClockSteps)
#include "tst_clocksteps.moc"
