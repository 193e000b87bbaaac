#pragma once

#include "engine/ClockReading.h"

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

#include <functional>
#include <optional>

// Horavane's clock on the session bus, for the scripts, capture programs and mount software
// that need the LST the observer reads: org.horavane.Horavane1 at /org/horavane/Horavane
// under the name org.horavane.Horavane. Now() works the clock out at the moment of the call;
// the properties follow the readings the tick shows, each change announced with
// org.freedesktop.DBus.Properties.PropertiesChanged. Nothing goes on the bus while nothing
// changes.
class ClockService : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double Latitude READ latitude)
    Q_PROPERTY(double Longitude READ longitude)
    Q_PROPERTY(QString Source READ source)
    Q_PROPERTY(QString Dut1Source READ dut1Source)
    Q_PROPERTY(bool ClockSynchronised READ clockSynchronised)
    Q_PROPERTY(bool NightVision READ nightVision)

public:
    // readNow: the reading at the moment it is called, as a script asks for it.
    explicit ClockService(std::function<ClockReading()> readNow, QObject *parent = nullptr);

    // Puts the object on connection and takes the name. False, with one line on stderr, when
    // there is no bus or the name is someone else's: the clock then runs unseen by scripts.
    bool registerOn(QDBusConnection connection);

    // The properties as of reading, and of night vision; what changed is announced.
    void publish(const ClockReading &reading);
    void setNightVision(bool on);

    double latitude() const; // NaN without a position
    double longitude() const;
    QString source() const;
    QString dut1Source() const;
    bool clockSynchronised() const { return m_state.clockSynchronised; }
    bool nightVision() const { return m_state.nightVision; }

public Q_SLOTS:
    // The snapshot keys of Snapshot.h, at the moment of the call.
    QVariantMap Now();

private:
    struct State
    {
        std::optional<ObserverPosition> position;
        LocationSource source = LocationSource::useCoreLocation;
        QString dut1Source;
        bool clockSynchronised = false;
        bool nightVision = false;
    };

    void change(State next);

    std::function<ClockReading()> m_readNow;
    std::optional<QDBusConnection> m_connection; // once registered
    State m_state;
};
