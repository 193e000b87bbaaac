// A day of ticks in a couple of minutes: both windows open on a fake clock that the loop moves
// one second at a time through the master timer, with every repaint drawn. Memory and open
// descriptors must stay flat.
//
//   soakday [hours]   (default 24; the fake day starts 2026-03-28T12:00Z, so with
//                      TZ=Europe/London it crosses the change to summer time)
//
// Prints "<hour> <RSS KiB> <open descriptors>" after a warm-up minute and then every fake
// hour, then "summary <start KiB> <end KiB> <max growth KiB> <start fds> <end fds>".
#include "OpenWindows.h"
#include "engine/ClockUpdate.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstdio>

using namespace std::chrono_literals;

namespace {

qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

qsizetype openDescriptors()
{
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size();
}

} // namespace

int main(int argc, char *argv[])
{
    const int hours = argc > 1 ? std::max(1, std::atoi(argv[1])) : 24;
    QTemporaryDir home;
    OpenWindows::prepareEnvironment(home);
    QApplication app(argc, argv);
    OpenWindows windows(std::chrono::sys_days(std::chrono::year(2026) / 3 / 28) + 12h);
    AppUtils::MasterTimer &timer = windows.timer();
    timer.start();
    windows.tick().start();

    const auto oneSecond = [&] {
        windows.clock().advance(1s);
        timer.wake();
        QCoreApplication::processEvents(); // paints, deferred deletes, anything queued
    };
    for (int s = 0; s < 60; ++s)
        oneSecond();

    const qint64 startKiB = residentKiB();
    const qsizetype startFds = openDescriptors();
    qint64 maxKiB = startKiB;
    qint64 endKiB = startKiB;
    qsizetype endFds = startFds;
    std::printf("0 %lld %lld\n", startKiB, static_cast<long long>(startFds));
    for (int hour = 1; hour <= hours; ++hour) {
        for (int s = 0; s < 3600; ++s)
            oneSecond();
        endKiB = residentKiB();
        endFds = openDescriptors();
        maxKiB = std::max(maxKiB, endKiB);
        std::printf("%d %lld %lld\n", hour, endKiB, static_cast<long long>(endFds));
        std::fflush(stdout);
    }
    std::printf("summary %lld %lld %lld %lld %lld\n", startKiB, endKiB, maxKiB - startKiB,
        static_cast<long long>(startFds), static_cast<long long>(endFds));
    return 0;
}
