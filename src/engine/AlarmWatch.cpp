#include "AlarmWatch.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <numbers>

namespace {

constexpr double dayLength = 86400;
// Sidereal seconds in a second of mean solar time: a sidereal clock gains about 3 min 56 s a day.
constexpr double siderealPerSolar = 1.00273790935;

double wrapped(double siderealSeconds)
{
    const double s = std::fmod(siderealSeconds, dayLength);
    return s < 0 ? s + dayLength : s;
}

int offsetAt(qint64 unixSeconds)
{
    const std::time_t t = unixSeconds;
    std::tm fields{};
    localtime_r(&t, &fields);
    return static_cast<int>(fields.tm_gmtoff);
}

// The instant the system zone's clock shows wall (seconds since 1970-01-01T00:00 on the local
// clock). A time that a change of offset skips comes at the first second after the gap; one it
// brings twice, at the first. Assumes the offset changes at most once within a day of it.
qint64 localInstant(qint64 wall)
{
    const int before = offsetAt(wall - 86400);
    const int after = offsetAt(wall + 86400);
    const qint64 first = wall - std::max(before, after);
    const qint64 second = wall - std::min(before, after);
    if (first + offsetAt(first) == wall)
        return first;
    if (second + offsetAt(second) == wall || before >= after)
        return second;
    // In the gap of a clock put forward: the change is between the two.
    qint64 old = first, changed = second;
    const int oldOffset = offsetAt(old);
    while (changed - old > 1) {
        const qint64 middle = old + (changed - old) / 2;
        (offsetAt(middle) == oldOffset ? old : changed) = middle;
    }
    return changed;
}

qint64 dayOf(qint64 wall)
{
    return std::chrono::floor<std::chrono::days>(std::chrono::seconds(wall)).count();
}

qint64 unixDay(QDate date)
{
    constexpr qint64 julianDayOf1970 = 2440588;
    return date.toJulianDay() - julianDayOf1970;
}

// When a civil alarm's time of day comes on the day (since 1970-01-01 on its clock).
qint64 civilOn(const CivilAlarm &alarm, qint64 day)
{
    const qint64 wall = day * 86400 + alarm.second;
    return alarm.utc ? wall : localInstant(wall);
}

// Which occurrence of what an alarm at an instant names: the first after an instant t, or the
// last at or before it.
enum class Side { after, atOrBefore };

bool onSide(qint64 instant, qint64 t, Side side)
{
    return side == Side::after ? instant > t : instant <= t;
}

std::optional<qint64> civilOccurrence(const CivilAlarm &alarm, qint64 t, Side side)
{
    if (alarm.date) {
        const qint64 once = civilOn(alarm, unixDay(*alarm.date));
        return onSide(once, t, side) ? std::optional(once) : std::nullopt;
    }
    // From the day before (or after) t's own day on its clock, towards the side asked for.
    const qint64 step = side == Side::after ? 1 : -1;
    const qint64 today = dayOf(t + (alarm.utc ? 0 : offsetAt(t)));
    for (qint64 day = today - step;; day += step) {
        if (const qint64 instant = civilOn(alarm, day); onSide(instant, t, side))
            return instant;
    }
}

// Calls f with each instant of the night at which event happens. The events up to moonset are
// the night's own, in its order.
static_assert(int(AlarmEvent::sunset) == int(NightEvent::sunset) && int(AlarmEvent::moonset) == int(NightEvent::moonset)
    && int(AlarmEvent::moonset) + 1 == nightEventCount);
template <typename F>
void forEachOccurrence(const Night &night, AlarmEvent event, F f)
{
    if (event == AlarmEvent::darkStart || event == AlarmEvent::darkEnd) {
        for (const DarkInterval &dark : night.dark)
            f((event == AlarmEvent::darkStart ? dark.start : dark.end).time_since_epoch().count());
    } else if (const std::optional<SkyInstant> &at = night.at(static_cast<NightEvent>(event))) {
        f(at->time_since_epoch().count());
    }
}

// An event seen only in the reading's night: an alarm whose offset reaches back before that
// night's local noon is not rung for it.
std::optional<qint64> tonightOccurrence(const TonightAlarm &alarm, const Night *night, qint64 t, Side side)
{
    std::optional<qint64> nearest;
    if (night) {
        forEachOccurrence(*night, alarm.event, [&](qint64 instant) {
            if (onSide(instant, t, side)
                && (!nearest || (side == Side::after ? instant < *nearest : instant > *nearest)))
                nearest = instant;
        });
    }
    return nearest;
}

// When an alarm at an instant is due (the instant less its offset): first after t, or last at or
// before it.
std::optional<qint64> dueNear(const Alarm &alarm, const Night *night, qint64 t, Side side)
{
    const qint64 early = qint64(alarm.minutesBefore) * 60;
    const auto *civil = std::get_if<CivilAlarm>(&alarm.when);
    const std::optional<qint64> named = civil
        ? civilOccurrence(*civil, t + early, side)
        : tonightOccurrence(std::get<TonightAlarm>(alarm.when), night, t + early, side);
    return named ? std::optional(*named - early) : std::nullopt;
}

AlarmFiring firing(const Alarm &alarm, qint64 due, qint64 second)
{
    return {alarm, std::chrono::system_clock::time_point(std::chrono::seconds(due)), due < second};
}

} // namespace

