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
    if (!windowRegistry().openHoravaneWindow && !windowRegistry().openAnalogWindow)
        return;
    Location &location = m_location();
    show(readingAt(now, location.settings(), location.observe(), m_timeSources().factsAt(now), m_sidereal));
}

void ClockUpdate::show(ClockReading reading)
{
    m_reading = std::move(reading);
    if (const std::shared_ptr<ClockWindow> digital = windowRegistry().openHoravaneWindow)
        digital->update();
    if (const std::shared_ptr<ClockWindow> analog = windowRegistry().openAnalogWindow)
        analog->update();
}
