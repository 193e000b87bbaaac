#include "Night.h"

#include "SunMoon.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <numbers>

// The places at one instant of the sampling grid: CIRS unit vectors, and the Moon's
// horizontal parallax (which its rising altitude depends on).
struct Night::BodySample
{
    SunMoon::Vector sun;
    SunMoon::Vector moon;
    double moonParallax = 0; // degrees
};

Night::Night() = default;
Night::Night(const Night &) = default;
Night &Night::operator=(const Night &) = default;
Night::~Night() = default;

double Night::darkHours() const
{
    double seconds = 0;
    for (const DarkInterval &interval : dark)
        seconds += static_cast<double>((interval.end - interval.start).count());
    return seconds / 3600;
}

bool almanacCovers(QDate date)
{
    return date.isValid() && date.year() >= 1900 && date.year() <= 2100;
}

QDate nightDateOf(QDate localDate, int localHour)
{
    return localHour >= 12 ? localDate : localDate.addDays(-1);
}

namespace {

constexpr double degrees = std::numbers::pi / 180;
// The places are sampled this often through the night and interpolated in between: over ten
// minutes the Moon's path bends from a straight line by far less than an arcsecond.
constexpr qint64 sampleSeconds = 600;

// The Earth's equatorial radius in au: the Moon's horizontal parallax π has sin π = this / its distance.
constexpr double earthRadius = 6378.14 / 149597870.7;

constexpr double sunriseAltitude = -0.8333; // the upper limb on the horizon, standard refraction
constexpr double civilAltitude = -6;
constexpr double nauticalAltitude = -12;
constexpr double astronomicalAltitude = -18;

// The Moon's geocentric altitude when its upper limb touches the horizon with standard
// refraction: its semidiameter (0.2725 π) and 34′ of refraction, less the parallax π it is
// lowered by (Meeus, ch. 15).
double moonriseAltitude(double parallax)
{
    return 0.7275 * parallax - 0.5667;
}

Daylight daylightAt(double sunAltitude)
{
    if (sunAltitude >= sunriseAltitude)
        return Daylight::day;
    if (sunAltitude >= civilAltitude)
        return Daylight::civilTwilight;
    if (sunAltitude >= nauticalAltitude)
        return Daylight::nauticalTwilight;
    if (sunAltitude >= astronomicalAltitude)
        return Daylight::astronomicalTwilight;
    return Daylight::night;
}

SunMoon::Vector unit(const SunMoon::Vector &v)
{
    const double length = std::hypot(v[0], v[1], v[2]);
    return {v[0] / length, v[1] / length, v[2] / length};
}

// The Sun's and the Moon's geocentric altitudes (degrees, the centre, no refraction) and the
// Moon's parallax at one instant, interpolated between the night's samples.
struct Altitudes
{
    double sun = 0;
    double moon = 0;
    double moonParallax = 0;

