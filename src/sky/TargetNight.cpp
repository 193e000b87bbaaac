#include "TargetNight.h"

#include "TargetSky.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double radiansPerDegree = std::numbers::pi / 180;
// A star's hour angle grows at the rate of the Earth rotation angle: one turn in a sidereal day
// of 86164.09 solar (UT1) seconds.
constexpr double siderealDaySeconds = 86400 / 1.00273781191135448;
// Where the centre of a star stands when it rises or sets over a flat horizon: the standard
// refraction at the horizon, 34′ (Meeus, Astronomical Algorithms, ch. 15).
constexpr double riseAltitudeDegrees = -0.5667;

// How long before and after its upper culmination a target at declination δ stands above the
// altitude h (radians, all) for an observer at latitude φ: 0 when it never climbs above h, half
// a sidereal day when it never sinks below.
double halfArcSeconds(double h, double phi, double delta)
{
    const double upper = std::numbers::pi / 2 - std::abs(phi - delta); // altitude at upper culmination
    const double lower = std::abs(phi + delta) - std::numbers::pi / 2; // and at lower culmination
    if (upper <= h)
        return 0;
    if (lower >= h)
        return siderealDaySeconds / 2;
    // The two tests above leave cos φ cos δ well away from 0.
    const double cosHourAngle = (std::sin(h) - std::sin(phi) * std::sin(delta)) / (std::cos(phi) * std::cos(delta));
    return std::acos(std::clamp(cosHourAngle, -1.0, 1.0)) / (2 * std::numbers::pi) * siderealDaySeconds;
}

SkyInstant nearestSecond(double unixSeconds)
{
    return SkyInstant(std::chrono::seconds(std::llround(unixSeconds)));
}

// The seconds of [start, end] within halfArc of a transit, one each sidereal day.
double secondsNearTransits(double start, double end, double transit, double halfArc)
{
    double seconds = 0;
    const double first = std::floor((start - transit - halfArc) / siderealDaySeconds);
    const double last = std::ceil((end - transit + halfArc) / siderealDaySeconds);
    for (double day = first; day <= last; ++day) {
        const double culmination = transit + day * siderealDaySeconds;
        seconds += std::max(0.0, std::min(end, culmination + halfArc) - std::max(start, culmination - halfArc));
    }
    return seconds;
}

} // namespace

std::vector<TargetNight> targetNights(const Night &night, std::span<const Target> targets, double limitDegrees)
{
    const SkyInstant middle = night.start + (night.end - night.start) / 2;
    TargetSky sky;
    const std::vector<TargetPlace> places
        = sky.places(middle.time_since_epoch().count(), 0, night.dut1, night.latitude, night.longitude, targets);
    const double phi = night.latitude * radiansPerDegree;
    const double limit = limitDegrees * radiansPerDegree;
    std::vector<TargetNight> nights;
    nights.reserve(places.size());
    for (const TargetPlace &place : places) {
        const double delta = place.declination * radiansPerDegree;
        const double transit = double(middle.time_since_epoch().count()) + place.secondsToMeridian;
        TargetNight course;
        course.target = place.target;
        course.transit = nearestSecond(transit);
        const double riseArc = halfArcSeconds(riseAltitudeDegrees * radiansPerDegree, phi, delta);
        course.circumpolar = riseArc == siderealDaySeconds / 2;
        if (riseArc > 0 && !course.circumpolar) {
            course.rise = nearestSecond(transit - riseArc);
            course.set = nearestSecond(transit + riseArc);
        }
        const double limitArc = halfArcSeconds(limit, phi, delta);
        double dark = 0;
        for (const DarkInterval &interval : night.dark)
            dark += secondsNearTransits(double(interval.start.time_since_epoch().count()),
                double(interval.end.time_since_epoch().count()), transit, limitArc);
        course.darkAboveLimit = std::chrono::seconds(std::llround(dark));
        nights.push_back(std::move(course));
    }
    return nights;
}
