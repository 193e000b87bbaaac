#pragma once

#include <chrono>

namespace AppUtils {

// Where "now" comes from. Everything that shows or schedules wall-clock time reads it through
// this interface, so tests can fix the instant and drive the tick without sleeping.
class Clock
{
public:
    virtual ~Clock() = default;

    // The current instant: UTC, leap seconds not counted (the Unix convention). May jump
    // forwards or backwards when the system clock is set.
    virtual std::chrono::system_clock::time_point now() const = 0;
};

// The system's real-time clock (CLOCK_REALTIME). One shared instance; never fails.
const Clock &systemClock();

} // namespace AppUtils
