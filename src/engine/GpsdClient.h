#pragma once

#include "GpsdReport.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <QTimer>

#include <chrono>
#include <optional>

// What the GPS receiver says now, as the clocks show it.
struct GpsState
{
    enum class Fix { none, twoD, threeD };

    Fix fix = Fix::none;
    std::optional<double> altitude; // metres above mean sea level, with a 3-D fix
    std::optional<int> satellitesUsed; // once gpsd has reported the sky
    // True time minus the system clock, in seconds (positive: the clock is slow); from the
    // pulse while pulses come, else from the receiver's messages.
    std::optional<double> timeOffset;

    bool operator==(const GpsState &) const = default;
};

// A client of gpsd: it asks for every report and keeps the latest of each kind. gpsd's own
// reports are its only wake-ups while connected; when gpsd is absent, goes or restarts, it tries
// again after 1 s, then twice as long each time, up to a minute. Main thread only.
class GpsdClient : public QObject
{
    Q_OBJECT

public:
    enum class Link {
        connecting, // the first attempt has not been answered
        connected, // gpsd answered and the watch was asked for
        absent, // refused, unreachable, or gone; trying again later
    };

    // Connects at once.
    GpsdClient(QString host, quint16 port);
    ~GpsdClient() override;

    Link link() const { return m_link; }
    // The latest TPV with a fix since the client was made, kept when gpsd goes or loses the
    // fix: the observer has not moved with it.
    const std::optional<GpsdFix> &lastFix() const { return m_lastFix; }
    // While connected: the latest reports; none otherwise.
    std::optional<GpsState> state() const;
    int satellitesSeen() const { return m_satellites ? m_satellites->seen : 0; }

    // The longest line kept; a longer one is dropped up to its newline without being held.
    static constexpr qsizetype maxLineLength = 64 * 1024;

private:
    void connectToGpsd();
    void connected();
    void lost();
    void readLines();
    void take(const GpsdReport &report);

    const QString m_host;
    const quint16 m_port;
    QTcpSocket m_socket;
    QTimer m_retry;
    std::chrono::milliseconds m_retryDelay;
    Link m_link = Link::connecting;
    bool m_waitingToRetry = false; // lost, until the next attempt
    QByteArray m_line; // the part of a line read so far
    bool m_skippingLine = false; // in a line longer than maxLineLength
    std::optional<GpsdFix> m_lastFix;
    int m_mode = 0; // of the latest TPV
    std::optional<GpsdSatellites> m_satellites;
    std::optional<GpsdTimeOffset> m_offset;
    bool m_pulseSinceMessage = false; // a PPS report came after the last TOFF
};