bool hasTrouble(const ClockReading &reading, ClockTrouble trouble)
{
    switch (trouble) {
    case ClockTrouble::unsynchronised:
        return !reading.time.clock || !reading.time.clock->synchronised;
    case ClockTrouble::gpsDisagrees:
        return reading.gps && reading.gps->timeOffset && std::abs(*reading.gps->timeOffset) > gpsDisagreementSeconds;
    case ClockTrouble::earthOrientationStale:
        return reading.time.ut1.origin == Ut1Source::Origin::file
            && reading.time.ut1.estimate.quality == Ut1Quality::stale;
    }
    return false;
}

struct AlarmWatch::Tick
{
    qint64 second = 0; // the reading's whole second
    std::optional<qint64> previous; // the last tick's
    bool steppedBack = false; // second < previous: rings nothing
    bool followsOn = false; // second == previous + 1: no tick was missed
};

void AlarmWatch::setAlarms(std::vector<Alarm> alarms)
{
    std::vector<State> states(alarms.size());
    std::vector<bool> taken(m_alarms.size());
    for (std::size_t i = 0; i < alarms.size(); ++i) {
        for (std::size_t j = 0; j < m_alarms.size(); ++j) {
            if (!taken[j] && m_alarms[j] == alarms[i]) {
                states[i] = m_states[j];
                taken[j] = true;
                break;
            }
        }
    }
    m_alarms = std::move(alarms);
    m_states = std::move(states);
    m_needsNight = std::ranges::any_of(
        m_alarms, [](const Alarm &alarm) { return std::holds_alternative<TonightAlarm>(alarm.when); });
    m_needsTargets = std::ranges::any_of(
        m_alarms, [](const Alarm &alarm) { return std::holds_alternative<TargetAlarm>(alarm.when); });
}

std::vector<AlarmFiring> AlarmWatch::ring(const ClockReading &reading)
{
    const qint64 second = std::chrono::floor<std::chrono::seconds>(reading.instant).time_since_epoch().count();
    if (m_previousSecond == second)
        return {}; // this second has been seen
    const Tick tick{second, m_previousSecond, m_previousSecond && second < *m_previousSecond,
        m_previousSecond && second == *m_previousSecond + 1};
    m_previousSecond = second;
    std::vector<AlarmFiring> rang;
    for (std::size_t i = 0; i < m_alarms.size(); ++i) {
        const Alarm &alarm = m_alarms[i];
        State &state = m_states[i];
        std::optional<AlarmFiring> fired;
        const double early = alarm.minutesBefore * 60 * siderealPerSolar;
        if (const auto *sidereal = std::get_if<SiderealAlarm>(&alarm.when)) {
            fired = ringPhase(alarm, state, reading.siderealSeconds, sidereal->second - early, tick);
        } else if (const auto *target = std::get_if<TargetAlarm>(&alarm.when)) {
            std::optional<double> hourAngle;
            for (const TargetPlace &place : reading.targets) {
                if (place.target.name == target->target) {
                    hourAngle = place.hourAngle / (2 * std::numbers::pi) * dayLength;
                    break;
                }
            }
            fired = ringPhase(alarm, state, hourAngle, target->hourAngleHours * 3600 - early, tick);
        } else if (const auto *health = std::get_if<HealthAlarm>(&alarm.when)) {
            if (tick.steppedBack)
                continue; // a trouble that starts now rings at the next tick
            const bool troubled = hasTrouble(reading, health->trouble);
            if (troubled && !state.troubled)
                fired = firing(alarm, second, second);
            state.troubled = troubled;
        } else {
            fired = ringInstant(alarm, state, reading, tick);
        }
        if (fired)
            rang.push_back(std::move(*fired));
    }
    return rang;
}

