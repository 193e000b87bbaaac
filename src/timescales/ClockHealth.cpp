#include "ClockHealth.h"

#include <sys/timex.h>

#include <array>

namespace {

// What the kernel leaves in esterror until a daemon sets it: NTP_PHASE_LIMIT, 16 s.
constexpr long unsetEstimate = 16'000'000;

} // namespace

ClockHealth clockHealthFrom(int state, const timex &kernel)
{
    ClockHealth health;
    // A pending leap second (TIME_INS, TIME_DEL, TIME_OOP, TIME_WAIT) is still a synchronised clock.
    health.synchronised = state != TIME_ERROR && (kernel.status & STA_UNSYNC) == 0;
    health.maximumError = std::chrono::microseconds(kernel.maxerror);
    if (health.synchronised && kernel.esterror >= 0 && kernel.esterror < unsetEstimate)
        health.estimatedError = std::chrono::microseconds(kernel.esterror);
    return health;
}

std::optional<ClockHealth> readClockHealth()
{
    timex kernel{};
    kernel.modes = 0; // read only: needs no privilege and changes nothing
    const int state = adjtimex(&kernel);
    if (state == -1)
        return std::nullopt;
    return clockHealthFrom(state, kernel);
}

int meaninglessDigits(std::chrono::microseconds bound)
{
    using namespace std::chrono_literals;
    static constexpr std::array<std::chrono::microseconds, 5> places{1ms, 10ms, 100ms, 1s, 10s};
    int digits = 0;
    for (const std::chrono::microseconds place : places) {
        if (place * 10 < bound) // place < bound / 10, without rounding the bound down
            ++digits;
    }
    return digits;
}
