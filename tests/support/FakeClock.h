#pragma once

#include <AppUtils/Clock.h>

// A clock that stands still until the test moves it. Starts at the Unix epoch.
class FakeClock : public AppUtils::Clock
{
public:
    FakeClock() = default;
    explicit FakeClock(std::chrono::system_clock::time_point start) : m_now(start) {}

    std::chrono::system_clock::time_point now() const override { return m_now; }

    void set(std::chrono::system_clock::time_point instant) { m_now = instant; }
    void advance(std::chrono::system_clock::duration step) { m_now += step; }   // may be negative

private:
    std::chrono::system_clock::time_point m_now{};
};
