#include "PositionSource.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QGeoPositionInfoSource>
#include <QGuiApplication>

using namespace Qt::StringLiterals;

PositionSource::PositionSource(std::unique_ptr<QGeoPositionInfoSource> source)
    : m_source(std::move(source))
    , m_status(m_source ? AuthorizationStatus::notDetermined : AuthorizationStatus::restricted)
{
    if (!m_source)
        return;
    connect(m_source.get(), &QGeoPositionInfoSource::positionUpdated, this, &PositionSource::positionUpdated);
    connect(m_source.get(), &QGeoPositionInfoSource::errorOccurred, this, &PositionSource::errorOccurred);
}

PositionSource::~PositionSource() = default;

std::unique_ptr<PositionSource> PositionSource::createDefault()
{
    // GeoClue asks the person for permission in the name of this desktop entry.
    const QVariantMap parameters{{QStringLiteral("desktopId"), QGuiApplication::desktopFileName()}};
    auto source = std::make_unique<PositionSource>(
        std::unique_ptr<QGeoPositionInfoSource>(QGeoPositionInfoSource::createDefaultSource(parameters, nullptr)));
    if (source->m_source && source->m_source->sourceName() == u"geoclue2")
        source->probeGeoClue();
    return source;
}

void PositionSource::probeGeoClue()
{
    const QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return serviceMissing();
    // Starts GeoClue if it can be started, as Qt's source would.
    const QDBusMessage ping = QDBusMessage::createMethodCall(u"org.freedesktop.GeoClue2"_s,
        u"/org/freedesktop/GeoClue2/Manager"_s, u"org.freedesktop.DBus.Peer"_s, u"Ping"_s);
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(ping), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *answer) {
        answer->deleteLater();
        const QDBusError error = answer->error();
        // Not there, not startable, or the bus gone; a refusal or a slow answer says nothing.
        if (error.type() == QDBusError::ServiceUnknown || error.type() == QDBusError::NoServer
            || error.type() == QDBusError::Disconnected
            || error.name().startsWith(u"org.freedesktop.DBus.Error.Spawn."))
            serviceMissing();
    });
}

void PositionSource::startUpdatingLocation()
{
    if (m_source)
        m_source->startUpdates();
}

// A refusal is the person's answer, unless the bus has already said there is no service to
// give one; any other error means the service is not there for us.
void PositionSource::errorOccurred(QGeoPositionInfoSource::Error error)
{
    if (error == QGeoPositionInfoSource::AccessError && m_status != AuthorizationStatus::restricted)
        m_status = AuthorizationStatus::denied;
    else if (error == QGeoPositionInfoSource::ClosedError || error == QGeoPositionInfoSource::UnknownSourceError)
        serviceMissing();
}

// Until the service delivers a fix after all.
void PositionSource::serviceMissing()
{
    if (m_status != AuthorizationStatus::authorizedAlways)
        m_status = AuthorizationStatus::restricted;
}

void PositionSource::positionUpdated(const QGeoPositionInfo &update)
{
    if (!update.isValid() || !update.coordinate().isValid())
        return;
    m_status = AuthorizationStatus::authorizedAlways;
    m_location = update.coordinate();
}
