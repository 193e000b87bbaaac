#include "ClockService.h"

#include "ClockServiceAdaptor.h"
#include "Snapshot.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {
const QString serviceName = u"org.horavane.Horavane"_s;
const QString objectPath = u"/org/horavane/Horavane"_s;
const QString interfaceName = u"org.horavane.Horavane1"_s;
} // namespace

ClockService::ClockService(std::function<ClockReading()> readNow, QObject *parent)
    : QObject(parent)
    , m_readNow(std::move(readNow))
{
    new ClockServiceAdaptor(this);
}

bool ClockService::registerOn(QDBusConnection connection)
{
    if (!connection.isConnected()) {
        qWarning("horavane: no session bus (%s): other programs cannot read the clock over D-Bus",
            qPrintable(connection.lastError().message()));
        return false;
    }
    publish(m_readNow());
    if (!connection.registerObject(objectPath, this, QDBusConnection::ExportAdaptors)) {
        qWarning("horavane: cannot put the clock on the session bus at %s", qPrintable(objectPath));
        return false;
    }
    // No queueing and no replacing: the name belongs to the Horavane that runs, and a second
    // start hands over to it before it comes this far.
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = connection.interface()->registerService(
        serviceName, QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid() || reply.value() != QDBusConnectionInterface::ServiceRegistered) {
        qWarning("horavane: the session bus name %s is taken: other programs cannot read this clock",
            qPrintable(serviceName));
        connection.unregisterObject(objectPath);
        return false;
    }
    m_connection = connection;
    return true;
}

void ClockService::publish(const ClockReading &reading)
{
    State next = m_state;
    const auto *position = std::get_if<ObserverPosition>(&reading.observer);
    next.position = position ? std::optional(*position) : std::nullopt;
    next.source = reading.settings.source;
    next.dut1Source = dut1SourceToken(reading.time.ut1);
    next.clockSynchronised = reading.time.clock && reading.time.clock->synchronised;
    change(std::move(next));
}

void ClockService::setNightVision(bool on)
{
    State next = m_state;
    next.nightVision = on;
    change(std::move(next));
}

double ClockService::latitude() const
{
    return m_state.position ? m_state.position->latitude : std::numeric_limits<double>::quiet_NaN();
}

double ClockService::longitude() const
{
    return m_state.position ? m_state.position->longitude : std::numeric_limits<double>::quiet_NaN();
}

QString ClockService::source() const
{
    return sourceToken(m_state.source);
}

QString ClockService::dut1Source() const
{
    return m_state.dut1Source;
}

QVariantMap ClockService::Now()
{
    const ClockReading reading = m_readNow();
    publish(reading);
    return snapshotMap(snapshotOf(reading));
}

void ClockService::change(State next)
{
    QVariantMap changed;
    if (next.position != m_state.position) {
        m_state.position = next.position;
        changed.insert(u"Latitude"_s, latitude());
        changed.insert(u"Longitude"_s, longitude());
    }
    if (next.source != m_state.source) {
        m_state.source = next.source;
        changed.insert(u"Source"_s, source());
    }
    if (next.dut1Source != m_state.dut1Source) {
        m_state.dut1Source = std::move(next.dut1Source);
        changed.insert(u"Dut1Source"_s, m_state.dut1Source);
    }
    if (next.clockSynchronised != m_state.clockSynchronised) {
        m_state.clockSynchronised = next.clockSynchronised;
        changed.insert(u"ClockSynchronised"_s, m_state.clockSynchronised);
    }
    if (next.nightVision != m_state.nightVision) {
        m_state.nightVision = next.nightVision;
        changed.insert(u"NightVision"_s, m_state.nightVision);
    }
    if (changed.isEmpty() || !m_connection)
        return;
    QDBusMessage signal
        = QDBusMessage::createSignal(objectPath, u"org.freedesktop.DBus.Properties"_s, u"PropertiesChanged"_s);
    signal << interfaceName << changed << QStringList();
    m_connection->send(signal);
}
