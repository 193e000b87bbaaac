#include "PositionSource.h"

#include <QGeoPositionInfoSource>
#include <QGuiApplication>

PositionSource::PositionSource(std::unique_ptr<QGeoPositionInfoSource> source)
    : m_source(std::move(source))
    , m_status(m_source ? AuthorizationStatus::notDetermined : AuthorizationStatus::restricted)
{
    if (!m_source)
        return;
    connect(m_source.get(), &QGeoPositionInfoSource::positionUpdated, this, &PositionSource::positionUpdated);
    connect(m_source.get(), &QGeoPositionInfoSource::errorOccurred, this, [this](QGeoPositionInfoSource::Error error) {
        if (error == QGeoPositionInfoSource::AccessError)
            m_status = AuthorizationStatus::denied;
    });
}

PositionSource::~PositionSource() = default;

std::unique_ptr<PositionSource> PositionSource::createDefault()
{
    // GeoClue asks the person for permission in the name of this desktop entry.
    const QVariantMap parameters{{QStringLiteral("desktopId"), QGuiApplication::desktopFileName()}};
    return std::make_unique<PositionSource>(
        std::unique_ptr<QGeoPositionInfoSource>(QGeoPositionInfoSource::createDefaultSource(parameters, nullptr)));
}

void PositionSource::startUpdatingLocation()
{
    if (m_source)
        m_source->startUpdates();
}

void PositionSource::positionUpdated(const QGeoPositionInfo &update)
{
    if (!update.isValid() || !update.coordinate().isValid())
        return;
    m_status = AuthorizationStatus::authorizedAlways;
    m_location = update.coordinate();
}
