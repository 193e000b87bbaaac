#include "ClockUpdate.h"

#include "WindowRegistry.h"

using namespace std::chrono_literals;

ClockUpdate &ClockUpdate::shared()
{
    static ClockUpdate instance;
    return instance;
}

ClockUpdate::ClockUpdate(AppUtils::MasterTimer &timer)
    : m_timer(timer)
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

void ClockUpdate::tick(std::chrono::system_clock::time_point /*now*/)
{
    if (const std::shared_ptr<ClockWindow> digital = windowRegistry().openHoravaneWindow)
        digital->update();
    if (const std::shared_ptr<ClockWindow> analog = windowRegistry().openAnalogWindow)
        analog->update();
}
