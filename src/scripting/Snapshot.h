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
    QVariant value; // double, int, QString or bool
};

// The reading's values, in a fixed order: unix, utc, jd, mjd, dut1, dut1_source, gmst, gast,
// lmst, last, latitude, longitude, source, clock_synchronised, clock_max_error,
// clock_reference, clock_stratum, clock_offset, clock_error_bound, then gps_fix ("none", "2d",
// "3d"), gps_satellites (used) and gps_time_offset (true time minus the system clock). Times of
// day are in hours, angles in degrees, durations in seconds. Without a position there is no
// lmst, last, latitude or longitude; clock_max_error only where the kernel says; the other
// clock_ keys only where a synchronisation daemon says (clock_error_bound is then the bound the
// clock's dimmed digits follow, else they follow clock_max_error); the gps_ keys only while
// gpsd is the source and answers, each once it is known.
std::vector<SnapshotEntry> snapshotOf(const ClockReading &reading);

QVariantMap snapshotMap(const std::vector<SnapshotEntry> &snapshot);
QByteArray snapshotLines(const std::vector<SnapshotEntry> &snapshot); // "key: value\n" each
QByteArray snapshotJson(const std::vector<SnapshotEntry> &snapshot); // one object, one line

// Names that stay the same whatever the desktop's language, for scripts to compare against:
// "manual", "location-service", "sitech-server", "gpsd".
QString sourceToken(LocationSource source);
// "file:<name>:<observed|predicted|extrapolated|stale>", "typed:<YYYY-MM-DD>" or "assumed".
QString dut1SourceToken(const Ut1Source &ut1);
