#pragma once

#include <AppUtils/MasterTimer.h>

#include <QString>

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
    explicit Repeater(QString name, MasterTimer &timer = MasterTimer::shared());
    ~Repeater();

    Repeater(const Repeater &) = delete;
    Repeater &operator=(const Repeater &) = delete;

    // Fires handler at every boundary of interval from the next one after now on. Restarting
    // replaces the interval and handler. interval must be positive and handler callable; if not,
    // the repeater stops instead.
    void start(std::chrono::milliseconds interval, std::function<void()> handler);
    // Nothing fires after this returns, even within the current round of handlers.
    void stop();
    bool isActive() const;

    const QString &name() const;   // for diagnostics only

private:
    friend class MasterTimer;
    using TimePoint = MasterTimer::TimePoint;

    // The last boundary at or before now.
    TimePoint flipAtOrBefore(TimePoint now) const;
    // Aims at the first boundary after now, passing over the one just delivered.
    void aimAfter(TimePoint now);

    QString m_name;
    MasterTimer &m_timer;
    std::function<void()> m_handler;
    std::chrono::system_clock::duration m_interval{};
    TimePoint m_aim{};
    TimePoint m_shown = TimePoint::min();   // the boundary last delivered
    std::uint64_t m_starts = 0;             // tells a handler replaced by its own call to start()
    bool m_active = false;
};

} // namespace AppUtils
