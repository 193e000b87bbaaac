#include "Location.h"

#include <QCoreApplication>

// Under the digital window's context, where these lines were first translated.
QString noPositionText(NoPosition reason)
{
    switch (reason) {
    case NoPosition::waitingForFix:
        return QCoreApplication::translate("HoravaneWindow", "Waiting for the first fix from the location service");
    case NoPosition::noFixInAMinute:
        return QCoreApplication::translate(
            "HoravaneWindow", "No fix from the location service in a minute: choose Manual in Preferences");
    case NoPosition::notAllowed:
        return QCoreApplication::translate(
            "HoravaneWindow", "The location service does not allow Horavane to know the position");
    case NoPosition::noService:
        return QCoreApplication::translate(
            "HoravaneWindow", "No location service on this desktop: choose Manual in Preferences");
    case NoPosition::serverGivesNone:
        return QCoreApplication::translate("HoravaneWindow", "SiTech NTP Server gives no position");
    case NoPosition::storedPositionUnusable:
        return QCoreApplication::translate(
            "HoravaneWindow", "The stored position is not one on Earth: type it again in Preferences");
    }
    return {};
}

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
    const std::variant<ObserverPosition, NoPosition> observed = observe(std::chrono::system_clock::now());
    if (const auto *position = std::get_if<ObserverPosition>(&observed))
        return *position;
    return std::nullopt;
}

std::variant<ObserverPosition, NoPosition> Location::observe(std::chrono::system_clock::time_point now)
{
    switch (m_settings.source) {
    case LocationSource::useSiTech:
        return NoPosition::serverGivesNone;
    case LocationSource::useManual:
        if (m_settings.storedPositionUnusable)
            return NoPosition::storedPositionUnusable;
        return ObserverPosition{m_settings.latitude, m_settings.longitude};
    case LocationSource::useCoreLocation:
        break;
    }
    if (!m_locationManager) {
        m_locationManager = m_makeSource();
        m_locationManager->startUpdatingLocation();
        m_serviceStarted = now;
    }
    // A service that never answers, or a machine without one that does not say so, gives no
    // fix: past a minute that is worth saying (a step back of the clock says nothing).
    const NoPosition waiting = now - m_serviceStarted > std::chrono::minutes(1) ? NoPosition::noFixInAMinute
                                                                                          : NoPosition::waitingForFix;
    using Status = PositionSource::AuthorizationStatus;
    switch (m_locationManager->authorizationStatus()) {
    case Status::restricted:
        return NoPosition::noService;
    case Status::denied:
        return NoPosition::notAllowed;
    case Status::notDetermined:
        return waiting;
    case Status::authorizedAlways:
        break;
    }
    const std::optional<QGeoCoordinate> fix = m_locationManager->location();
    if (!fix)
        return waiting;
    return ObserverPosition{fix->latitude(), fix->longitude()};
}