    bool moonUp() const { return moon >= moonriseAltitude(moonParallax); }
};

Altitudes altitudesAt(const Night &night, double unixSeconds)
{
    const std::vector<Night::BodySample> &samples = night.samples;
    const double sinceStart = (unixSeconds - static_cast<double>(night.start.time_since_epoch().count()))
        / static_cast<double>(sampleSeconds);
    const double last = static_cast<double>(samples.size() - 1);
    const double index = std::clamp(std::floor(sinceStart), 0.0, last - 1);
    const double f = std::clamp(sinceStart - index, 0.0, 1.0);
    const Night::BodySample &a = samples[static_cast<std::size_t>(index)];
    const Night::BodySample &b = samples[static_cast<std::size_t>(index) + 1];
    const auto between = [f](const SunMoon::Vector &p, const SunMoon::Vector &q) {
        return unit({p[0] + (q[0] - p[0]) * f, p[1] + (q[1] - p[1]) * f, p[2] + (q[2] - p[2]) * f});
    };
    // The local zenith in CIRS: the latitude, and the Earth rotation angle plus the longitude.
    const double angle = SunMoon::earthRotationAngle(unixSeconds, night.dut1) + night.longitude * degrees;
    const double cosLatitude = std::cos(night.latitude * degrees);
    const SunMoon::Vector zenith{
        cosLatitude * std::cos(angle), cosLatitude * std::sin(angle), std::sin(night.latitude * degrees)};
    const auto altitude = [&zenith](const SunMoon::Vector &p) {
        const double s = zenith[0] * p[0] + zenith[1] * p[1] + zenith[2] * p[2];
        return std::asin(std::clamp(s, -1.0, 1.0)) / degrees;
    };
    return {altitude(between(a.sun, b.sun)), altitude(between(a.moon, b.moon)),
        a.moonParallax + (b.moonParallax - a.moonParallax) * f};
}

// The first whole second in (from, to] at which holds(altitudes then) is true, given that it is
// false at from and true at to: bisected to the second.
template <typename Holds>
qint64 firstSecond(const Night &night, qint64 from, qint64 to, Holds &&holds)
{
    while (to - from > 1) {
        const qint64 middle = from + (to - from) / 2;
        (holds(altitudesAt(night, static_cast<double>(middle))) ? to : from) = middle;
    }
    return to;
}

// Each event: which body, the altitude it crosses, and whether going up.
struct Crossing
{
    NightEvent event;
    bool moon;
    double altitude; // ignored for the Moon: its own, from its parallax
    bool rising;
};
constexpr Crossing crossings[nightEventCount] = {
    {NightEvent::sunset, false, sunriseAltitude, false},
    {NightEvent::civilDusk, false, civilAltitude, false},
    {NightEvent::nauticalDusk, false, nauticalAltitude, false},
    {NightEvent::astronomicalDusk, false, astronomicalAltitude, false},
    {NightEvent::astronomicalDawn, false, astronomicalAltitude, true},
    {NightEvent::nauticalDawn, false, nauticalAltitude, true},
    {NightEvent::civilDawn, false, civilAltitude, true},
    {NightEvent::sunrise, false, sunriseAltitude, true},
    {NightEvent::moonrise, true, 0, true},
    {NightEvent::moonset, true, 0, false},
};

bool above(const Altitudes &at, const Crossing &crossing)
{
    return crossing.moon ? at.moonUp() : at.sun >= crossing.altitude;
}

bool isDark(const Altitudes &at)
{
    return at.sun < astronomicalAltitude && !at.moonUp();
}

SkyInstant instant(qint64 unixSeconds)
{
    return SkyInstant(std::chrono::seconds(unixSeconds));
}

// The night's samples, every sampleSeconds from its start to at or past its end. False when
// ERFA cannot place an instant.
bool sample(Night &night, const SunMoon &sunMoon)
{
    const qint64 start = night.start.time_since_epoch().count();
    const qint64 end = night.end.time_since_epoch().count();
    const qint64 count = (end - start + sampleSeconds - 1) / sampleSeconds + 1;
    night.samples.reserve(static_cast<std::size_t>(count));
    for (qint64 i = 0; i < count; ++i) {
        const std::optional<SunMoon::Place> place = sunMoon.at(start + i * sampleSeconds);
        if (!place)
            return false;
        const double moonDistance = std::hypot(place->moon[0], place->moon[1], place->moon[2]);
        night.samples.push_back({unit(place->sun), unit(place->moon), std::asin(earthRadius / moonDistance) / degrees});
    }
    return true;
}

// The sampled instants within the window and the window's end, with the altitudes then: where
// the search for crossings starts.
struct Grid
{
    std::vector<qint64> instants;
    std::vector<Altitudes> altitudes;
};

Grid gridOf(const Night &night)
{
    Grid grid;
    const qint64 end = night.end.time_since_epoch().count();
    for (qint64 t = night.start.time_since_epoch().count(); t < end; t += sampleSeconds)
        grid.instants.push_back(t);
    grid.instants.push_back(end);
    for (const qint64 t : grid.instants)
        grid.altitudes.push_back(altitudesAt(night, static_cast<double>(t)));
    return grid;
}

// Each event at the first crossing of its kind within the window, to the second.
void findEvents(Night &night, const Grid &grid)
{
    for (const Crossing &crossing : crossings) {
        const auto crossed = [&crossing](const Altitudes &at) { return above(at, crossing) == crossing.rising; };
        for (std::size_t k = 0; k + 1 < grid.instants.size(); ++k) {
            if (crossed(grid.altitudes[k]) || !crossed(grid.altitudes[k + 1]))
                continue;
            const qint64 t = firstSecond(night, grid.instants[k], grid.instants[k + 1], crossed);
            if (t < night.end.time_since_epoch().count())
                night.events[static_cast<std::size_t>(crossing.event)] = instant(t);
            break;
        }
    }
}

// Astronomical night with the Moon down, as intervals.
void findDarkness(Night &night, const Grid &grid)
{
    bool darkNow = isDark(grid.altitudes.front());
    SkyInstant darkFrom = night.start;
    for (std::size_t k = 0; k + 1 < grid.instants.size(); ++k) {
        const bool darkAfter = isDark(grid.altitudes[k + 1]);
        if (darkAfter == darkNow)
            continue;
        const SkyInstant t = instant(firstSecond(night, grid.instants[k], grid.instants[k + 1],
            [darkAfter](const Altitudes &at) { return isDark(at) == darkAfter; }));
        if (darkAfter)
            darkFrom = t;
        else
            night.dark.push_back({darkFrom, t});
        darkNow = darkAfter;
    }
    if (darkNow)
        night.dark.push_back({darkFrom, night.end});
}

// The Moon at the middle of the night: illuminated fraction, phase and age.
struct MoonPhaseAt
{
    double illumination;
    bool waxing;
    MoonPhase phase;
    double ageDays;
};

constexpr double synodicDegreesPerDay = 360 / 29.530589;

std::optional<MoonPhaseAt> moonPhaseAt(const SunMoon &sunMoon, qint64 midnight)
{
    const std::optional<SunMoon::Place> place = sunMoon.at(midnight);
    if (!place)
        return std::nullopt;
    // The phase angle at the Moon between the Sun and the Earth (Meeus 48.2–48.3).
    const SunMoon::Vector &sun = place->sun, &moon = place->moon;
    const SunMoon::Vector toSun{sun[0] - moon[0], sun[1] - moon[1], sun[2] - moon[2]};
    const double cosPhaseAngle = -(moon[0] * toSun[0] + moon[1] * toSun[1] + moon[2] * toSun[2])
        / (std::hypot(moon[0], moon[1], moon[2]) * std::hypot(toSun[0], toSun[1], toSun[2]));
    const double elongation = sunMoon.elongation(*place);

    MoonPhaseAt at{(1 + cosPhaseAngle) / 2, elongation < 180, MoonPhase::newMoon, 0};
    // A principal phase names the night when its instant falls within 12 hours of midnight:
    // the elongation passes its angle between midnight − 12 h and midnight + 12 h.
    const auto elongationAt = [&](qint64 t) {
        const std::optional<SunMoon::Place> p = sunMoon.at(t);
        return p ? sunMoon.elongation(*p) : elongation;
    };
    const double before = elongationAt(midnight - 12 * 3600);
    const double after = elongationAt(midnight + 12 * 3600);
    const double swept = std::fmod(after - before + 360, 360.0);
    static constexpr std::pair<double, MoonPhase> principal[]{
        {0, MoonPhase::newMoon}, {90, MoonPhase::firstQuarter}, {180, MoonPhase::full}, {270, MoonPhase::lastQuarter}};
    static constexpr MoonPhase between[]{
        MoonPhase::waxingCrescent, MoonPhase::waxingGibbous, MoonPhase::waningGibbous, MoonPhase::waningCrescent};
    at.phase = between[static_cast<int>(elongation / 90) % 4];
    for (const auto &[angle, phase] : principal) {
        if (std::fmod(angle - before + 360, 360.0) <= swept)
            at.phase = phase;
    }

    // The last new Moon: step back by the elongation at the mean synodic rate, and again from
    // there, until the elongation there is within a second of arc of 0.
    double newMoon = static_cast<double>(midnight) - elongation / synodicDegreesPerDay * 86400;
    for (int i = 0; i < 5; ++i) {
        const double off = std::remainder(elongationAt(static_cast<qint64>(std::llround(newMoon))), 360.0);
        newMoon -= off / synodicDegreesPerDay * 86400;
        if (std::abs(off) < 1.0 / 3600)
            break;
    }
    at.ageDays = (static_cast<double>(midnight) - newMoon) / 86400;
    return at;
}

} // namespace

