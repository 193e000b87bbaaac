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
    const std::variant<ObserverPosition, NoPosition> observed = observe();
    if (const auto *position = std::get_if<ObserverPosition>(&observed))
        return *position;
    return std::nullopt;
}

std::variant<ObserverPosition, NoPosition> Location::observe() const
{
    switch (m_pane.currentLocationSource()) {
    case PreferencesGeneral::LocationSource::useSiTech:
        return NoPosition::serverGivesNone;
    case PreferencesGeneral::LocationSource::useManual:
        return ObserverPosition{Platform::TextField::doubleValue(m_pane.latitudeField()),
                                Platform::TextField::doubleValue(m_pane.longitudeField())};
    case PreferencesGeneral::LocationSource::useCoreLocation:
        break;
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
