#pragma once

#include <QDate>
#include <QTimeZone>

#include <array>
#include <chrono>
#include <optional>
#include <vector>

// The observer's night: from local noon of one date to local noon of the next, the instants at
// which the Sun and the Moon cross the altitudes an observer plans by, the Moon's phase, and
// the hours that are truly dark. Worked out once a night; what changes each second (the two
// altitudes, the part of the day, the next event) comes from skyAt(), which is cheap.

using SkyInstant = std::chrono::sys_seconds;

// The part of the day, from the Sun's altitude h: day (h ≥ −0.8333°, the Sun's upper limb up
// with standard refraction), civil (≥ −6°), nautical (≥ −12°), astronomical twilight
// (≥ −18°), night.
enum class Daylight { day, civilTwilight, nauticalTwilight, astronomicalTwilight, night };

enum class MoonPhase {
    newMoon,
    waxingCrescent,
    firstQuarter,
    waxingGibbous,
    full,
    waningGibbous,
    lastQuarter,
    waningCrescent
};

// The night's events, in the order a night brings them.
enum class NightEvent {
    sunset,
    civilDusk,
    nauticalDusk,
    astronomicalDusk,
    astronomicalDawn,
    nauticalDawn,
    civilDawn,
    sunrise,
    moonrise,
    moonset
};
inline constexpr int nightEventCount = 10;

struct DarkInterval
{
    SkyInstant start;
    SkyInstant end;

    bool operator==(const DarkInterval &) const = default;
};

struct Night
{
    QDate date; // the local date whose noon starts the night
    SkyInstant start; // local noon of date
    SkyInstant end; // local noon of the next date
    double latitude = 0; // degrees, north positive
    double longitude = 0; // degrees, east positive
    double dut1 = 0; // UT1 − UTC, seconds, as worked out with
    // When each event happens within [start, end), to the second, indexed by NightEvent; none
    // when it does not happen then. The first, when it happens twice (a Moon can).
    std::array<std::optional<SkyInstant>, nightEventCount> events;
    const std::optional<SkyInstant> &at(NightEvent event) const { return events[static_cast<std::size_t>(event)]; }
    // The brightest and darkest parts of the day the window reaches: darkest == day when the
    // Sun does not set, brightest != day when it does not rise, darkest == nauticalTwilight
    // for "no astronomical night — nautical twilight all night".
    Daylight brightest = Daylight::day;
    Daylight darkest = Daylight::night;
    // The Moon at local midnight (the middle of the window).
    double moonIllumination = 0; // illuminated fraction, [0, 1]
    bool moonWaxing = false;
    MoonPhase moonPhase = MoonPhase::newMoon;
    double moonAgeDays = 0; // since the last new Moon
    // Astronomical night with the Moon's upper limb below the horizon, in order.
    std::vector<DarkInterval> dark;
    double darkHours() const;

    // What skyAt() interpolates between: the Sun's and the Moon's apparent places through the
    // window. Only this file's implementation reads them.
    struct BodySample;
    std::vector<BodySample> samples;

    Night();
    Night(const Night &);
    Night &operator=(const Night &);
    ~Night();
};

// The years the almanac can place the Sun and the Moon in (ERFA's ephemerides are fitted to
// 1900–2100); none is worked out outside them.
bool almanacCovers(QDate date);

// The night that starts at local noon of date in zone, for an observer at latitude ([−90, +90])
// and longitude (east positive), with UT1 = UTC + dut1Seconds. None for a date the almanac
// does not cover, a non-finite argument or a latitude out of range.
std::optional<Night> nightOf(QDate date, const QTimeZone &zone, double latitude, double longitude, double dut1Seconds);

// The date whose noon-to-noon window holds a local time: the same date from noon on, the day
// before until then.
QDate nightDateOf(QDate localDate, int localHour);

// The Sun and the Moon at one instant of the night.
struct SkyNow
{
    double sunAltitude = 0; // degrees, the centre, no refraction
    double moonAltitude = 0; // degrees, the centre seen from the site (parallax applied), no refraction
    Daylight daylight = Daylight::day;
    // The night's next event after the instant, and when; none after the last.
    std::optional<NightEvent> next;
    SkyInstant nextAt{};
};

// From the night's samples, without working out the Sun or the Moon again: cheap enough for
// every second. instant should lie within [night.start, night.end].
SkyNow skyAt(const Night &night, std::chrono::system_clock::time_point instant);
