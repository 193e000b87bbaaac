#include "ClockSync.h"

#include <QByteArray>
#include <QList>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Longer than any host name (253) or address: anything longer is not a reference's name.
constexpr qsizetype longestReference = 255;

bool isPrintable(const QString &name)
{
    if (name.isEmpty() || name.size() > longestReference)
        return false;
    for (const QChar c : name)
        if (!c.isPrint())
            return false;
    return true;
}

std::optional<double> finiteNumber(const QByteArray &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

// The bound chronyc(1) gives: |offset| + root dispersion + root delay / 2, all in seconds.
std::chrono::duration<double> errorBoundOf(double offset, double rootDelay, double rootDispersion)
{
    return std::chrono::duration<double>(std::abs(offset) + rootDispersion + rootDelay / 2);
}

} // namespace

std::optional<ClockSync> clockSyncFromChrony(QByteArrayView csv)
{
    QByteArray line = csv.toByteArray();
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.contains('\n') || line.contains('\0'))
        return std::nullopt;
    const QList<QByteArray> fields = line.split(',');
    if (fields.size() != 14)
        return std::nullopt;
    ClockSync sync;
    sync.daemon = ClockSync::Daemon::chrony;
    const QByteArray &leap = fields[13];
    if (leap == "Insert second")
        sync.leap = ClockSync::Leap::insertSecond;
    else if (leap == "Delete second")
        sync.leap = ClockSync::Leap::deleteSecond;
    else if (leap != "Normal")
        return std::nullopt; // "Not synchronised", or not chrony's answer
    bool ok = false;
    sync.stratum = fields[2].toInt(&ok);
    sync.reference = QString::fromUtf8(fields[1]);
    const std::optional<double> offset = finiteNumber(fields[4]);
    const std::optional<double> rootDelay = finiteNumber(fields[10]);
    const std::optional<double> rootDispersion = finiteNumber(fields[11]);
    if (!ok || sync.stratum < 1 || sync.stratum > 15 || !isPrintable(sync.reference) || !offset || !rootDelay
        || !rootDispersion || *rootDelay < 0 || *rootDispersion < 0)
        return std::nullopt;
    sync.offset = std::chrono::duration<double>(*offset);
    sync.errorBound = errorBoundOf(*offset, *rootDelay, *rootDispersion);
    return sync;
}

std::optional<ClockSync> clockSyncFromNtp(const NtpMessage &message, const QString &serverName)
{
    // Leap indicator 3 is the server's own "not synchronised"; stratum 0 a refusal.
    if (message.leap == 3 || message.stratum == 0 || message.stratum >= 16 || !isPrintable(serverName)
        || message.origin == 0 || message.receive == 0 || message.transmit == 0 || message.destination == 0)
        return std::nullopt;
    const auto microseconds = [](quint64 later, quint64 earlier) { return double(qint64(later - earlier)) / 1e6; };
    const double offset = (microseconds(message.receive, message.origin) + microseconds(message.transmit, message.destination)) / 2;
    ClockSync sync;
    sync.daemon = ClockSync::Daemon::timesyncd;
    sync.reference = serverName;
    sync.stratum = int(message.stratum) + 1; // the system clock's, one below its server's
    sync.offset = std::chrono::duration<double>(offset);
    sync.errorBound = errorBoundOf(offset, double(message.rootDelay) / 1e6, double(message.rootDispersion) / 1e6);
    sync.leap = message.leap == 1 ? ClockSync::Leap::insertSecond
        : message.leap == 2       ? ClockSync::Leap::deleteSecond
                                  : ClockSync::Leap::none;
    return sync;
}
