#pragma once

#include "PositionSource.h"

#include <memory>
#include <optional>
#include <variant>

class PreferencesGeneral;

// Degrees, north and east positive.
struct ObserverPosition
{
    double latitude;
    double longitude;
};

// Why there is no position to show.
enum class NoPosition {
    waitingForFix,     // the location service has not delivered a fix yet
    notAllowed,        // the location service refused access
    noService,         // this desktop has no location service
    serverGivesNone,   // the SiTech server source names no position
};

// Where the observer is now, for the source chosen in the preferences. Keeps no copy of the
// settings: every call reads the pane's live controls, so a change shows at the next tick.
class Location
{
public:
    // The one provider, on the desktop's location service, made at the first call (the first
    // refresh of a clock window, so a run without one never starts the location service).
    static Location &shared();

    // Starts the source's updates once; they are never stopped, whatever source is chosen.
    Location(std::unique_ptr<PositionSource> source, PreferencesGeneral &pane);

    // Manual: the two fields' numeric values, whatever their text. Location service: its last
    // fix once it has delivered one. SiTech server: none; no network contact is made.
    std::optional<ObserverPosition> currentPosition() const;
    // The same position, or why there is none.
    std::variant<ObserverPosition, NoPosition> observe() const;

    PreferencesGeneral &pane() const { return m_pane; }

private:
    std::unique_ptr<PositionSource> m_locationManager;
    PreferencesGeneral &m_pane;
};
