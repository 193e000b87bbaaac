// The cost of one clock tick with both windows open, and of one sidereal time.
//
//   tickcost [ticks]                    (default 2000)
//   tickcost readouts <extra> [ticks]   (default 300)
//
// Prints one line per measure: <name> <median µs> <p10 µs> <p90 µs> <extra>, in processor
// time of the main thread. "tick" is
// ClockUpdate::tick() alone (both windows rewrite what they show); "tick+paint" adds the
// repaint that tick schedules, drawn as the event loop would draw it (extra: paint events
// per tick, every widget's); "sidereal" is one AppUtils::Sidereal::seconds call (the full nutation series);
// "sidereal-clock" one AppUtils::SiderealClock::at call, asked second after second as a
// tick asks it (extra: the worst difference from "sidereal" in µs of time); "sky-20" one
// TargetSky::places call for 20 targets, asked second after second (the star-independent part
// once a minute, extra: the worst of those seconds in µs); "tick+targets" and
// "tick+targets+paint" the tick and its repaint once the Targets window shows those 20 too.
//
// "readouts" adds <extra> read-outs under the digital window's, each given the UTC read-out's
// text every tick, and prints the "tick+paint" line alone. Its rounds are the function
// countedRounds, for callgrind to count alone (--toggle-collect): the instructions of one more
// read-out changing every second are the difference between two runs, divided.
#include "OpenWindows.h"
#include "engine/ClockUpdate.h"
#include "targets/TargetStore.h"
#include "targets/TargetsWindow.h"

#include <AppUtils/Sidereal.h>
#include <Extensions/Readout.h>

#include <QApplication>
#include <QBoxLayout>
#include <QMainWindow>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

using Extensions::Readout;

using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

namespace {

// Time this thread spent on the processor, in microseconds: the machine is shared, and wall
// time would count the moments another process had the core.
double cpuMicros()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e6 + double(ts.tv_nsec) * 1e-3;
}

class PaintCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

