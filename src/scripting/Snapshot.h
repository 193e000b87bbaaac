#pragma once

#include "engine/ClockReading.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <QVariant>
#include <QVariantMap>

#include <vector>

// One value of the clock as other programs read it: the same names over D-Bus, in JSON and in
// "key: value" lines, so that a script can switch between them.
struct SnapshotEntry
{
    QLatin1StringView key;
    // double, int, QString or bool; none (QVariant()) for what does not happen, written null
    // in JSON and in lines and left out of the map, which D-Bus cannot carry it in; or a
    // QList<QStringList> of [start, end] pairs; or a QVariantList of QVariantMaps, one per item.
    QVariant value;
};

// The reading's values, in a fixed order: unix, utc, jd, mjd, dut1, dut1_source, gmst, gast,
// lmst, last, latitude, longitude, source, clock_synchronised, clock_max_error,
// clock_reference, clock_stratum, clock_offset, clock_error_bound, then gps_fix ("none", "2d",
// "3d"), gps_satellites (used) and gps_time_offset (true time minus the system clock), then
// sun_altitude, moon_altitude and daylight ("day", "civil_twilight", "nautical_twilight",
// "astronomical_twilight", "night"). Times of day are in hours, angles in degrees, durations
// in seconds. Without a position there is no lmst, last, latitude or longitude;
// clock_max_error only where the kernel says; the other clock_ keys only where a
// synchronisation daemon says (clock_error_bound is then the bound the clock's dimmed digits
// follow, else they follow clock_max_error); the gps_ keys only while gpsd is the source and
// answers, each once it is known; the Sun and the Moon only where the reading has tonight.
// Last, sites: one map per remote site, in the list's order, with name, zone (its IANA id),
// local_time (ISO 8601 with the zone's offset), last (hours; left out when the clock has no
// sidereal time) and daylight (as above; left out outside the almanac's years); only where
// the reading has sites.
std::vector<SnapshotEntry> snapshotOf(const ClockReading &reading);

// The night's values, in a fixed order: sunset, civil_dusk, nautical_dusk, astronomical_dusk,
// astronomical_dawn, nautical_dawn, civil_dawn, sunrise, moonrise, moonset (ISO 8601 UTC with
// milliseconds, none when it does not happen within the night), then date (YYYY-MM-DD),
// latitude, longitude, moon_illumination ([0, 1]), moon_phase ("new", "waxing_crescent",
// "first_quarter", "waxing_gibbous", "full", "waning_gibbous", "last_quarter",
// "waning_crescent"), dark ([start, end] pairs, in order) and dark_hours.
std::vector<SnapshotEntry> tonightOf(const Night &night);

// Why a night cannot be told for a date outside the almanac's years, translated.
QString almanacYearsText();

// Whether snapshotOf() has a key of that name, in some reading or other.
bool isSnapshotKey(QStringView key);

// One value as a "key: value" line writes it.
QString snapshotValueText(const QVariant &value);

QVariantMap snapshotMap(const std::vector<SnapshotEntry> &snapshot);
// "key: value\n" each; none is "null", the pairs are ISO 8601 intervals "start/end" separated
// by spaces (nothing after "dark: " when there are none), and a list of maps is its JSON array.
QByteArray snapshotLines(const std::vector<SnapshotEntry> &snapshot);
QByteArray snapshotJson(const std::vector<SnapshotEntry> &snapshot); // one object in order, one line

// Names that stay the same whatever the desktop's language, for scripts to compare against:
// "manual", "location-service", "sitech-server", "gpsd".
QString sourceToken(LocationSource source);
// "file:<name>:<observed|predicted|extrapolated|stale>", "typed:<YYYY-MM-DD>" or "assumed".
QString dut1SourceToken(const Ut1Source &ut1);
