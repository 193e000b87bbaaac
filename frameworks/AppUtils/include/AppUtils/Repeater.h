#pragma once

#include <AppUtils/MasterTimer.h>

#include <chrono>
#include <cstdint>
#include <functional>

namespace AppUtils {

// Runs a handler at each wall-clock boundary of its interval: the instants that are whole
// multiples of the interval since the Unix epoch (for 1 s, every second flip). It rides on a
// MasterTimer and fires only while that timer runs. A handler runs at most once per boundary
// and never twice for the same one in a row; boundaries missed while the machine slept or the
// clock jumped forward are not replayed; after the clock is set back it fires at the next
// boundary of the new time.
//
// Main thread only; the handler runs there too.
class Repeater
{
public:
    explicit Repeater(MasterTimer &timer = MasterTimer::shared());
    ~Repeater();

    Repeater(const Repeater &) = delete;
    Repeater &operator=(const Repeater &) = delete;

    // Fires handler at every boundary of interval from the next one after now on, handing it
    // the timer's one reading of the clock for that wake-up (at or after the boundary), so that
    // all handlers of a round see the same instant and none reads the clock again. Restarting
    // replaces the interval and handler. interval must be positive and handler callable; if not,
    // the repeater stops instead.
    void start(
        std::chrono::milliseconds interval, std::function<void(std::chrono::system_clock::time_point now)> handler);
    // Nothing fires after this returns, even within the current round of handlers.
    void stop();

private:
    friend class MasterTimer;
    using TimePoint = MasterTimer::TimePoint;

    // The last boundary at or before now.
    TimePoint flipAtOrBefore(TimePoint now) const;
    // Aims at the first boundary after now, passing over the one just delivered.
    void aimAfter(TimePoint now);

    MasterTimer &m_timer;
    std::function<void(TimePoint)> m_handler;
    std::chrono::system_clock::duration m_interval{};
    TimePoint m_aim{};
    TimePoint m_shown = TimePoint::min(); // the boundary last delivered
    std::uint64_t m_starts = 0; // tells a handler replaced by its own call to start()
    bool m_active = false;
};

} // namespace AppUtils
