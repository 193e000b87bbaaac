#pragma once

#include "engine/ClockReading.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QVariantMap>

#include <functional>
#include <optional>

// Horavane's clock on the session bus, for the scripts, capture programs and mount software
// that need the LST the observer reads: org.horavane.Horavane1 at /org/horavane/Horavane
// under the name org.horavane.Horavane. Now() and Tonight() work the clock out at the moment
// of the call; the properties follow the readings the tick shows, each change announced with
// org.freedesktop.DBus.Properties.PropertiesChanged. Each alarm that rings is announced with
// AlarmFired, and Alarms() lists them. Nothing goes on the bus while nothing changes.
class ClockService : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_PROPERTY(double Latitude READ latitude)
    Q_PROPERTY(double Longitude READ longitude)
    Q_PROPERTY(QString Source READ source)
    Q_PROPERTY(QString Dut1Source READ dut1Source)
    Q_PROPERTY(bool ClockSynchronised READ clockSynchronised)
    Q_PROPERTY(QString ClockReference READ clockReference)
    Q_PROPERTY(double ClockErrorBound READ clockErrorBound)
    Q_PROPERTY(bool NightVision READ nightVision)

public:
    // readNow: the reading at the moment it is called, as a script asks for it. readAlarms: the
    // alarms the clock rings, in their order.
    explicit ClockService(std::function<ClockReading()> readNow,
        std::function<std::vector<Alarm>()> readAlarms = {}, QObject *parent = nullptr);

    // Puts the object on a connection of its own to the bus of that type and asks for the name,
    // queueing behind a program that holds it: scripts reach that one until it lets go, and
    // this clock then. A lost connection is made again. Each change in what keeps scripts from
    // this clock is one line on stderr and a problemChanged().
    void serve(QDBusConnection::BusType bus);

    // The properties as of reading, and of night vision; what changed is announced, and so is
    // each alarm that rang in it.
    void publish(const ClockReading &reading);
    void setNightVision(bool on);

    double latitude() const; // NaN without a position
    double longitude() const;
    QString source() const;
    QString dut1Source() const;
    bool clockSynchronised() const { return m_state.clockSynchronised; }
    QString clockReference() const { return m_state.clockReference; } // empty without a daemon
    double clockErrorBound() const; // seconds; NaN without a daemon
    bool nightVision() const { return m_state.nightVision; }

public Q_SLOTS:
    // The snapshot keys of Snapshot.h, at the moment of the call.
    QVariantMap Now();
    // The night in progress (from local noon to the next), the keys of tonightOf() less those
    // that do not happen; to a caller on the bus an error of one line when there is none.
    QVariantMap Tonight();
    // The alarms, each with name, kind, when, target (empty but for a target alarm) and
    // minutes_before, as their stored line writes them.
    QList<QVariantMap> Alarms();

Q_SIGNALS:
    // An alarm rang: its name, its kind's word and the second it was due, in ISO 8601 UTC.
    void AlarmFired(const QString &name, const QString &kind, const QString &due);
    // Why other programs cannot read this clock over D-Bus now; empty once they can.
    void problemChanged(const QString &why);

private Q_SLOTS:
    void connectionLost();
    void ownerChanged(const QString &name, const QString &oldOwner, const QString &newOwner);

private:
    struct State
    {
        std::optional<ObserverPosition> position;
        LocationSource source = LocationSource::useCoreLocation;
        QString dut1Source;
        bool clockSynchronised = false;
        QString clockReference;
        std::optional<double> clockErrorBound;
        bool nightVision = false;
    };

    void publishState(const ClockReading &reading);
    void change(State next);
    void setProblem(const QString &why);
    static QString heldElsewhere();

    std::function<ClockReading()> m_readNow;
    std::function<std::vector<Alarm>()> m_readAlarms;
    QDBusConnection::BusType m_bus = QDBusConnection::SessionBus;
    std::optional<QDBusConnection> m_connection; // once the object is on it
    QDBusServiceWatcher m_owners; // of the name
    QString m_problem;
    State m_state;
};