void report(const char *name, std::vector<double> micros, double extra)
{
    std::sort(micros.begin(), micros.end());
    const auto at = [&micros](double p) { return micros[std::size_t(p * double(micros.size() - 1))]; };
    std::printf("%s %.1f %.1f %.1f %.3g\n", name, at(0.5), at(0.1), at(0.9), extra);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Rounds
{
    std::vector<double> tickOnly;
    std::vector<double> tickAndPaint;
    std::vector<double> paintsPerTick;
};

// Each round moves the clock one second, ticks, gives each of extra the UTC read-out's new
// text, and draws the repaint all that scheduled.
Rounds tickRounds(OpenWindows &windows, PaintCounter &painted, const std::vector<Readout *> &extra, int ticks)
{
    const Readout &utc = *windows.digitalWindow().findChild<Readout *>(u"m_utc"_s);
    Rounds rounds;
    for (int i = 0; i < ticks; ++i) {
        windows.clock().advance(1s);
        painted.count = 0;
        const auto begin = cpuMicros();
        windows.tick().tick(windows.clock().now());
        for (Readout *readout : extra)
            readout->setText(utc.text());
        const auto ticked = cpuMicros();
        OpenWindows::paint();
        rounds.tickOnly.push_back(ticked - begin);
        rounds.tickAndPaint.push_back(cpuMicros() - begin);
        rounds.paintsPerTick.push_back(painted.count);
        QCoreApplication::processEvents(); // whatever else the loop would do between ticks
    }
    return rounds;
}

// The rounds callgrind counts; bench/run names this function.
[[gnu::noinline]] Rounds countedRounds(
    OpenWindows &windows, PaintCounter &painted, const std::vector<Readout *> &extra, int ticks)
{
    return tickRounds(windows, painted, extra, ticks);
}

// Adds count read-outs like the UTC one, in its font and as wide, under the digital window's.
std::vector<Readout *> addReadouts(OpenWindows &windows, int count)
{
    QMainWindow &window = windows.digitalWindow();
    const Readout &utc = *window.findChild<Readout *>(u"m_utc"_s);
    std::vector<Readout *> added;
    for (int i = 0; i < count; ++i) {
        auto *readout = new Readout;
        readout->setFont(utc.font());
        readout->reserveWidthFor({u"0000-00-00T00:00:00.000Z"_s});
        qobject_cast<QBoxLayout *>(window.centralWidget()->layout())->addWidget(readout);
        added.push_back(readout);
    }
    QCoreApplication::processEvents(); // the window grows to hold them
    return added;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool readoutsMode = argc > 2 && std::strcmp(argv[1], "readouts") == 0;
    const int extraReadouts = readoutsMode ? std::max(0, std::atoi(argv[2])) : 0;
    const int ticksArgument = readoutsMode ? 3 : 1;
    const int ticks = argc > ticksArgument ? std::max(10, std::atoi(argv[ticksArgument])) : readoutsMode ? 300 : 2000;
    QTemporaryDir home;
    OpenWindows::prepareEnvironment(home);
    QApplication app(argc, argv);
    OpenWindows windows(std::chrono::sys_days(std::chrono::year(2026) / 12 / 7) + 10h + 10min);
    PaintCounter painted;
    app.installEventFilter(&painted);
    if (readoutsMode) {
        const std::vector<Readout *> extra = addReadouts(windows, extraReadouts);
        tickRounds(windows, painted, extra, 10); // fonts and caches filled, as in a running clock
        const Rounds rounds = countedRounds(windows, painted, extra, ticks);
        report("tick+paint", rounds.tickAndPaint, median(rounds.paintsPerTick));
        return 0;
    }
    const Rounds rounds = tickRounds(windows, painted, {}, ticks);
    report("tick", rounds.tickOnly, 0);
    report("tick+paint", rounds.tickAndPaint, median(rounds.paintsPerTick));

    std::vector<double> sidereal;
    std::vector<double> siderealClock;
    AppUtils::SiderealClock clock;
    double worstMicros = 0;
    bool refused = false; // a refused instant would make the timing meaningless
    const qint64 from = 1796638230; // 2026-12-07T10:10:30Z
    for (qint64 s = from; s < from + 2 * ticks; ++s) {
        const auto begin = cpuMicros();
        const std::optional<double> full = AppUtils::Sidereal::seconds(s, -0.0005);
        const auto between = cpuMicros();
        const auto greenwich = clock.at(s, 0.0);
        const std::optional<double> interpolated
            = greenwich ? AppUtils::SiderealClock::atLongitude(greenwich->apparent, -0.0005) : std::nullopt;
        siderealClock.push_back(cpuMicros() - between);
        sidereal.push_back(between - begin);
        refused = refused || !full || !interpolated;
        if (full && interpolated)
            worstMicros = std::max(worstMicros, std::abs(std::remainder(*interpolated - *full, 86400.0)) * 1e6);
    }
    report("sidereal", sidereal, 0);
    report("sidereal-clock", siderealClock, worstMicros);

    // Twenty targets spread over the sky, from pole to pole.
    std::vector<Target> targets;
    for (int i = 0; i < maxTargets; ++i)
        targets.push_back({QString::number(i), i * 1.2, -85.0 + i * 9});
    TargetSky sky;
    std::vector<double> places;
    for (qint64 s = from; s < from + 2 * ticks; ++s) {
        const auto begin = cpuMicros();
        refused = refused || sky.places(s, 0, 0.1, 51.4769, -0.0005, targets).size() != targets.size();
        places.push_back(cpuMicros() - begin);
    }
    const double slowest = *std::max_element(places.begin(), places.end());
    report("sky-20", places, slowest);

    saveTargets(AppUtils::Defaults(), std::vector<TargetLine>(targets.begin(), targets.end()));
    const std::shared_ptr<ClockWindow> targetsWindow = makeClockWindow<TargetsWindow>(windows.tick());
    targetsWindow->showWindow();
    QCoreApplication::processEvents();
    const Rounds withTargets = tickRounds(windows, painted, {}, ticks);
    report("tick+targets", withTargets.tickOnly, 0);
    report("tick+targets+paint", withTargets.tickAndPaint, median(withTargets.paintsPerTick));
    return refused ? 1 : 0;
}
