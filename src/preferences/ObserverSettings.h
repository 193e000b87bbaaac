#pragma once

#include "SettingsKeys.h"

#include <QString>

// Where the observer's position comes from. Stored as its raw value; a new source takes the
// next free number.
enum class LocationSource {
    useSiTech = 0, // kept for older settings files; gives no position
    useManual = 1, // the latitude and longitude typed in
    useCoreLocation = 2, // the desktop's location service
    useGpsd = 3, // a GPS receiver, through the gpsd daemon
};

// What the clocks need to know of the General pane, as one value: where the observer is and how
// to show it. The pane publishes a new one whenever a control changes, so the engine never
// reads a widget.
struct ObserverSettings
{
    LocationSource source = LocationSource::useCoreLocation;
    double latitude = 0; // the typed position, decimal degrees, north and east positive
    double longitude = 0;
    bool decimal = true; // coordinates shown as decimal degrees, else degrees, minutes, seconds
    bool lst24Hours = false; // the analog LST dial turns once a sidereal day, else twice
    // The typed position read from the settings file is out of range or no number, and has not
    // been typed again since: the manual source then gives no position rather than a wrong one.
    bool storedPositionUnusable = false;
    // Where gpsd listens, for the GPS receiver source.
    QString gpsdHost{SettingsDefaults::gpsdHost};
    quint16 gpsdPort = SettingsDefaults::gpsdPort;

    bool operator==(const ObserverSettings &) const = default;
};

// The display name of source ("Manual"), in the desktop's language.
QString locationSourceName(LocationSource source);
