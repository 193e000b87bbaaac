#include "Location.h"

Location &Location::shared()
{
    // Never destroyed: the position source is a QObject that must not outlive QApplication.
    static Location *const instance = new Location(&PositionSource::createDefault);
    return *instance;
}

Location::Location(SourceMaker makeSource)
    : m_makeSource(std::move(makeSource))
{
}

void Location::setSettings(const ObserverSettings &settings)
{
    m_settings = settings;
}

std::optional<ObserverPosition> Location::currentPosition()
{
    const std::variant<ObserverPosition, NoPosition> observed = observe();
    if (const auto *position = std::get_if<ObserverPosition>(&observed))
        return *position;
    return std::nullopt;
}

std::variant<ObserverPosition, NoPosition> Location::observe()
{
    switch (m_settings.source) {
    case LocationSource::useSiTech:
        return NoPosition::serverGivesNone;
    case LocationSource::useManual:
        return ObserverPosition{m_settings.latitude, m_settings.longitude};
    case LocationSource::useCoreLocation:
        break;
    }
    if (!m_locationManager) {
        m_locationManager = m_makeSource();
        m_locationManager->startUpdatingLocation();
    }
    using Status = PositionSource::AuthorizationStatus;
    switch (m_locationManager->authorizationStatus()) {
    case Status::restricted:
        return NoPosition::noService;
    case Status::denied:
        return NoPosition::notAllowed;
    case Status::notDetermined:
        return NoPosition::waitingForFix;
    case Status::authorizedAlways:
        break;
    }
    const std::optional<QGeoCoordinate> fix = m_locationManager->location();
    if (!fix)
        return NoPosition::waitingForFix;
    return ObserverPosition{fix->latitude(), fix->longitude()};
}
