#pragma once

#include <QByteArrayView>

#include <optional>
#include <variant>

// One line of gpsd's JSON protocol, read without trusting it. Only what the clocks use is kept.

// A TPV report: mode 0 or 1 has no fix; 2 a fix in latitude and longitude (degrees, north and
// east positive), 3 also an altitude (metres above mean sea level, when gpsd gives one).
struct GpsdFix
{
    int mode = 0;
    double latitude = 0;
    double longitude = 0;
    std::optional<double> altitude;

    bool operator==(const GpsdFix &) const = default;
};

// A SKY report's satellites: those the fix uses, and all the receiver sees.
struct GpsdSatellites
{
    int used = 0;
    int seen = 0;

    bool operator==(const GpsdSatellites &) const = default;
};

// A TOFF (the time a serial message gave) or PPS (the time of a pulse) report: true time
// minus the system clock when it arrived, in seconds; positive when the clock is slow.
struct GpsdTimeOffset
{
    double seconds = 0;
    bool pulse = false; // from PPS, good to microseconds; TOFF to some hundred milliseconds

    bool operator==(const GpsdTimeOffset &) const = default;
};

// A well-formed report of another class (VERSION, DEVICES, WATCH, ...) or one without what we read.
struct GpsdIgnored
{
    bool operator==(const GpsdIgnored &) const = default;
};

// Not JSON, not an object, no class, or a report whose values are missing or impossible
// (a latitude beyond ±90°, a longitude beyond ±180°, a count below zero).
struct GpsdMalformed
{
    bool operator==(const GpsdMalformed &) const = default;
};

using GpsdReport = std::variant<GpsdIgnored, GpsdMalformed, GpsdFix, GpsdSatellites, GpsdTimeOffset>;

// Reads one line (without its newline). Never fails otherwise; pure.
GpsdReport readGpsdLine(QByteArrayView line);
