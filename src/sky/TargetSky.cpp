#include "TargetSky.h"

#include <AppUtils/Sidereal.h>

#include <erfa.h>
#include <erfam.h>

#include <chrono>
#include <cmath>
#include <optional>

struct TargetSky::Astrometry
{
    eraASTROM astrom{};
    std::optional<qint64> minute; // the Unix minute astrom was worked out in; none before the first
    double latitude = 0; // radians, as astrom was worked out for
    double longitude = 0;
};

TargetSky::TargetSky()
    : m_astrometry(std::make_unique<Astrometry>())
{
}

TargetSky::~TargetSky() = default;

namespace {

// The Earth turns once relative to the CIRS frame every 1/1.00273781191135448 UT1 days
// (the rate of the Earth rotation angle); a star's hour angle grows at that rate.
constexpr double hourAngleRadiansPerSecond = ERFA_D2PI * 1.00273781191135448 / ERFA_DAYSEC;

Visibility visibility(double declination, double latitude, double altitude)
{
    if (std::abs(declination) >= ERFA_DPI / 2 - std::abs(latitude)) {
        if (declination * latitude > 0)
            return Visibility::neverSets;
        if (declination * latitude < 0)
            return Visibility::neverRises;
    }
    return altitude > 0 ? Visibility::up : Visibility::down;
}

} // namespace

std::vector<TargetPlace> TargetSky::places(qint64 unixSeconds, double fraction, double dut1Seconds,
    double latitudeDegrees, double longitudeDegrees, std::span<const Target> targets)
{
    if (!std::isfinite(fraction) || !std::isfinite(dut1Seconds) || !std::isfinite(longitudeDegrees)
        || !(std::abs(latitudeDegrees) <= 90))
        return {};
    // UTC as ERFA's two-part quasi Julian date, whose day fraction counts a leap second's day
    // as 86401 s long: through the calendar date rather than seconds / 86400.
    const std::optional<AppUtils::UtcDay> day = AppUtils::utcDayOf(unixSeconds);
    if (!day)
        return {};
    double utc1 = 0, utc2 = 0, ut11 = 0, ut12 = 0;
    const int second = day->secondOfDay;
    if (eraDtf2d("UTC", day->year, day->month, day->day, second / 3600, second / 60 % 60, second % 60 + fraction, &utc1,
            &utc2)
            < 0
        || eraUtcut1(utc1, utc2, dut1Seconds, &ut11, &ut12) < 0)
        return {};

    Astrometry &a = *m_astrometry;
    const double latitude = latitudeDegrees * ERFA_DD2R;
    const double longitude = longitudeDegrees * ERFA_DD2R;
    const qint64 minute = std::chrono::floor<std::chrono::minutes>(std::chrono::seconds(unixSeconds)).count();
    if (a.minute != minute || a.latitude != latitude || a.longitude != longitude) {
        double equationOfOrigins = 0;
        a.minute.reset();
        if (eraApco13(utc1, utc2, dut1Seconds, longitude, latitude, 0, 0, 0, 0, 0, 0, 0, &a.astrom, &equationOfOrigins)
            < 0)
            return {};
        a.minute = minute;
        a.latitude = latitude;
        a.longitude = longitude;
    }
    eraAper13(ut11, ut12, &a.astrom);

    std::vector<TargetPlace> places;
    places.reserve(targets.size());
    for (const Target &target : targets) {
        double ri = 0, di = 0, azimuth = 0, zenithDistance = 0, hourAngle = 0, dob = 0, rob = 0;
        eraAtciq(target.raHours * 15 * ERFA_DD2R, target.decDegrees * ERFA_DD2R, 0, 0, 0, 0, &a.astrom, &ri, &di);
        eraAtioq(ri, di, &a.astrom, &azimuth, &zenithDistance, &hourAngle, &dob, &rob);
        if (hourAngle <= -ERFA_DPI)
            hourAngle += ERFA_D2PI;
        const double altitude = 90 - zenithDistance * ERFA_DR2D;
        places.push_back({target, hourAngle, -hourAngle / hourAngleRadiansPerSecond, altitude,
            visibility(di, latitude, altitude), di * ERFA_DR2D});
    }
    return places;
}

std::optional<double> airmass(double altitudeDegrees)
{
    // Kasten, F. and Young, A. T. (1989), "Revised optical air mass tables and approximation
    // formula", Applied Optics 28 (22), 4735–4738, for the ISO standard atmosphere.
    if (!(altitudeDegrees > 0))
        return std::nullopt;
    return 1 / (std::sin(altitudeDegrees * ERFA_DD2R) + 0.50572 * std::pow(altitudeDegrees + 6.07995, -1.6364));
}
