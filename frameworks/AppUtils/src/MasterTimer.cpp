#include "AppUtils/MasterTimer.h"

#include "AppUtils/Repeater.h"
#include "AppUtils/Warning.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <sys/timerfd.h>
#include <unistd.h>

namespace AppUtils {

namespace {

constexpr int alarmFlags = TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET;

itimerspec alarmAt(MasterTimer::TimePoint aim)
{
    const auto sinceEpoch = aim.time_since_epoch();
    const auto whole = std::chrono::floor<std::chrono::seconds>(sinceEpoch);
    itimerspec at{};
    at.it_value.tv_sec = static_cast<time_t>(whole.count());
    at.it_value.tv_nsec
        = static_cast<long>(std::chrono::duration_cast<std::chrono::nanoseconds>(sinceEpoch - whole).count());
    return at;
}

} // namespace

MasterTimer &MasterTimer::shared()
{
    static MasterTimer timer;
    return timer;
}

MasterTimer::MasterTimer(const Clock &clock)
    : m_clock(clock)
{
}

MasterTimer::~MasterTimer()
{
    closeAlarm();
}

void MasterTimer::start()
{
    if (m_running)
        return;
    m_running = true;
    if (&m_clock == &systemClock())
        openAlarm();
    const TimePoint now = m_clock.now();
    for (Repeater *repeater : m_repeaters) {
        if (repeater != nullptr && repeater->m_active)
            repeater->aimAfter(now);
    }
    rearm();
}

void MasterTimer::stop()
{
    m_running = false;
    m_armed.reset();
    closeAlarm();
}

void MasterTimer::wake()
{
    if (!m_running || m_waking)
        return;
    m_waking = true;
    const TimePoint now = m_clock.now();
    // By index: a handler may add repeaters (appended) or remove them (slot nulled).
    for (std::size_t i = 0; m_running && i < m_repeaters.size(); ++i) {
        Repeater *repeater = m_repeaters[i];
        if (repeater == nullptr || !repeater->m_active)
            continue;
        const bool due = now >= repeater->m_aim;
        if (due)
            repeater->m_shown = repeater->flipAtOrBefore(now);
        repeater->aimAfter(now);
        if (due)
            runHandler(i, now);
    }
    m_waking = false;
    if (m_detachedWhileWaking) {
        std::erase(m_repeaters, nullptr);
        m_detachedWhileWaking = false;
    }
    rearm();
}

std::optional<MasterTimer::TimePoint> MasterTimer::armedAim() const
{
    return m_armed;
}

const Clock &MasterTimer::clock() const
{
    return m_clock;
}

void MasterTimer::attach(Repeater &repeater)
{
    m_repeaters.push_back(&repeater);
}

void MasterTimer::detach(Repeater &repeater)
{
    const auto slot = std::find(m_repeaters.begin(), m_repeaters.end(), &repeater);
    if (slot == m_repeaters.end())
        return;
    if (m_waking) {
        *slot = nullptr;
        m_detachedWhileWaking = true;
    } else {
        m_repeaters.erase(slot);
    }
    rearm();
}

void MasterTimer::runHandler(std::size_t index, TimePoint now)
{
    Repeater *repeater = m_repeaters[index];
    const std::uint64_t starts = repeater->m_starts;
    // Held here while it runs: a handler that restarts or destroys its own repeater would
    // otherwise destroy itself mid-call.
    std::function<void(TimePoint)> handler;
    handler.swap(repeater->m_handler);
    handler(now);
    if (m_repeaters[index] == repeater && repeater->m_starts == starts)
        repeater->m_handler.swap(handler);
}

void MasterTimer::rearm()
{
    if (m_waking)
        return; // wake() re-arms once all handlers have run
    m_armed.reset();
    if (m_running) {
        for (const Repeater *repeater : m_repeaters) {
            if (repeater != nullptr && repeater->m_active && (!m_armed || repeater->m_aim < *m_armed))
                m_armed = repeater->m_aim;
        }
    }
    if (m_alarm == -1)
        return;
    const itimerspec at = m_armed ? alarmAt(*m_armed) : itimerspec{}; // all zero disarms
    if (timerfd_settime(m_alarm, alarmFlags, &at, nullptr) == 0)
        return;
    if (errno == ECANCELED) {
        // The clock was set since the alarm last rang, so the aim may be far off: ring at
        // once (any past instant does) and re-aim from a fresh reading.
        if (!m_armed)
            return;
        itimerspec atOnce{};
        atOnce.it_value.tv_nsec = 1;
        if (timerfd_settime(m_alarm, alarmFlags, &atOnce, nullptr) == 0)
            return;
    }
    warn(QStringLiteral("cannot arm the clock tick: ") + QString::fromLocal8Bit(std::strerror(errno)));
}

void MasterTimer::openAlarm()
{
    if (m_alarm != -1)
        return;
    m_alarm = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_alarm == -1) {
        warn(QStringLiteral("cannot create the clock tick: ") + QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(m_alarm, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] { alarmRang(); });
}

void MasterTimer::closeAlarm()
{
    m_notifier.reset();
    if (m_alarm != -1) {
        ::close(m_alarm);
        m_alarm = -1;
    }
}

void MasterTimer::alarmRang()
{
    std::uint64_t expirations = 0;
    // ECANCELED: the clock was set. Either way the reading taken in wake() decides.
    if (::read(m_alarm, &expirations, sizeof expirations) == -1 && errno != ECANCELED)
        return; // nothing to read after all
    wake();
}

} // namespace AppUtils
