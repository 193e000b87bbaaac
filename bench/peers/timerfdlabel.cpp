// A bare Qt Widgets clock that ticks the way Horavane does: one label, rewritten when an
// absolute timerfd on CLOCK_REALTIME rings at the next whole second, watched by a
// QSocketNotifier and aimed again after each ring. TFD_TIMER_CANCEL_ON_SET makes a clock step
// ring it at once. The yardstick the benchmarks hold Horavane against: the same tick, the
// least a Qt program can draw on it.
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {

constexpr int alarmFlags = TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET;

// Aims the alarm at the next whole second of CLOCK_REALTIME.
void aim(int alarm)
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    itimerspec at{};
    at.it_value.tv_sec = now.tv_sec + 1;
    if (timerfd_settime(alarm, alarmFlags, &at, nullptr) == 0)
        return;
    if (errno == ECANCELED) { // the clock was set since the last ring: ring at once
        at.it_value = {0, 1};
        if (timerfd_settime(alarm, alarmFlags, &at, nullptr) == 0)
            return;
    }
    std::fprintf(stderr, "timerfdlabel: timerfd_settime: %s\n", std::strerror(errno));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label;
    label.setWindowTitle(QStringLiteral("timerfd label clock"));
    label.setMinimumWidth(200);
    const auto show = [&label] { label.setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz"))); };
    show();

    const int alarm = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (alarm == -1) {
        std::fprintf(stderr, "timerfdlabel: timerfd_create: %s\n", std::strerror(errno));
        return 1;
    }
    QSocketNotifier notifier(alarm, QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &label, [alarm, &show] {
        std::uint64_t expirations = 0;
        // ECANCELED: the clock was set; the next aim reads it afresh.
        if (::read(alarm, &expirations, sizeof expirations) == -1 && errno != ECANCELED)
            return;
        show();
        aim(alarm);
    });
    aim(alarm);
    label.show();
    const int status = QApplication::exec();
    ::close(alarm);
    return status;
}
