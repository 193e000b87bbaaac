// The cost of working out one observer's night, and of one skyAt() from it.
//
//   nightcost [nights]   (default 50)
//
// Prints one line per measure: <name> <median µs> <p10 µs> <p90 µs>, in processor time of the
// thread. "nightOf" works out one night at 52.5° N 13.4° E in Europe/Berlin, a different date
// each round; "skyAt" is one call, second after second through that night (timed over 1000
// calls and divided).
#include <sky/Night.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

double cpuMicros()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e6 + double(ts.tv_nsec) * 1e-3;
}

void report(const char *name, std::vector<double> micros)
{
    std::sort(micros.begin(), micros.end());
    const auto at = [&micros](double p) { return micros[std::size_t(p * double(micros.size() - 1))]; };
    std::printf("%s %.3f %.3f %.3f\n", name, at(0.5), at(0.1), at(0.9));
}

} // namespace

int main(int argc, char **argv)
{
    const int nights = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    const QTimeZone zone("Europe/Berlin");
    std::vector<double> nightOfMicros, skyAtMicros;
    double sink = 0;
    for (int i = 0; i < nights; ++i) {
        const double begin = cpuMicros();
        const std::optional<Night> night = nightOf(QDate(2026, 1, 1).addDays(i * 7), zone, 52.5, 13.4, 0.1);
        nightOfMicros.push_back(cpuMicros() - begin);
        if (!night)
            return 1;
        constexpr int calls = 1000;
        const auto first = night->start + std::chrono::seconds(i * 60);
        const double between = cpuMicros();
        for (int s = 0; s < calls; ++s)
            sink += skyAt(*night, first + std::chrono::seconds(s)).moonAltitude;
        skyAtMicros.push_back((cpuMicros() - between) / calls);
    }
    report("nightOf", nightOfMicros);
    report("skyAt", skyAtMicros);
    return sink == 12345.678 ? 2 : 0; // keeps the calls from being optimised away
}
