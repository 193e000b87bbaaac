// The least a program can do for a panel each second: wake from an absolute timerfd on
// CLOCK_REALTIME at the whole second and write one line "UTC HH:MM:SS" to stdout, until the
// reader goes. The yardstick horavane --follow is held against (bench/follow).
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

int main()
{
    const int alarm = timerfd_create(CLOCK_REALTIME, TFD_CLOEXEC);
    if (alarm == -1) {
        std::perror("timerfdline: timerfd_create");
        return 1;
    }
    for (;;) {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        itimerspec at{};
        at.it_value.tv_sec = now.tv_sec + 1;
        timerfd_settime(alarm, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &at, nullptr);
        std::uint64_t expirations = 0;
        if (::read(alarm, &expirations, sizeof expirations) == -1 && errno != ECANCELED)
            return 1;
        clock_gettime(CLOCK_REALTIME, &now);
        std::tm utc{};
        gmtime_r(&now.tv_sec, &utc);
        char line[32];
        const int n = std::snprintf(line, sizeof line, "UTC %02d:%02d:%02d\n", utc.tm_hour, utc.tm_min, utc.tm_sec);
        if (::write(STDOUT_FILENO, line, static_cast<size_t>(n)) != n)
            return 0; // the reader went
    }
}
