#pragma once

#include <QString>

#include <optional>

namespace AppUtils {

// Local apparent sidereal time (IAU 2006 precession, IAU 2000A nutation) at an observer's
// longitude, from ERFA: Greenwich mean sidereal time (eraGmst06) plus the equation of the
// equinoxes (eraEe06a), which together are eraGst06a.
//
// For every function here that takes an instant and a place:
//   unixSeconds:      UTC, whole seconds since 1970-01-01T00:00:00Z, leap seconds not
//                     counted; each second maps to the UTC second of the same label, also
//                     on a day that ends with a leap second.
//   longitudeDegrees: east positive; any finite value (450 is 90, -540 is 180).
// UT1 is taken as UTC (DUT1 = 0), so the result may be up to 0.9 s (times 1.0027) off the
// true sidereal time; a clock that knows UT1 − UTC keeps a SiderealClock. TT follows from UTC through ERFA's leap-second table. Past the end
// of that table (from 2027 with ERFA 2.0) ERFA warns "dubious year" and the last known
// leap-second count is kept: the answer is still given.
// nullopt: a non-finite longitude, or an instant ERFA cannot place on its calendar
// (before the year -4799, or millions of years ahead).
class Sidereal
{
public:
    Sidereal() = delete;

    // Local apparent sidereal time in seconds since sidereal midnight, in [0, 86400).
    // Evaluates the full nutation series at each call (some tens of µs); a clock that asks
    // every second keeps a SiderealClock instead.
    static std::optional<double> seconds(qint64 unixSeconds, double longitudeDegrees);

    // The same instant and longitude as text(seconds()). nullopt exactly when seconds() gives
    // nullopt.
    static std::optional<QString> local(qint64 unixSeconds, double longitudeDegrees);

    // Seconds since sidereal midnight as "HH:MM:SS", 24-hour, zero-padded, seconds truncated:
    // it always names the second the value falls in ("23:59:59" for 86399.9, never
    // "24:00:00"). Empty for a value outside [0, 86400), NaN included.
    static QString text(double seconds);
};

// The Julian date of a Unix time (UTC, leap seconds not counted): days of 86400 s, so a day
// that ends with a leap second is a second short. Its resolution is some tens of µs.
double julianDateOfUnix(double unixSeconds);
// The same date counted from 1858-11-17T00:00 (Julian date 2400000.5).
double modifiedJulianDate(double julianDate);
// The modified Julian date of a Unix time straight away, without the precision a Julian date
// of seven digits before the point gives away.
double modifiedJulianDateOfUnix(double unixSeconds);

// The UTC calendar day a Unix second falls on, and the second within it (0 to 86399).
struct UtcDay
{
    int year, month, day;
    int secondOfDay;
};
// nullopt outside ERFA's calendar (before the year -4799, or millions of years ahead).
std::optional<UtcDay> utcDayOf(qint64 unixSeconds);

// A UTC instant (unixSeconds as above, plus fraction in [0, 1)) in the two time scales the sky
// is worked out in, each as ERFA's two-part Julian date: UT1 = UTC + dut1Seconds, and TT from
// ERFA's leap-second table (past its end, the last known count). nullopt for an instant ERFA
// cannot place.
struct JulianDates
{
    double ut11, ut12; // UT1
    double tt1, tt2; // TT
};
std::optional<JulianDates> julianDatesOf(qint64 unixSeconds, double fraction, double dut1Seconds);

// Greenwich sidereal time at one instant, in seconds since sidereal midnight, each in [0, 86400).
struct GreenwichSidereal
{
    double mean = 0; // eraGmst06
    double apparent = 0; // eraGst06a: the mean time plus the equation of the equinoxes
};

// Sidereal time for a clock that asks about nearby instants again and again, with UT1 known:
// the equation of the equinoxes, the costly part, is evaluated at the whole minutes of TT and
// interpolated linearly in between. Asked second after second it evaluates the series once
// per minute (twice on the first call and after the clock jumps).
//
// The interpolation departs from eraGst06a by under 1 ns of time: the fastest terms of the
// nutation (13.7 and 182.6 days) bend the equation of the equinoxes far too little over a
// minute to matter, whereas holding one value through the minute would be up to some µs off.
// Not thread-safe: one per thread or caller.
class SiderealClock
{
public:
    // At fraction (in [0, 1)) past the UTC second unixSeconds (as for Sidereal::seconds), with
    // UT1 = UTC + dut1Seconds. nullopt for an instant ERFA cannot place, a non-finite
    // dut1Seconds or a fraction outside [0, 1).
    std::optional<GreenwichSidereal> at(qint64 unixSeconds, double dut1Seconds, double fraction = 0);

    // A Greenwich sidereal time carried to longitudeDegrees (east positive, any finite value):
    // seconds since local sidereal midnight, in [0, 86400). nullopt for a non-finite longitude.
    static std::optional<double> atLongitude(double greenwichSeconds, double longitudeDegrees);

private:
    // The equation of the equinoxes (radians) at the start of TT minute m_minute and of the
    // next minute. m_minute counts minutes from Julian date 0 (TT); none before the first call.
    std::optional<qint64> m_minute;
    double m_atStart = 0;
    double m_atEnd = 0;
};

} // namespace AppUtils