std::optional<Night> nightOf(QDate date, const QTimeZone &zone, double latitude, double longitude, double dut1Seconds)
{
    if (!almanacCovers(date) || !zone.isValid() || !(std::abs(latitude) <= 90) || !std::isfinite(longitude)
        || !std::isfinite(dut1Seconds))
        return std::nullopt;
    const QDateTime noon(date, QTime(12, 0), zone);
    const QDateTime nextNoon(date.addDays(1), QTime(12, 0), zone);
    if (!noon.isValid() || !nextNoon.isValid())
        return std::nullopt;
    Night night;
    night.date = date;
    night.start = instant(noon.toSecsSinceEpoch());
    night.end = instant(nextNoon.toSecsSinceEpoch());
    night.latitude = latitude;
    night.longitude = longitude;
    night.dut1 = dut1Seconds;
    if (night.end <= night.start)
        return std::nullopt;
    const qint64 midnight = (night.start + (night.end - night.start) / 2).time_since_epoch().count();
    const std::optional<SunMoon> sunMoon = SunMoon::around(midnight, dut1Seconds);
    if (!sunMoon || !sample(night, *sunMoon))
        return std::nullopt;
    const Grid grid = gridOf(night);
    findEvents(night, grid);
    findDarkness(night, grid);
    // The grid is where the events were found, so the range agrees with them.
    const auto [lowest, highest] = std::minmax_element(grid.altitudes.begin(), grid.altitudes.end(),
        [](const Altitudes &a, const Altitudes &b) { return a.sun < b.sun; });
    night.darkest = daylightAt(lowest->sun);
    night.brightest = daylightAt(highest->sun);

    const std::optional<MoonPhaseAt> moon = moonPhaseAt(*sunMoon, midnight);
    if (!moon)
        return std::nullopt;
    night.moonIllumination = moon->illumination;
    night.moonWaxing = moon->waxing;
    night.moonPhase = moon->phase;
    night.moonAgeDays = moon->ageDays;
    return night;
}

SkyNow skyAt(const Night &night, std::chrono::system_clock::time_point instant)
{
    if (night.samples.size() < 2)
        return {};
    const Altitudes at = altitudesAt(night, std::chrono::duration<double>(instant.time_since_epoch()).count());
    SkyNow now;
    now.sunAltitude = at.sun;
    // Seen from the surface rather than the centre, the Moon stands lower by its parallax in altitude.
    now.moonAltitude = at.moon - at.moonParallax * std::cos(at.moon * degrees);
    now.daylight = daylightAt(at.sun);
    for (int i = 0; i < nightEventCount; ++i) {
        const std::optional<SkyInstant> &event = night.events[static_cast<std::size_t>(i)];
        if (event && *event > instant && (!now.next || *event < now.nextAt)) {
            now.next = static_cast<NightEvent>(i);
            now.nextAt = *event;
        }
    }
    return now;
}
