// The cost of one clock tick with both windows open, and of one sidereal time.
//
//   tickcost [ticks]   (default 2000)
//
// Prints one line per measure: <name> <median µs> <p10 µs> <p90 µs> <extra>, in processor
// time of the main thread. "tick" is
// ClockUpdate::tick() alone (both windows rewrite what they show); "tick+paint" adds the
// repaint that tick schedules, drawn as the event loop would draw it (extra: widgets painted
// per tick); "sidereal" is one AppUtils::Sidereal::seconds call (the full nutation series);
// "sidereal-clock" one AppUtils::SiderealClock::at call, asked second after second as a
// tick asks it (extra: the worst difference from "sidereal" in µs of time); "sky-20" one
// TargetSky::places call for 20 targets, asked second after second (the star-independent part
// once a minute, extra: the worst of those seconds in µs); "tick+targets" and
// "tick+targets+paint" the tick and its repaint once the Targets window shows those 20 too.
#include "OpenWindows.h"
#include "engine/ClockUpdate.h"
#include "targets/TargetStore.h"
#include "targets/TargetsWindow.h"

#include <AppUtils/Sidereal.h>

#include <QApplication>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace std::chrono_literals;

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

} // namespace

int main(int argc, char *argv[])
{
    const int ticks = argc > 1 ? std::max(10, std::atoi(argv[1])) : 2000;
    QTemporaryDir home;
    OpenWindows::prepareEnvironment(home);
    QApplication app(argc, argv);
    OpenWindows windows(std::chrono::sys_days(std::chrono::year(2026) / 12 / 7) + 10h + 10min);
    ClockUpdate &update = windows.tick(); // its timer never started: tick() is called directly
    PaintCounter painted;
    app.installEventFilter(&painted);

    std::vector<double> tickOnly;
    std::vector<double> tickAndPaint;
    std::vector<double> paintsPerTick;
    for (int i = 0; i < ticks; ++i) {
        windows.clock().advance(1s);
        painted.count = 0;
        const auto begin = cpuMicros();
        update.tick(windows.clock().now());
        const auto ticked = cpuMicros();
        OpenWindows::paint();
        const auto drawn = cpuMicros();
        tickOnly.push_back(ticked - begin);
        tickAndPaint.push_back(drawn - begin);
        paintsPerTick.push_back(painted.count);
        QCoreApplication::processEvents(); // whatever else the loop would do between ticks
    }
    std::sort(paintsPerTick.begin(), paintsPerTick.end());
    report("tick", tickOnly, 0);
    report("tick+paint", tickAndPaint, paintsPerTick[paintsPerTick.size() / 2]);

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
    const std::shared_ptr<ClockWindow> targetsWindow = makeClockWindow<TargetsWindow>(update);
    targetsWindow->showWindow();
    QCoreApplication::processEvents();
    std::vector<double> withTargets;
    std::vector<double> withTargetsPainted;
    for (int i = 0; i < ticks; ++i) {
        windows.clock().advance(1s);
        const auto begin = cpuMicros();
        update.tick(windows.clock().now());
        const auto ticked = cpuMicros();
        OpenWindows::paint();
        withTargets.push_back(ticked - begin);
        withTargetsPainted.push_back(cpuMicros() - begin);
        QCoreApplication::processEvents();
    }
    report("tick+targets", withTargets, 0);
    report("tick+targets+paint", withTargetsPainted, 0);
    return refused ? 1 : 0;
}
