#pragma once

#include <AppUtils/Clock.h>

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

class QSocketNotifier;

namespace AppUtils {

class Repeater;

// The one wall-clock alarm behind every Repeater. It keeps each running repeater aimed at the
// next boundary of its interval in absolute wall-clock time (so ticks land on the second flip
// and never drift) and sleeps until the earliest of those aims.
//
// With the system clock the alarm is a timerfd on CLOCK_REALTIME, armed at an absolute time and
// cancelled by the kernel whenever the clock is set, watched from the thread that calls start()
// (the main thread). With any other clock there is no alarm: whoever moves that clock calls
// wake().
//
// Main thread only. The timer must outlive its repeaters.
class MasterTimer
{
public:
    using TimePoint = std::chrono::system_clock::time_point;

    // The process-wide timer on the system clock, made on first use and never replaced.
    static MasterTimer &shared();

    explicit MasterTimer(const Clock &clock = systemClock());
    ~MasterTimer();

    MasterTimer(const MasterTimer &) = delete;
    MasterTimer &operator=(const MasterTimer &) = delete;

    // Aims every started repeater at its next boundary from now and arms the alarm. Repeaters
    // started earlier begin firing from here. Harmless when running. If the kernel refuses a
    // timerfd a warning is printed and nothing fires.
    void start();
    // Disarms: no repeater fires until start() again. Repeaters keep their started state.
    // Releases the alarm's descriptor; call before the application object goes away.
    void stop();

    // What the alarm triggers; tests call it directly. Takes one reading of the clock, then runs
    // with it, once each and in order of construction, the handlers of the running repeaters
    // whose aim has been reached (boundaries missed while asleep or skipped by a clock step are
    // not replayed), re-aims the others (a wake-up that comes early, or a clock set back), and
    // re-arms. Handlers may start, stop or destroy any repeater and may stop this timer.
    // Allocates nothing. Ignored while stopped or while already running handlers.
    void wake();

    // The instant the alarm is armed for: the earliest aim among started repeaters. nullopt
    // while stopped or when no repeater is started.
    std::optional<TimePoint> armedAim() const;

    const Clock &clock() const;

private:
    friend class Repeater;

    void attach(Repeater &repeater);
    void detach(Repeater &repeater);
    void rearm();
    void openAlarm();
    void closeAlarm();
    void alarmRang();
    void runHandler(std::size_t index, TimePoint now);

    const Clock &m_clock;
    std::vector<Repeater *> m_repeaters; // null slots: detached while handlers ran
    std::optional<TimePoint> m_armed;
    int m_alarm = -1; // the timerfd, or -1
    std::unique_ptr<QSocketNotifier> m_notifier;
    bool m_running = false;
    bool m_waking = false;
    bool m_detachedWhileWaking = false;
};

} // namespace AppUtils
