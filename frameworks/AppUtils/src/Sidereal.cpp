#include "AppUtils/Sidereal.h"
#include "AppUtils/Digits.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <utility>

namespace AppUtils {

namespace {

constexpr qint64 secondsPerDay = 86400;

// 1970-01-01T00:00:00 as a modified Julian date.
double unixEpochMjd()
{
    static const double mjd = [] {
        double djm0 = 0, djm = 0;
        eraCal2jd(1970, 1, 1, &djm0, &djm);
        return djm;
    }();
    return mjd;
}

// UTC as ERFA's two-part quasi Julian date: the day's 0h, then the fraction of that day.
// eraDtf2d reckons the fraction over the day's true length, which is 86401 s when it ends with
// a leap second; a plain "seconds / 86400" there would run up to a second ahead by midnight.
std::optional<std::pair<double, double>> utcJulianDate(qint64 unixSeconds, double fraction)
{
    const std::optional<UtcDay> at = utcDayOf(unixSeconds);
    if (!at)
        return std::nullopt;
    const int second = at->secondOfDay;
    double utc1 = 0, utc2 = 0;
    if (eraDtf2d(
            "UTC", at->year, at->month, at->day, second / 3600, second / 60 % 60, second % 60 + fraction, &utc1, &utc2)
        < 0)
        return std::nullopt;
    return std::pair{utc1, utc2};
}

constexpr double secondsPerDayReal = secondsPerDay;

// An angle in [0, 2π) as seconds of the sidereal day. A tiny negative angle lifted by 2π, or
// one a hair below 2π, can round to 86400 itself: that is midnight.
double daySecondsOf(double angle)
{
    const double seconds = angle / ERFA_D2PI * secondsPerDayReal;
    return seconds < secondsPerDayReal ? seconds : 0.0;
}

// Greenwich sidereal time: the mean time plus equationOfEquinoxes(instant), which gives radians.
template <typename EquationOfEquinoxes>
std::optional<GreenwichSidereal> greenwichAt(
    qint64 unixSeconds, double fraction, double dut1Seconds, EquationOfEquinoxes &&equationOfEquinoxes)
{
    if (!std::isfinite(dut1Seconds) || !(fraction >= 0 && fraction < 1))
        return std::nullopt;
    const std::optional<JulianDates> at = julianDatesOf(unixSeconds, fraction, dut1Seconds);
    if (!at)
        return std::nullopt;
    const double mean = eraGmst06(at->ut11, at->ut12, at->tt1, at->tt2);
    return GreenwichSidereal{daySecondsOf(eraAnp(mean)), daySecondsOf(eraAnp(mean + equationOfEquinoxes(*at)))};
}

constexpr qint64 minutesPerDay = 1440;
constexpr double minutesPerDayReal = minutesPerDay;

// The equation of the equinoxes at the start of a minute of TT counted from Julian date 0.
double equationOfEquinoxesAt(qint64 minute)
{
    qint64 day = minute / minutesPerDay;
    qint64 inDay = minute % minutesPerDay;
    if (inDay < 0) { // before Julian date 0: floor, not truncation
        inDay += minutesPerDay;
        --day;
    }
    return eraEe06a(static_cast<double>(day), static_cast<double>(inDay) / minutesPerDayReal);
}

} // namespace

std::optional<JulianDates> julianDatesOf(qint64 unixSeconds, double fraction, double dut1Seconds)
{
    const auto utc = utcJulianDate(unixSeconds, fraction);
    if (!utc)
        return std::nullopt;
    // Status +1 ("dubious year") is only a warning: the leap-second table has run out.
    JulianDates at{};
    double tai1 = 0, tai2 = 0;
    if (eraUtctai(utc->first, utc->second, &tai1, &tai2) < 0
        || eraUtcut1(utc->first, utc->second, dut1Seconds, &at.ut11, &at.ut12) < 0)
        return std::nullopt;
    eraTaitt(tai1, tai2, &at.tt1, &at.tt2); // cannot fail
    return at;
}

double julianDateOfUnix(double unixSeconds)
{
    return ERFA_DJM0 + modifiedJulianDateOfUnix(unixSeconds);
}

double modifiedJulianDateOfUnix(double unixSeconds)
{
    return unixEpochMjd() + unixSeconds / secondsPerDayReal;
}

double modifiedJulianDate(double julianDate)
{
    return julianDate - ERFA_DJM0;
}

std::optional<UtcDay> utcDayOf(qint64 unixSeconds)
{
    qint64 days = unixSeconds / secondsPerDay;
    qint64 second = unixSeconds % secondsPerDay;
    if (second < 0) { // before 1970: floor, not truncation
        second += secondsPerDay;
        --days;
    }
    UtcDay at{0, 0, 0, static_cast<int>(second)};
    double dayFraction = 0;
    // Rejects dates outside ERFA's calendar range; any whole-day count converts exactly.
    if (eraJd2cal(ERFA_DJM0, unixEpochMjd() + static_cast<double>(days), &at.year, &at.month, &at.day, &dayFraction) != 0)
        return std::nullopt;
    return at;
}

std::optional<double> Sidereal::seconds(qint64 unixSeconds, double longitudeDegrees)
{
    const auto greenwich
        = greenwichAt(unixSeconds, 0.0, 0.0, [](const JulianDates &at) { return eraEe06a(at.tt1, at.tt2); });
    return greenwich ? SiderealClock::atLongitude(greenwich->apparent, longitudeDegrees) : std::nullopt;
}

std::optional<QString> Sidereal::local(qint64 unixSeconds, double longitudeDegrees)
{
    const std::optional<double> value = seconds(unixSeconds, longitudeDegrees);
    if (!value)
        return std::nullopt;
    return text(*value);
}

QString Sidereal::text(double seconds)
{
    if (!(seconds >= 0 && seconds < static_cast<double>(secondsPerDay)))
        return {};
    QString text;
    appendClock(text, static_cast<int>(seconds)); // truncates; below 86400, so at most 23:59:59
    return text;
}

std::optional<double> SiderealClock::atLongitude(double greenwichSeconds, double longitudeDegrees)
{
    if (!std::isfinite(longitudeDegrees))
        return std::nullopt;
    // Reducing the longitude first keeps 360 + x as exact as x: 240 sidereal seconds a degree.
    const double seconds = std::fmod(greenwichSeconds + std::fmod(longitudeDegrees, 360.0) * 240.0, secondsPerDayReal);
    const double wrapped = seconds < 0 ? seconds + secondsPerDayReal : seconds;
    return wrapped < secondsPerDayReal ? wrapped : 0.0;
}

std::optional<GreenwichSidereal> SiderealClock::at(qint64 unixSeconds, double dut1Seconds, double fraction)
{
    return greenwichAt(unixSeconds, fraction, dut1Seconds, [this](const JulianDates &at) {
        // The whole Julian date first, so that the minutes of the day keep their precision.
        const double wholeDay = std::floor(at.tt1);
        const double minutes = ((at.tt1 - wholeDay) + at.tt2) * minutesPerDayReal;
        const double minuteInDay = std::floor(minutes);
        const qint64 minute = static_cast<qint64>(wholeDay) * minutesPerDay + static_cast<qint64>(minuteInDay);
        if (m_minute && minute == *m_minute + 1) {
            m_atStart = m_atEnd;
            m_atEnd = equationOfEquinoxesAt(minute + 1);
        } else if (!m_minute || minute != *m_minute) {
            m_atStart = equationOfEquinoxesAt(minute);
            m_atEnd = equationOfEquinoxesAt(minute + 1);
        }
        m_minute = minute;
        return m_atStart + (m_atEnd - m_atStart) * (minutes - minuteInDay);
    });
}

} // namespace AppUtils
