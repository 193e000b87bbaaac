#pragma once

#include <AppUtils/Repeater.h>

// The application's one heartbeat: once a second, on the wall-clock second flip, it asks each
// open clock window to refresh itself, the digital window first.
class ClockUpdate
{
public:
    static ClockUpdate &shared();

    explicit ClockUpdate(AppUtils::MasterTimer &timer = AppUtils::MasterTimer::shared());

    void start();   // arms the one-second tick; the master timer delivers it once started
    void stop();

    // One refresh of every registered window. Each slot is read afresh and its controller held
    // for the length of its own refresh, so a window that closes meanwhile is never refreshed
    // again and is not destroyed under its update(). now: the instant the tick is for.
    void tick(std::chrono::system_clock::time_point now);

private:
    AppUtils::Repeater m_timer;
};
