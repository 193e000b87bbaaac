#pragma once

#include <QGeoCoordinate>
#include <QGeoPositionInfoSource>
#include <QObject>

#include <memory>
#include <optional>

// The desktop's location service as the clocks need it: start once, ask whether the person
// allowed it, read the last fix. Over Qt Positioning (GeoClue 2 on the Linux desktop).
class PositionSource : public QObject
{
    Q_OBJECT

public:
    // The values a position service reports for its permission.
    enum class AuthorizationStatus {
        notDetermined = 0, // no fix and no refusal yet
        restricted = 1, // no position service on this system
        denied = 2, // the service refused access
        authorizedAlways = 3 // the service has delivered a fix
    };

    // Takes ownership of source; none means the system has no position service.
    explicit PositionSource(std::unique_ptr<QGeoPositionInfoSource> source);
    ~PositionSource() override;

    // The desktop's default source, identified to GeoClue by the application id (the name of
    // the installed desktop entry), also when no application object has set one. Qt's GeoClue
    // source waits in silence when GeoClue is not on the system bus, or there is no system
    // bus: that is asked of the bus without waiting for its answer, and reads as restricted.
    static std::unique_ptr<PositionSource> createDefault();

    void startUpdatingLocation();
    AuthorizationStatus authorizationStatus() const { return m_status; }

    // The most recent fix, or none before the first one.
    std::optional<QGeoCoordinate> location() const { return m_location; }

private:
    void positionUpdated(const QGeoPositionInfo &update);
    void errorOccurred(QGeoPositionInfoSource::Error error);
    void serviceMissing();
    // Asks the system bus whether GeoClue is there or can be started.
    void probeGeoClue();

    std::unique_ptr<QGeoPositionInfoSource> m_source;
    AuthorizationStatus m_status;
    std::optional<QGeoCoordinate> m_location;
};
