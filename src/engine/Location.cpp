#include "Location.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

// Under the digital window's context, where these lines were first translated.
QString noPositionText(const NoPosition &reason)
{
    switch (reason.reason) {
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
    case NoPosition::waitingForGpsd:
        return QCoreApplication::translate("HoravaneWindow", "Waiting for gpsd at %1").arg(reason.server);
    case NoPosition::gpsdHasNoFix:
        return QCoreApplication::translate("HoravaneWindow", "gpsd has no fix yet: %1 satellites seen")
            .arg(reason.satellitesSeen);
    case NoPosition::noGpsd:
        return QCoreApplication::translate("HoravaneWindow", "No gpsd at %1").arg(reason.server);
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
    if (settings.source != LocationSource::useGpsd || settings.gpsdHost != m_settings.gpsdHost
        || settings.gpsdPort != m_settings.gpsdPort)
        m_gpsd.reset(); // the next observe() under gpsd connects to the server now named
    m_settings = settings;
}

std::optional<GpsState> Location::gps() const
{
    if (m_settings.source != LocationSource::useGpsd || !m_gpsd)
        return std::nullopt;
    return m_gpsd->state();
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
    case LocationSource::useGpsd:
        return observeGpsd();
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

void Location::awaitGpsdFix(std::chrono::milliseconds longest)
{
    if (m_settings.source != LocationSource::useGpsd)
        return;
    const QDeadlineTimer deadline(longest);
    const auto settled = [this, &deadline] {
        const std::variant<ObserverPosition, NoPosition> seen = observeGpsd();
        if (const auto *missing = std::get_if<NoPosition>(&seen))
            return missing->reason == NoPosition::noGpsd || deadline.hasExpired();
        const std::optional<GpsState> told = gps(); // the sky and the time come in the fix's second
        return (told && told->satellitesUsed && told->timeOffset) || deadline.hasExpired();
    };
    if (settled())
        return;
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (settled())
            loop.quit();
    });
    look.start(std::chrono::milliseconds(50));
    loop.exec();
}

std::variant<ObserverPosition, NoPosition> Location::observeGpsd()
{
    if (!m_gpsd) {
        m_gpsd = std::make_unique<GpsdClient>(m_settings.gpsdHost, m_settings.gpsdPort);
        m_gpsdServer = m_settings.gpsdHost + u':' + QString::number(m_settings.gpsdPort);
    }
    if (const std::optional<GpsdFix> &fix = m_gpsd->lastFix())
        return ObserverPosition{fix->latitude, fix->longitude};
    switch (m_gpsd->link()) {
    case GpsdClient::Link::connecting:
        return NoPosition(NoPosition::waitingForGpsd, m_gpsdServer);
    case GpsdClient::Link::connected:
        return NoPosition(NoPosition::gpsdHasNoFix, m_gpsdServer, m_gpsd->satellitesSeen());
    case GpsdClient::Link::absent:
        break;
    }
    return NoPosition(NoPosition::noGpsd, m_gpsdServer);
}
