#pragma once

#include <QtGlobal>

#include <array>
#include <optional>

// Where the Sun and the Moon stand, seen from the centre of the Earth, for instants within a
// day or so of one moment: what the observer's night is worked out from.
//
// The Sun from ERFA's Earth ephemeris (eraEpv00) carried to its apparent place: light-time
// (its barycentric position when the light left it) and annual aberration (eraAtciq, which
// also bends the light by the Sun: nothing for the Sun itself). The Moon from eraMoon98,
// geocentric, with light-time; it moves with the Earth, so no annual aberration. Both
// rotated into the celestial intermediate system (CIRS: the true equator of date, right
// ascensions from the CIO), where the hour angle is the Earth rotation angle plus the east
// longitude minus the right ascension. Precession-nutation is held at the moment the places
// are built around: within ±1 day it moves a place by under 0.3″. TT from UTC through ERFA's
// leap-second table; before 1960 ERFA knows no leap seconds and TT − UTC stays 32.184 s (the
// Moon moves under 20″ by that).
class SunMoon
{
public:
    using Vector = std::array<double, 3>;

    // Both bodies at one instant: geocentric CIRS vectors in au (direction and distance).
    struct Place
    {
        Vector sun;
        Vector moon;
    };

    // Places for instants near unixSeconds (UTC, leap seconds not counted), with UT1 =
    // UTC + dut1Seconds. nullopt for an instant ERFA cannot place or a non-finite dut1.
    static std::optional<SunMoon> around(qint64 unixSeconds, double dut1Seconds);

    // The places at a UTC instant. nullopt for an instant ERFA cannot place.
    std::optional<Place> at(qint64 unixSeconds) const;

    // The Moon's ecliptic longitude less the Sun's (the equator and equinox of date), in
    // degrees, [0, 360): 0 at new Moon, 90 at first quarter, 180 at full, 270 at last quarter.
    double elongation(const Place &place) const;

    // The Earth rotation angle (radians, [0, 2π)) at a UTC instant, with UT1 = UTC + dut1Seconds.
    static double earthRotationAngle(double unixSeconds, double dut1Seconds);

private:
    SunMoon() = default;
    double m_dut1 = 0;
    double m_gcrsToCirs[3][3]{};
    double m_cirsToEcliptic[3][3]{};
};
