#pragma once

#include <chrono>
#include <optional>

struct timex;

// What the kernel knows of how right the system clock is, as the time-synchronisation daemon
// (chrony, ntpd, systemd-timesyncd) told it.
struct ClockHealth
{
    bool synchronised = false;
    std::chrono::microseconds maximumError{}; // the kernel's bound on the clock's error
    // The daemon's estimate of the error, when it fills one in.
    std::optional<std::chrono::microseconds> estimatedError;

    bool operator==(const ClockHealth &) const = default;
};

// The health in the kernel's answer to adjtimex: state is its return value.
ClockHealth clockHealthFrom(int state, const timex &kernel);
// Asks the kernel now (adjtimex with no modes: read only, no privilege). nullopt when the
// kernel will not say, as inside some sandboxes.
std::optional<ClockHealth> readClockHealth();

// How many of the digits of "SS.mmm", counted from the last millisecond digit back, an error
// bound makes meaningless: those whose place value is under a tenth of the bound (±12 ms: 1,
// ±150 ms: 2, ±16 s: 4), at most 5.
int meaninglessDigits(std::chrono::microseconds bound);
