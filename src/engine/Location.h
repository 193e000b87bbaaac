#pragma once

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

// Why there is no position to show.
enum class NoPosition {
    waitingForFix, // the location service has not delivered a fix yet
    noFixInAMinute, // nor in the minute since it was started
    notAllowed, // the location service refused access
    noService, // this desktop has no location service
    serverGivesNone, // the SiTech server source names no position
    storedPositionUnusable, // the typed position in the settings file is not one on Earth
};

// The one line that tells the user why, translated; every window that needs a position words
// its absence the same way.
QString noPositionText(NoPosition reason);

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
    // one. SiTech server: none; no network contact is made.
    std::optional<ObserverPosition> currentPosition();
    // The same position at now (the tick's instant), or why there is none.
    std::variant<ObserverPosition, NoPosition> observe(std::chrono::system_clock::time_point now);

private:
    SourceMaker m_makeSource;
    std::unique_ptr<PositionSource> m_locationManager;
    std::chrono::system_clock::time_point m_serviceStarted;
    ObserverSettings m_settings;
};
