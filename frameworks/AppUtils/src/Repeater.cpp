#include "AppUtils/Repeater.h"

#include <utility>

namespace AppUtils {

Repeater::Repeater(MasterTimer &timer)
    : m_timer(timer)
{
    m_timer.attach(*this);
}

Repeater::~Repeater()
{
    m_timer.detach(*this);
}

void Repeater::start(std::chrono::milliseconds interval, std::function<void(TimePoint)> handler)
{
    if (interval <= std::chrono::milliseconds::zero() || !handler) {
        stop();
        return;
    }
    m_interval = interval;
    m_handler = std::move(handler);
    ++m_starts;
    m_active = true;
    m_shown = TimePoint::min();
    aimAfter(m_timer.clock().now());
    m_timer.rearm();
}

void Repeater::stop()
{
    m_active = false;
    m_timer.rearm();
}

Repeater::TimePoint Repeater::flipAtOrBefore(TimePoint now) const
{
    const auto sinceEpoch = now.time_since_epoch();
    auto flips = sinceEpoch / m_interval;
    if (sinceEpoch % m_interval < decltype(sinceEpoch)::zero())
        --flips; // before 1970 division truncates towards zero, i.e. upwards
    return TimePoint(flips * m_interval);
}

void Repeater::aimAfter(TimePoint now)
{
    m_aim = flipAtOrBefore(now) + m_interval;
    if (m_aim == m_shown) // the clock went back less than an interval: that one was shown
        m_aim += m_interval;
}

} // namespace AppUtils
