#include "ClockUpdate.h"

#include "WindowRegistry.h"

#include <algorithm>
#include <cmath>

using namespace std::chrono_literals;

ClockUpdate &ClockUpdate::shared()
{
    static ClockUpdate instance;
    return instance;
}

ClockUpdate::ClockUpdate(
    AppUtils::MasterTimer &timer, std::function<Location &()> location, std::function<TimeSources &()> timeSources)
    : m_timer(timer)
    , m_location(std::move(location))
    , m_timeSources(std::move(timeSources))
{
}

void ClockUpdate::start()
{
    m_timer.start(1s, [this](std::chrono::system_clock::time_point now) { tick(now); });
}

void ClockUpdate::stop()
{
    m_timer.stop();
}

void ClockUpdate::tick(std::chrono::system_clock::time_point now)
{
    const WindowRegistry &open = windowRegistry();
    if (!open.openHoravaneWindow && !open.openAnalogWindow && !open.openTargetsWindow && !open.openTonightWindow
        && !open.openSitesWindow && !open.openAlarmsWindow)
        return;
    ClockReading reading = readingFrom(m_location(), m_timeSources(), now, m_sidereal, ReadingFor::clockFace);
    const auto *position = std::get_if<ObserverPosition>(&reading.observer);
    if ((open.openTargetsWindow || m_alarmWatch.needsTargets()) && position) {
        // The whole second, as the sidereal time is: the rows and the LST agree.
        const qint64 second = std::chrono::floor<std::chrono::seconds>(now).time_since_epoch().count();
        reading.targets = m_sky.places(
            second, 0, reading.time.ut1.estimate.seconds, position->latitude, position->longitude,
            open.openTargetsWindow ? m_targets : m_alarmTargets);
    }
    if (open.openTonightWindow || open.openTargetsWindow || m_alarmWatch.needsNight())
        addNight(reading);
    if (open.openTargetsWindow)
        addTargetNights(reading);
    if (open.openSitesWindow)
        addSites(reading);
    reading.scriptingProblem = m_scriptingProblem;
    if (!m_alarmWatch.alarms().empty())
        reading.alarmsRang = m_alarmWatch.ring(reading);
    show(std::move(reading));
}

ClockReading ClockUpdate::scriptReading(std::chrono::system_clock::time_point now, ReadingFor reader)
{
    ClockReading reading = readingFrom(m_location(), m_timeSources(), now, m_sidereal, reader);
    addNight(reading);
    addSites(reading);
    return reading;
}

void ClockUpdate::addSites(ClockReading &reading)
{
    // The whole second, as the clock's sidereal time is (a script's is of its millisecond).
    const qint64 second = std::chrono::floor<std::chrono::seconds>(reading.instant).time_since_epoch().count();
    std::optional<double> gast;
    if (reading.greenwichSidereal)
        gast = reading.greenwichSidereal->apparent;
    reading.sites = m_sites.at(second, gast, reading.time.ut1.estimate.seconds);
}

bool ClockUpdate::NightKey::matches(const NightKey &other) const
{
    // A GPS's fix wanders by metres and UT1 − UTC drifts by milliseconds a day: neither moves
    // an event by a second. A kilometre, a tenth of a second of UT1 or a new zone offset does.
    constexpr double samePlaceDegrees = 0.01;
    constexpr double sameDut1Seconds = 0.1;
    return date == other.date && std::abs(latitude - other.latitude) < samePlaceDegrees
        && std::abs(longitude - other.longitude) < samePlaceDegrees && std::abs(dut1 - other.dut1) < sameDut1Seconds
        && utcOffsetSeconds == other.utcOffsetSeconds;
}

void ClockUpdate::addNight(ClockReading &reading)
{
    const auto *position = std::get_if<ObserverPosition>(&reading.observer);
    if (!position)
        return;
    const QDate localDate(reading.local.tm_year + 1900, reading.local.tm_mon + 1, reading.local.tm_mday);
    const NightKey key{nightDateOf(localDate, reading.local.tm_hour), position->latitude, position->longitude,
        reading.time.ut1.estimate.seconds, reading.utcOffsetSeconds};
    if (!m_nightKey || !m_nightKey->matches(key)) {
        std::optional<Night> night
            = nightOf(key.date, QTimeZone::systemTimeZone(), key.latitude, key.longitude, key.dut1);
        m_night = night ? std::make_shared<const Night>(std::move(*night)) : nullptr;
        m_nightKey = key;
    }
    reading.night = m_night;
    if (m_night)
        reading.sky = skyAt(*m_night, reading.instant);
}

void ClockUpdate::addTargetNights(ClockReading &reading)
{
    if (!reading.night)
        return;
    if (!m_targetNights || m_targetNightsNight != reading.night) {
        m_targetNights
            = std::make_shared<const std::vector<TargetNight>>(targetNights(*reading.night, m_targets, m_targetLimit));
        m_targetNightsNight = reading.night;
    }
    reading.targetNights = m_targetNights;
}

void ClockUpdate::setTargetLimit(double degrees)
{
    if (degrees != m_targetLimit)
        m_targetNights.reset();
    m_targetLimit = degrees;
}

void ClockUpdate::setReadingObserver(std::function<void(const ClockReading &)> observer)
{
    m_observer = std::move(observer);
}

void ClockUpdate::setTargets(std::vector<Target> targets)
{
    m_targets = std::move(targets);
    m_targetNights.reset();
    chooseAlarmTargets();
}

void ClockUpdate::setAlarms(std::vector<Alarm> alarms)
{
    m_alarmWatch.setAlarms(std::move(alarms));
    chooseAlarmTargets();
}

void ClockUpdate::chooseAlarmTargets()
{
    m_alarmTargets.clear();
    for (const Target &target : m_targets) {
        if (std::ranges::any_of(m_alarmWatch.alarms(), [&target](const Alarm &alarm) {
                const auto *follows = std::get_if<TargetAlarm>(&alarm.when);
                return follows && follows->target == target.name;
            }))
            m_alarmTargets.push_back(target);
    }
}

void ClockUpdate::show(ClockReading reading)
{
    m_reading = std::move(reading);
    if (const std::shared_ptr<ClockWindow> digital = windowRegistry().openHoravaneWindow)
        digital->update();
    if (const std::shared_ptr<ClockWindow> analog = windowRegistry().openAnalogWindow)
        analog->update();
    if (const std::shared_ptr<ClockWindow> targets = windowRegistry().openTargetsWindow)
        targets->update();
    if (const std::shared_ptr<ClockWindow> tonight = windowRegistry().openTonightWindow)
        tonight->update();
    if (const std::shared_ptr<ClockWindow> sites = windowRegistry().openSitesWindow)
        sites->update();
    if (const std::shared_ptr<ClockWindow> alarms = windowRegistry().openAlarmsWindow)
        alarms->update();
    if (m_observer)
        m_observer(m_reading);
}
