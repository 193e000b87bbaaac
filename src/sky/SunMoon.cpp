#include "SunMoon.h"

#include <AppUtils/Sidereal.h>

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace {

// m·v (ERFA 2.0's eraRxp does not take a const matrix).
SunMoon::Vector rotated(const double (&m)[3][3], const SunMoon::Vector &v)
{
    SunMoon::Vector r{};
    for (std::size_t i = 0; i < 3; ++i)
        r[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    return r;
}

} // namespace

std::optional<SunMoon> SunMoon::around(qint64 unixSeconds, double dut1Seconds)
{
    if (!std::isfinite(dut1Seconds))
        return std::nullopt;
    const std::optional<AppUtils::JulianDates> at = AppUtils::julianDatesOf(unixSeconds, 0, dut1Seconds);
    if (!at)
        return std::nullopt;
    SunMoon sunMoon;
    sunMoon.m_dut1 = dut1Seconds;
    eraC2i06a(at->tt1, at->tt2, sunMoon.m_gcrsToCirs);
    double gcrsToEcliptic[3][3];
    eraEcm06(at->tt1, at->tt2, gcrsToEcliptic);
    double cirsToGcrs[3][3];
    eraTr(sunMoon.m_gcrsToCirs, cirsToGcrs);
    eraRxr(gcrsToEcliptic, cirsToGcrs, sunMoon.m_cirsToEcliptic);
    return sunMoon;
}

std::optional<SunMoon::Place> SunMoon::at(qint64 unixSeconds) const
{
    const std::optional<AppUtils::JulianDates> at = AppUtils::julianDatesOf(unixSeconds, 0, m_dut1);
    if (!at)
        return std::nullopt;
    double earthHeliocentric[2][3], earthBarycentric[2][3];
    eraEpv00(at->tt1, at->tt2, earthHeliocentric, earthBarycentric); // +1 outside 1900–2100: still an answer
    eraASTROM astrom{};
    eraApcg(at->tt1, at->tt2, earthBarycentric, earthHeliocentric[0], &astrom);

    // The Sun's barycentric position when the light now arriving left it: em au ago.
    const double lightDays = astrom.em * ERFA_AULT / ERFA_DAYSEC;
    Vector sunBarycentric{};
    for (std::size_t i = 0; i < 3; ++i)
        sunBarycentric[i] = earthBarycentric[0][i] - earthHeliocentric[0][i]
            - lightDays * (earthBarycentric[1][i] - earthHeliocentric[1][i]);
    // As a "star" at the Sun's barycentric distance (parallax in arcseconds), eraAtciq takes it
    // to the Earth, then adds aberration; with this astrom its "CIRS" is still the GCRS.
    double ra = 0, dec = 0;
    eraC2s(sunBarycentric.data(), &ra, &dec);
    const double distance = eraPm(sunBarycentric.data());
    double sunRa = 0, sunDec = 0;
    eraAtciq(ra, dec, 0, 0, ERFA_DR2AS / distance, 0, &astrom, &sunRa, &sunDec);
    Vector sun{};
    eraS2p(sunRa, sunDec, astrom.em, sun.data());

    double moonGcrs[2][3];
    eraMoon98(at->tt1, at->tt2, moonGcrs);
    const double moonLightDays = eraPm(moonGcrs[0]) * ERFA_AULT / ERFA_DAYSEC;
    Vector moon{};
    for (std::size_t i = 0; i < 3; ++i)
        moon[i] = moonGcrs[0][i] - moonLightDays * moonGcrs[1][i];

    return Place{rotated(m_gcrsToCirs, sun), rotated(m_gcrsToCirs, moon)};
}

double SunMoon::elongation(const Place &place) const
{
    const Vector sun = rotated(m_cirsToEcliptic, place.sun);
    const Vector moon = rotated(m_cirsToEcliptic, place.moon);
    return eraAnp(std::atan2(moon[1], moon[0]) - std::atan2(sun[1], sun[0])) * ERFA_DR2D;
}

double SunMoon::earthRotationAngle(double unixSeconds, double dut1Seconds)
{
    // Unix days are UT days of 86400 s; UT1 is UTC moved by dut1.
    return eraEra00(ERFA_DJM0 + 40587.0, (unixSeconds + dut1Seconds) / ERFA_DAYSEC);
}
