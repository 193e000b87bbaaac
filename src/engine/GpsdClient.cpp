#include "GpsdClient.h"

#include <QSignalBlocker>

#include <algorithm>

using namespace std::chrono_literals;

namespace {

constexpr std::chrono::milliseconds firstRetry = 1s;
constexpr std::chrono::milliseconds longestRetry = 1min;
// A host that swallows the attempt would otherwise keep it waiting for minutes.
constexpr std::chrono::milliseconds connectDeadline = 10s;

} // namespace

GpsdClient::GpsdClient(QString host, quint16 port)
    : m_host(std::move(host))
    , m_port(port)
    , m_retryDelay(firstRetry)
{
    m_socket.setReadBufferSize(maxLineLength);
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, [this] {
        if (m_socket.state() == QAbstractSocket::UnconnectedState)
            connectToGpsd();
        else
            lost(); // the attempt took too long
    });
    connect(&m_socket, &QTcpSocket::connected, this, &GpsdClient::connected);
    connect(&m_socket, &QTcpSocket::disconnected, this, &GpsdClient::lost);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &GpsdClient::lost);
    connect(&m_socket, &QTcpSocket::readyRead, this, &GpsdClient::readLines);
    connectToGpsd();
}

GpsdClient::~GpsdClient()
{
    const QSignalBlocker quiet(m_socket);
    m_socket.abort();
}

std::optional<GpsState> GpsdClient::state() const
{
    if (m_link != Link::connected)
        return std::nullopt;
    GpsState state;
    if (m_mode >= 2)
        state.fix = m_mode == 3 ? GpsState::Fix::threeD : GpsState::Fix::twoD;
    if (m_mode == 3 && m_lastFix)
        state.altitude = m_lastFix->altitude;
    if (m_satellites)
        state.satellitesUsed = m_satellites->used;
    if (m_offset)
        state.timeOffset = m_offset->seconds;
    return state;
}

void GpsdClient::connectToGpsd()
{
    m_waitingToRetry = false;
    m_socket.connectToHost(m_host, m_port);
    m_retry.start(connectDeadline);
}

void GpsdClient::connected()
{
    m_retry.stop();
    m_link = Link::connected;
    m_socket.write(R"(?WATCH={"enable":true,"json":true,"pps":true})"
                   "\n");
}

// What gpsd said goes with it; the fix stays (see lastFix()).
void GpsdClient::lost()
{
    if (m_waitingToRetry)
        return; // already counted: an error and the disconnection it brings
    m_waitingToRetry = true;
    m_link = Link::absent;
    m_mode = 0;
    m_satellites.reset();
    m_offset.reset();
    m_pulseSinceMessage = false;
    m_line.clear();
    m_skippingLine = false;
    {
        const QSignalBlocker quiet(m_socket);
        m_socket.abort();
    }
    m_retry.start(m_retryDelay);
    m_retryDelay = std::min(m_retryDelay * 2, longestRetry);
}

void GpsdClient::readLines()
{
    char chunk[4096];
    for (qint64 n; (n = m_socket.read(chunk, sizeof chunk)) > 0;) {
        QByteArrayView data(chunk, n);
        while (!data.isEmpty()) {
            const qsizetype end = data.indexOf('\n');
            const QByteArrayView part = end < 0 ? data : data.first(end);
            if (!m_skippingLine && m_line.size() + part.size() > maxLineLength) {
                m_skippingLine = true;
                m_line.clear();
            } else if (!m_skippingLine) {
                m_line.append(part);
            }
            if (end < 0)
                break;
            if (!m_skippingLine)
                take(readGpsdLine(m_line));
            m_line.clear();
            m_skippingLine = false;
            data = data.sliced(end + 1);
        }
    }
}

void GpsdClient::take(const GpsdReport &report)
{
    if (std::holds_alternative<GpsdMalformed>(report))
        return;
    m_retryDelay = firstRetry; // it speaks gpsd: a later loss is news, worth a quick retry
    if (const auto *fix = std::get_if<GpsdFix>(&report)) {
        m_mode = fix->mode;
        if (fix->mode >= 2)
            m_lastFix = *fix;
    } else if (const auto *satellites = std::get_if<GpsdSatellites>(&report)) {
        m_satellites = *satellites;
    } else if (const auto *offset = std::get_if<GpsdTimeOffset>(&report)) {
        // The pulse while it comes, between the messages' reports; a message's time once it stops.
        if (offset->pulse || !m_pulseSinceMessage)
            m_offset = *offset;
        m_pulseSinceMessage = offset->pulse;
    }
}
