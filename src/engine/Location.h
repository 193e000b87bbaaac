#pragma once

#include "GpsdClient.h"
#include "PositionSource.h"
#include "preferences/ObserverSettings.h"

#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <variant>

// Degrees, north and east positive.
struct ObserverPosition
{
    double latitude;
    double longitude;

    bool operator==(const ObserverPosition &) const = default;
};

// Why there is no position to show, with what the line saying so names.
struct NoPosition
{
    enum Reason {
        waitingForFix, // the location service has not delivered a fix yet
        noFixInAMinute, // nor in the minute since it was started
        notAllowed, // the location service refused access
        noService, // this desktop has no location service
        serverGivesNone, // the SiTech server source names no position
        storedPositionUnusable, // the typed position in the settings file is not one on Earth
        waitingForGpsd, // gpsd at server has not answered yet
        gpsdHasNoFix, // gpsd answers but has had no fix; satellitesSeen
        noGpsd, // nothing answers as gpsd at server: refused, unreachable or gone
    };

    // Implicit, so that a reason alone reads as a NoPosition.
    NoPosition(Reason why, QString where = {}, int satellites = 0)
        : reason(why)
        , server(std::move(where))
        , satellitesSeen(satellites)
    {
    }

    Reason reason;
    QString server; // gpsd's "host:port"
    int satellitesSeen = 0;

    bool operator==(const NoPosition &) const = default;
};

// The one line that tells the user why, translated; every window that needs a position words
// its absence the same way.
QString noPositionText(const NoPosition &reason);

// Where the observer is now, for the source the settings name. The settings arrive as a
// value (the General pane publishes one on every edit), so a change shows at the next tick.
class Location
{
public:
    using SourceMaker = std::function<std::unique_ptr<PositionSource>()>;

    // The one provider, on the desktop's location service.
    static Location &shared();

    // makeSource: called once, at the first observe() under the location service source, so
    // that a run that never asks the desktop for a position never starts its service (nor is
    // woken by it). Its updates are then never stopped, whatever source is chosen later.
    explicit Location(SourceMaker makeSource);

    void setSettings(const ObserverSettings &settings);
    const ObserverSettings &settings() const { return m_settings; }

    // Manual: the typed coordinates. Location service: its last fix once it has delivered
    // one. SiTech server: none; no network contact is made. GPS receiver: the last fix gpsd
    // reported, kept when gpsd goes or loses the fix; gpsd is connected to at the first
    // observe() under that source, and left when another source or server is set.
    std::optional<ObserverPosition> currentPosition();
    // The same position at now (the tick's instant), or why there is none.
    std::variant<ObserverPosition, NoPosition> observe(std::chrono::system_clock::time_point now);
    // What the GPS receiver says, while gpsd is the source and answers; none otherwise.
    std::optional<GpsState> gps() const;
    // For a one-shot reading, which has no next tick to wait for: under the gpsd source, runs
    // the event loop until gpsd has given a fix with its sky and time, or is found absent, for
    // longest at most.
    void awaitGpsdFix(std::chrono::milliseconds longest);

private:
    std::variant<ObserverPosition, NoPosition> observeGpsd();

    SourceMaker m_makeSource;
    std::unique_ptr<PositionSource> m_locationManager;
    std::chrono::system_clock::time_point m_serviceStarted;
    ObserverSettings m_settings;
    std::unique_ptr<GpsdClient> m_gpsd; // for the server m_settings names
    QString m_gpsdServer; // its "host:port", as the status line names it
};
