#pragma once

#include "Target.h"

#include <QtGlobal>

#include <memory>
#include <optional>
#include <span>
#include <vector>

// Where a target stands for the observer: above the horizon, below it, or on a circle of the
// sky that never crosses it at this latitude.
enum class Visibility { up, down, neverRises, neverSets };

struct TargetPlace
{
    Target target;
    double hourAngle = 0; // radians, (−π, +π]: negative east of the meridian, positive west
    // Solar (UT1) seconds until the target crosses the meridian above the pole, negative when
    // it crossed it that long ago: −hourAngle over the Earth's rotation rate, so within ±12 h.
    double secondsToMeridian = 0;
    double altitude = 0; // degrees above the horizon, [−90, +90]; no refraction
    Visibility visibility = Visibility::down;
    double declination = 0; // degrees, apparent (CIRS): what the hour angle turns about the pole

    bool operator==(const TargetPlace &) const = default;
};

// The relative air mass at a geometric altitude in degrees, 1 at the zenith, after Kasten and
// Young (1989), fitted to their tables for the ISO standard atmosphere:
// 1 / (sin h + 0.50572 (h + 6.07995°)^−1.6364), about 38 at the horizon. None at or below it.
std::optional<double> airmass(double altitudeDegrees);

// The places of a list of targets for a clock that asks second after second, from ERFA's
// ICRS-to-observed chain (IAU 2006/2000A, the CIO-based transformation): aberration, light
// bending by the Sun, precession-nutation, Earth rotation and diurnal aberration; no proper
// motion, parallax or refraction (an air pressure of 0), polar motion taken as zero, the
// observer on the ellipsoid (height 0). The star-independent part (eraApco13) is worked out at
// most once per UTC minute and again when the site moves; each second only brings the Earth
// rotation angle up to date (eraAper13): in a minute the rest moves the places by under
// 0.002″. Not thread-safe: one per caller.
class TargetSky
{
public:
    TargetSky();
    ~TargetSky();

    // The places of targets, in their order, at the UTC instant unixSeconds + fraction
    // (unixSeconds: since 1970-01-01T00:00:00Z, leap seconds not counted; fraction in [0, 1)),
    // with UT1 = UTC + dut1Seconds, for an observer at latitudeDegrees (north positive,
    // [−90, +90]) and longitudeDegrees (east positive, any finite value).
    // Never rises / never sets: the apparent (CIRS) declination δ and the latitude φ have the
    // same / opposite signs and |δ| ≥ 90° − |φ|; otherwise up when the altitude is above 0.
    // Past the end of ERFA's leap-second table ("dubious year") the last known count is kept.
    // Empty for a non-finite argument, a latitude out of range or an instant ERFA cannot place.
    std::vector<TargetPlace> places(qint64 unixSeconds, double fraction, double dut1Seconds, double latitudeDegrees,
        double longitudeDegrees, std::span<const Target> targets);

private:
    struct Astrometry; // ERFA's star-independent parameters, and what they were worked out for
    std::unique_ptr<Astrometry> m_astrometry;
};
