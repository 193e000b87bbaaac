#pragma once

#include <QString>

#include <optional>

namespace AppUtils {

// Local apparent sidereal time (IAU 2006 precession, IAU 2000A nutation) at an observer's
// longitude, from ERFA.
class Sidereal
{
public:
    Sidereal() = delete;

    // Local apparent sidereal time in seconds since sidereal midnight, in [0, 86400).
    //   unixSeconds:      UTC, whole seconds since 1970-01-01T00:00:00Z, leap seconds not
    //                     counted; each second maps to the UTC second of the same label, also
    //                     on a day that ends with a leap second.
    //   longitudeDegrees: east positive; any finite value (450 is 90, -540 is 180).
    // UT1 is taken as UTC (DUT1 = 0), so the result may be up to 0.9 s (times 1.0027) off the
    // true sidereal time; TT follows from UTC through ERFA's leap-second table. Past the end
    // of that table (from 2027 with ERFA 2.0) ERFA warns "dubious year" and the last known
    // leap-second count is kept: the answer is still given.
    // nullopt: a non-finite longitude, or an instant ERFA cannot place on its calendar
    // (before the year -4799, or millions of years ahead).
    static std::optional<double> seconds(qint64 unixSeconds, double longitudeDegrees);

    // The same instant and longitude as text "HH:MM:SS", 24-hour, zero-padded, seconds
    // truncated: it always names the second that seconds() falls in ("23:59:59", never
    // "24:00:00"). nullopt exactly when seconds() gives nullopt.
    static std::optional<QString> local(qint64 unixSeconds, double longitudeDegrees);
};

} // namespace AppUtils
