#include "Follow.h"

#include "HeadlessClock.h"
#include "TerminationSignals.h"

#include <AppUtils/Repeater.h>

#include <QCoreApplication>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

using namespace std::chrono_literals;

LineOutput::LineOutput(int fd)
    : m_fd(fd)
    , m_flags(::fcntl(fd, F_GETFL))
{
    if (m_flags != -1)
        ::fcntl(fd, F_SETFL, m_flags | O_NONBLOCK);
}

LineOutput::~LineOutput()
{
    // A terminal's descriptor is shared with the shell, which would find it non-blocking.
    if (m_flags != -1)
        ::fcntl(m_fd, F_SETFL, m_flags);
}

LineOutput::Result LineOutput::write(const QByteArray &line)
{
    Result result = Result::written;
    if (!m_rest.isEmpty()) {
        m_rest.remove(0, send(m_rest, result));
        if (result != Result::written)
            return result;
        if (!m_rest.isEmpty())
            return Result::dropped;
    }
    const qsizetype sent = send(line, result);
    if (result != Result::written)
        return result;
    if (sent == 0)
        return Result::dropped;
    m_rest = line.sliced(sent); // empty once the line went whole
    return Result::written;
}

qsizetype LineOutput::send(QByteArrayView bytes, Result &result)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.data() + sent, static_cast<size_t>(bytes.size() - sent));
        if (n >= 0) {
            sent += n;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            break; // the reader has no room
        } else if (errno != EINTR) {
            result = errno == EPIPE ? Result::closed : Result::failed;
            break;
        }
    }
    return sent;
}

QByteArray FollowFormat::lineOf(const ClockReading &reading) const
{
    const std::vector<SnapshotEntry> snapshot = snapshotOf(reading);
    switch (kind) {
    case Kind::json:
        return snapshotJson(snapshot);
    case Kind::waybar:
        return waybarJson(text.textOf(snapshot), snapshot, healthClass(reading));
    case Kind::text:
        break;
    }
    return text.textOf(snapshot).toUtf8() + '\n';
}

int follow(const FollowFormat &format)
{
    // A reader that goes away is the normal end: noticed as EPIPE, not as a signal.
    std::signal(SIGPIPE, SIG_IGN);
    LineOutput output(STDOUT_FILENO);
    AppUtils::MasterTimer timer;
    HeadlessClock clock(timer, &PositionSource::createDefault);
    const TerminationSignals signals;
    QObject::connect(&signals, &TerminationSignals::received, [] { QCoreApplication::exit(0); });
    AppUtils::Repeater second(timer);
    second.start(1s, [&](std::chrono::system_clock::time_point now) {
        switch (output.write(format.lineOf(clock.readingAt(now, ReadingFor::clockFace)))) {
        case LineOutput::Result::written:
        case LineOutput::Result::dropped:
            return;
        case LineOutput::Result::closed:
            break;
        case LineOutput::Result::failed:
            std::fprintf(stderr, "horavane: cannot write the output: %s\n", std::strerror(errno));
            QCoreApplication::exit(1);
            second.stop();
            return;
        }
        QCoreApplication::exit(0);
        second.stop();
    });
    timer.start();
    const int status = QCoreApplication::exec();
    timer.stop();
    return status;
}
