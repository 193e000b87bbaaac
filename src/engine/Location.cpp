#include "Location.h"

#include "preferences/AppPreferences.h"

#include <Platform/TextField.h>

Location &Location::shared()
{
    // Never destroyed: the position source is a QObject that must not outlive QApplication.
    static Location *const instance =
        new Location(PositionSource::createDefault(), sharedPreferences().prefsGeneral());
    return *instance;
}

Location::Location(std::unique_ptr<PositionSource> source, PreferencesGeneral &pane)
    : m_locationManager(std::move(source))
    , m_pane(pane)
{
    m_locationManager->startUpdatingLocation();
}

std::optional<ObserverPosition> Location::currentPosition() const
{
    switch (m_pane.currentLocationSource()) {
    case PreferencesGeneral::LocationSource::useSiTech:
        return std::nullopt;
    case PreferencesGeneral::LocationSource::useManual:
        return ObserverPosition{Platform::TextField::doubleValue(m_pane.latitudeField()),
                                Platform::TextField::doubleValue(m_pane.longitudeField())};
    case PreferencesGeneral::LocationSource::useCoreLocation:
        break;
    }
    if (m_locationManager->authorizationStatus() != PositionSource::AuthorizationStatus::authorizedAlways)
        return std::nullopt;
    const std::optional<QGeoCoordinate> fix = m_locationManager->location();
    if (!fix)
        return std::nullopt;
    return ObserverPosition{fix->latitude(), fix->longitude()};
}
