#include "AppUtils/Sidereal.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <utility>

namespace AppUtils {

namespace {

constexpr qint64 secondsPerDay = 86400;
constexpr double unixEpochJd = 2440587.5;   // 1970-01-01T00:00:00 as a Julian date

// UTC as ERFA's two-part quasi Julian date: the day's 0h, then the fraction of that day.
// eraDtf2d reckons the fraction over the day's true length, which is 86401 s when it ends with
// a leap second; a plain "seconds / 86400" there would run up to a second ahead by midnight.
std::optional<std::pair<double, double>> utcJulianDate(qint64 unixSeconds)
{
    qint64 days = unixSeconds / secondsPerDay;
    qint64 second = unixSeconds % secondsPerDay;
    if (second < 0) {   // before 1970: floor, not truncation
        second += secondsPerDay;
        --days;
    }
    int year = 0, month = 0, day = 0;
    double dayFraction = 0;
    // Rejects dates outside ERFA's calendar range; any whole-day count converts exactly.
    if (eraJd2cal(unixEpochJd, static_cast<double>(days), &year, &month, &day, &dayFraction) != 0)
        return std::nullopt;
    const int secondOfDay = static_cast<int>(second);
    double utc1 = 0, utc2 = 0;
    if (eraDtf2d("UTC", year, month, day, secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60,
                 &utc1, &utc2) < 0)
        return std::nullopt;
    return std::pair{utc1, utc2};
}

// The local apparent sidereal time in seconds for a finite longitude, or none.
std::optional<double> computeSeconds(qint64 unixSeconds, double longitudeDegrees)
{
    const auto utc = utcJulianDate(unixSeconds);
    if (!utc)
        return std::nullopt;
    // Status +1 ("dubious year") is only a warning: the leap-second table has run out.
    double tai1 = 0, tai2 = 0, tt1 = 0, tt2 = 0, ut11 = 0, ut12 = 0;
    if (eraUtctai(utc->first, utc->second, &tai1, &tai2) < 0
        || eraUtcut1(utc->first, utc->second, 0.0, &ut11, &ut12) < 0)
        return std::nullopt;
    eraTaitt(tai1, tai2, &tt1, &tt2);   // cannot fail
    // Reducing the longitude first keeps 360 + x as exact as x.
    const double longitude = std::fmod(longitudeDegrees, 360.0) * ERFA_DD2R;
    const double angle = eraAnp(eraGst06a(ut11, ut12, tt1, tt2) + longitude);
    const double secondsOfDay = angle / ERFA_D2PI * static_cast<double>(secondsPerDay);
    // An angle a hair below 2π, or a tiny negative one lifted by 2π, can round to 86400 itself.
    return secondsOfDay < static_cast<double>(secondsPerDay) ? secondsOfDay : 0.0;
}

} // namespace

std::optional<double> Sidereal::seconds(qint64 unixSeconds, double longitudeDegrees)
{
    if (!std::isfinite(longitudeDegrees))
        return std::nullopt;
    // Both clock windows ask for the same second and place at each tick; the nutation series
    // behind the answer is the costliest part of a tick, so the last answer is kept.
    struct Answer
    {
        qint64 unixSeconds;
        double longitudeDegrees;
        std::optional<double> seconds;
    };
    thread_local std::optional<Answer> last;
    if (last && last->unixSeconds == unixSeconds && last->longitudeDegrees == longitudeDegrees)
        return last->seconds;
    last = Answer{unixSeconds, longitudeDegrees, computeSeconds(unixSeconds, longitudeDegrees)};
    return last->seconds;
}

std::optional<QString> Sidereal::local(qint64 unixSeconds, double longitudeDegrees)
{
    const std::optional<double> value = seconds(unixSeconds, longitudeDegrees);
    if (!value)
        return std::nullopt;
    const int whole = static_cast<int>(*value);   // truncates; below 86400, so at most 23:59:59
    return QString::asprintf("%02d:%02d:%02d", whole / 3600, whole / 60 % 60, whole % 60);
}

} // namespace AppUtils
