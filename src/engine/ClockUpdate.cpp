#include "ClockUpdate.h"

#include "WindowRegistry.h"

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
    if (!open.openHoravaneWindow && !open.openAnalogWindow && !open.openTargetsWindow)
        return;
    ClockReading reading = readingFrom(m_location(), m_timeSources(), now, m_sidereal, ReadingFor::clockFace);
    const auto *position = std::get_if<ObserverPosition>(&reading.observer);
    if (open.openTargetsWindow && position) {
        // The whole second, as the sidereal time is: the rows and the LST agree.
        const qint64 second = std::chrono::floor<std::chrono::seconds>(now).time_since_epoch().count();
        reading.targets = m_sky.places(
            second, 0, reading.time.ut1.estimate.seconds, position->latitude, position->longitude, m_targets);
    }
    reading.scriptingProblem = m_scriptingProblem;
    show(std::move(reading));
}

ClockReading ClockUpdate::scriptReading(std::chrono::system_clock::time_point now)
{
    return readingFrom(m_location(), m_timeSources(), now, m_sidereal, ReadingFor::script);
}

void ClockUpdate::setReadingObserver(std::function<void(const ClockReading &)> observer)
{
    m_observer = std::move(observer);
}

void ClockUpdate::setTargets(std::vector<Target> targets)
{
    m_targets = std::move(targets);
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
    if (m_observer)
        m_observer(m_reading);
}
