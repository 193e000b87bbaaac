#include "ClockService.h"

#include "ClockServiceAdaptor.h"
#include "Snapshot.h"
#include "engine/IsoTime.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>

#include <dbus/dbus.h>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {
const QString serviceName = u"org.horavane.Horavane"_s;
const QString objectPath = u"/org/horavane/Horavane"_s;
const QString interfaceName = u"org.horavane.Horavane1"_s;
const QString connectionName = u"horavane-clock-service"_s;
const QString noNightError = u"org.horavane.Horavane1.Error.NoNight"_s;

// libdbus stops reading a connection while the messages it received and that are still alive
// reach 63 MiB, and turns reading back on from whichever thread frees them. QtDBus (6.4) hands
// a call to this object to the main thread, which frees it there, and its socket notifier
// cannot be enabled from there: one message of 64 MiB silenced the service for good. Nothing
// this service is asked comes near 1 MiB; a larger message now ends the connection at its
// first bytes, unread, and the service connects again.
void refuseLargeMessages(const QDBusConnection &connection)
{
    if (auto *raw = static_cast<DBusConnection *>(connection.internalPointer()))
        dbus_connection_set_max_message_size(raw, 1 << 20);
}
} // namespace

ClockService::ClockService(
    std::function<ClockReading()> readNow, std::function<std::vector<Alarm>()> readAlarms, QObject *parent)
    : QObject(parent)
    , m_readNow(std::move(readNow))
    , m_readAlarms(std::move(readAlarms))
{
    new ClockServiceAdaptor(this);
    qDBusRegisterMetaType<QList<QStringList>>(); // tonight's dark intervals, as aas
    qDBusRegisterMetaType<QList<QVariantMap>>(); // the alarms, as aa{sv}
    m_owners.addWatchedService(serviceName);
    m_owners.setWatchMode(QDBusServiceWatcher::WatchForOwnerChange);
    connect(&m_owners, &QDBusServiceWatcher::serviceOwnerChanged, this, &ClockService::ownerChanged);
}

void ClockService::serve(QDBusConnection::BusType bus)
{
    m_bus = bus;
    m_connection.reset();
    QDBusConnection::disconnectFromBus(connectionName); // the lost one, if any
    QDBusConnection connection = QDBusConnection::connectToBus(bus, connectionName);
    if (!connection.isConnected()) {
        setProblem(tr("No session bus (%1): other programs cannot read this clock over D-Bus.")
                       .arg(connection.lastError().message()));
        return;
    }
    refuseLargeMessages(connection);
    connection.connect(QString(), u"/org/freedesktop/DBus/Local"_s, u"org.freedesktop.DBus.Local"_s,
        u"Disconnected"_s, this, SLOT(connectionLost()));
    publishState(m_readNow());
    if (!connection.registerObject(objectPath, this, QDBusConnection::ExportAdaptors)) {
        setProblem(tr("The clock cannot be put on the session bus at %1: other programs cannot read it.")
                       .arg(objectPath));
        return;
    }
    m_owners.setConnection(connection);
    m_connection = connection;
    // Never handed over: the name belongs to the Horavane that runs, and a second start hands
    // over to it before it comes this far. Whoever holds the name now is an impostor or
    // another session's clock; this one takes the name when it is let go.
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = connection.interface()->registerService(
        serviceName, QDBusConnectionInterface::QueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid())
        setProblem(tr("The session bus did not give the name %1 (%2): other programs cannot read this clock.")
                       .arg(serviceName, reply.error().message()));
    else if (reply.value() == QDBusConnectionInterface::ServiceQueued)
        setProblem(heldElsewhere());
    else
        setProblem({});
}

void ClockService::connectionLost()
{
    qWarning("horavane: the connection to the session bus was lost; connecting again");
    serve(m_bus);
}

void ClockService::ownerChanged(const QString &, const QString &, const QString &newOwner)
{
    if (!m_connection || newOwner.isEmpty())
        return; // nobody left in line: this clock holds the name, or never queued for it
    setProblem(newOwner == m_connection->baseService() ? QString() : heldElsewhere());
}

QString ClockService::heldElsewhere()
{
    return tr("Another program holds the D-Bus name %1: scripts that ask it do not read this clock, "
              "which takes the name when that program lets it go.")
        .arg(serviceName);
}

void ClockService::setProblem(const QString &why)
{
    if (why == m_problem)
        return;
    if (why.isEmpty())
        qInfo("horavane: other programs read this clock over D-Bus as %s again", qPrintable(serviceName));
    else
        qWarning("horavane: %s", qPrintable(why));
    m_problem = why;
    Q_EMIT problemChanged(why);
}

void ClockService::publish(const ClockReading &reading)
{
    publishState(reading);
    for (const AlarmFiring &firing : reading.alarmsRang)
        Q_EMIT AlarmFired(firing.alarm.name, alarmFieldsOf(firing.alarm.when).kind, isoText(firing.due, 0));
}

// The properties alone: a script's reading of its moment rings nothing.
void ClockService::publishState(const ClockReading &reading)
{
    State next = m_state;
    const auto *position = std::get_if<ObserverPosition>(&reading.observer);
    next.position = position ? std::optional(*position) : std::nullopt;
    next.source = reading.settings.source;
    next.dut1Source = dut1SourceToken(reading.time.ut1);
    next.clockSynchronised = reading.time.clock && reading.time.clock->synchronised;
    const std::optional<ClockSync> &sync = reading.time.sync;
    next.clockReference = sync ? sync->reference : QString();
    next.clockErrorBound = sync ? std::optional(std::chrono::duration<double>(*reading.time.errorBound()).count())
                                : std::nullopt;
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

double ClockService::clockErrorBound() const
{
    return m_state.clockErrorBound.value_or(std::numeric_limits<double>::quiet_NaN());
}

QString ClockService::dut1Source() const
{
    return m_state.dut1Source;
}

QVariantMap ClockService::Now()
{
    const ClockReading reading = m_readNow();
    publishState(reading);
    return snapshotMap(snapshotOf(reading));
}

QVariantMap ClockService::Tonight()
{
    const ClockReading reading = m_readNow();
    publishState(reading);
    if (reading.night)
        return snapshotMap(tonightOf(*reading.night));
    if (calledFromDBus()) {
        const auto *none = std::get_if<NoPosition>(&reading.observer);
        sendErrorReply(noNightError, none ? noPositionText(*none) : almanacYearsText());
    }
    return {};
}

QList<QVariantMap> ClockService::Alarms()
{
    QList<QVariantMap> list;
    for (const Alarm &alarm : m_readAlarms ? m_readAlarms() : std::vector<Alarm>()) {
        const AlarmFields fields = alarmFieldsOf(alarm.when);
        list.append({{u"name"_s, alarm.name}, {u"kind"_s, QString(fields.kind)}, {u"when"_s, fields.when},
            {u"target"_s, fields.target}, {u"minutes_before"_s, alarm.minutesBefore}});
    }
    return list;
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
    if (next.clockReference != m_state.clockReference) {
        m_state.clockReference = std::move(next.clockReference);
        changed.insert(u"ClockReference"_s, m_state.clockReference);
    }
    if (next.clockErrorBound != m_state.clockErrorBound) {
        m_state.clockErrorBound = next.clockErrorBound;
        changed.insert(u"ClockErrorBound"_s, clockErrorBound());
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
