#pragma once

#include <QByteArrayView>
#include <QString>

#include <QtGlobal>
#include <chrono>
#include <optional>

// What the time-synchronisation daemon says the system clock follows, and how well.
struct ClockSync
{
    enum class Daemon { chrony, timesyncd };
    enum class Leap { none, insertSecond, deleteSecond }; // announced for the end of this UTC day

    Daemon daemon = Daemon::chrony;
    QString reference; // a server's name or address, or a reference clock's id ("PPS", "GPS")
    int stratum = 0; // 1 for a reference clock, one more for each server in between
    // Reference minus system clock: positive while the system clock is behind. None when the
    // daemon does not say.
    std::optional<std::chrono::duration<double>> offset;
    // How far the system clock can be from true time at most, the reference taken as right:
    // |offset| + root dispersion + root delay / 2, as chronyc(1) defines it.
    std::chrono::duration<double> errorBound{};
    Leap leap = Leap::none;

    bool operator==(const ClockSync &) const = default;
};

// The answer of `chronyc -c -n tracking` (one line of comma-separated values: reference id,
// reference name, stratum, reference time, system time offset, last offset, RMS offset,
// frequency, residual frequency, skew, root delay, root dispersion, update interval, leap
// status). nullopt for anything else, and for a daemon that is not synchronised.
std::optional<ClockSync> clockSyncFromChrony(QByteArrayView csv);

// systemd-timesyncd's last NTP answer, as its NTPMessage property gives it (D-Bus signature
// "(uuuuittayttttbtt)"); times in microseconds.
struct NtpMessage
{
    quint32 leap = 0, version = 0, mode = 0, stratum = 0;
    qint32 precision = 0;
    quint64 rootDelay = 0, rootDispersion = 0;
    QByteArray referenceId;
    // Client's origin, server's receive and transmit, client's destination: T1, T2, T3, T4.
    quint64 origin = 0, receive = 0, transmit = 0, destination = 0;
    bool spike = false;
    quint64 packetCount = 0, jitter = 0;
};

// The synchronisation that message describes, with the server named by serverName: the offset
// is ((T2 − T1) + (T3 − T4)) / 2. nullopt for an unsynchronised server (leap 3, stratum 0 or
// 16 and above) or a message without its four times.
std::optional<ClockSync> clockSyncFromNtp(const NtpMessage &message, const QString &serverName);