// The clock (the LST, or a target's hour angle) rings the alarm at the tick whose value first
// reaches the one named: that lies after the last tick's and at or before this tick's.
std::optional<AlarmFiring> AlarmWatch::ringPhase(
    const Alarm &alarm, State &state, std::optional<double> phase, double named, const Tick &tick)
{
    const std::optional<double> before = std::exchange(state.previousPhase, phase);
    if (!phase || tick.steppedBack)
        return std::nullopt;
    const double past = wrapped(*phase - wrapped(named)); // sidereal seconds since it showed named
    bool reached = false;
    if (!before) // the first tick with a value: as if the last second had come
        reached = past < siderealPerSolar;
    else if (double(tick.second - *tick.previous) * siderealPerSolar >= dayLength)
        reached = true; // the clock went all the way round
    else
        reached = past < wrapped(*phase - *before);
    if (!reached)
        return std::nullopt;
    // The tick that first showed it, had it come.
    qint64 due = tick.second - qint64(std::floor(past / siderealPerSolar));
    due = before ? std::max(due, *tick.previous + 1) : tick.second;
    if (state.lastRang && due <= *state.lastRang)
        return std::nullopt;
    state.lastRang = due;
    return firing(alarm, due, tick.second);
}

// The next due instant is kept and compared each tick; it is worked out again only after it
// rang, when the ticks did not follow on, or when what it came from changed: the zone's offset
// for a local time, the night for one of its events.
std::optional<AlarmFiring> AlarmWatch::ringInstant(
    const Alarm &alarm, State &state, const ClockReading &reading, const Tick &tick)
{
    const auto *civil = std::get_if<CivilAlarm>(&alarm.when);
    const Night *night = reading.night.get();
    const bool stale = !state.known || !tick.followsOn
        || (civil ? !civil->utc && state.utcOffsetSeconds != reading.utcOffsetSeconds : state.night != reading.night);
    if (stale) {
        tzset(); // the zone as it is now
        qint64 after = tick.second - 1; // an alarm not seen before: from this tick on
        if (tick.steppedBack)
            after = tick.second; // which rings nothing
        else if (state.known)
            after = *tick.previous;
        if (state.lastRang)
            after = std::max(after, *state.lastRang);
        std::optional<qint64> next = dueNear(alarm, night, after, Side::after);
        // One worked out before the machine slept through it, perhaps from a night since gone.
        const bool slept = state.known && !tick.steppedBack && !tick.followsOn;
        if (slept && state.next && *state.next <= tick.second && (!next || *state.next < *next))
            next = state.next;
        state = State{state.lastRang, {}, true, next, reading.utcOffsetSeconds, reading.night, false};
    }
    if (tick.steppedBack || !state.next || *state.next > tick.second)
        return std::nullopt;
    qint64 due = *state.next;
    if (const std::optional<qint64> latest = dueNear(alarm, night, tick.second, Side::atOrBefore); latest && *latest > due)
        due = *latest;
    state.lastRang = due;
    state.next = dueNear(alarm, night, tick.second, Side::after);
    return firing(alarm, due, tick.second);
}
