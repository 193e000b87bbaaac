#pragma once

#include "AlarmWatch.h"
#include "ClockReading.h"

#include "preferences/SettingsKeys.h"

#include "timescales/TimeSources.h"

#include <AppUtils/Repeater.h>

#include <functional>

// The application's one heartbeat: once a second, on the wall-clock second flip, it works out
// one ClockReading and asks each open clock window to show it, the digital window first.
// Nothing is worked out while no clock window is open, the targets' places only while the
// Targets window is open or an alarm waits for a target, tonight only while the Tonight or the
// Targets window is open or an alarm waits for one of its events, and the remote sites only
// while the Sites window is. The alarms ring from the reading before the windows show it.
class ClockUpdate
{
public:
    static ClockUpdate &shared();

    // location: where the observer is found, and timeSources what is known of the time, both
    // asked at each tick that has a window to refresh.
    explicit ClockUpdate(AppUtils::MasterTimer &timer = AppUtils::MasterTimer::shared(),
        std::function<Location &()> location = &Location::shared,
        std::function<TimeSources &()> timeSources = &TimeSources::shared);

    void start(); // arms the one-second tick; the master timer delivers it once started
    void stop();

    // The reading at now, shown by every open window. With no window open nothing is worked
    // out, and the location service is not started.
    void tick(std::chrono::system_clock::time_point now);

    // Makes reading the one the windows show and refreshes each registered window. Each slot is
    // read afresh and its controller held for the length of its own refresh, so a window that
    // closes meanwhile is never refreshed again and is not destroyed under its update().
    void show(ClockReading reading);

    // The targets whose places the readings carry from the next tick on, in this order: the
    // stored list, handed down at launch and by the Targets window on every edit.
    void setTargets(std::vector<Target> targets);
    const std::vector<Target> &targets() const { return m_targets; }
    // The remote sites the readings carry from the next tick on, in this order: the stored
    // list, handed down at launch and by the Sites window on every edit.
    void setSites(std::vector<Site> sites) { m_sites.setSites(std::move(sites)); }
    // The alarms the ticks ring from the next tick on, in this order: the stored list, handed
    // down at launch and by the Alarms window on every edit. Handing the same alarms again rings
    // none of them again.
    void setAlarms(std::vector<Alarm> alarms);
    const std::vector<Alarm> &alarms() const { return m_alarmWatch.alarms(); }
    // The altitude in degrees above which the targets' dark time counts, from the next tick on.
    void setTargetLimit(double degrees);

    // The reading at now as a script asks for it, from the tick's own sources, without the
    // targets but with the sites; shown by no window. A reader that follows the second flips
    // takes the sidereal times of the whole second, as the windows do.
    ClockReading scriptReading(std::chrono::system_clock::time_point now, ReadingFor reader = ReadingFor::script);

    // Why other programs cannot read the clock, carried by the readings from the next tick on;
    // empty once they can.
    void setScriptingProblem(QString why) { m_scriptingProblem = std::move(why); }

    // Called with each reading after the windows have shown it: whoever else follows the clock.
    void setReadingObserver(std::function<void(const ClockReading &)> observer);

    // What the windows' update() shows: the last reading shown.
    const ClockReading &reading() const { return m_reading; }

private:
    // Gives the reading tonight at its position and the Sun and the Moon at its instant, working
    // the night out again only when the night, the position, the zone or UT1 has changed.
    void addNight(ClockReading &reading);
    // Gives the reading the targets' courses through its night, worked out again only when the
    // night, the list or the limit has changed.
    void addTargetNights(ClockReading &reading);
    // Gives the reading each site's clock and day at its whole second.
    void addSites(ClockReading &reading);

    AppUtils::Repeater m_timer;
    std::function<Location &()> m_location;
    std::function<TimeSources &()> m_timeSources;
    AppUtils::SiderealClock m_sidereal; // keeps the slow part of sidereal time between ticks
    TargetSky m_sky; // and the slow part of the targets' places
    std::vector<Target> m_targets;
    // Those of m_targets an alarm follows: all the tick places while the Targets window is closed.
    std::vector<Target> m_alarmTargets;
    void chooseAlarmTargets();
    SiteClock m_sites;
    AlarmWatch m_alarmWatch;
    // What the night was worked out for, and the night (none outside the almanac's years).
    struct NightKey
    {
        QDate date;
        double latitude = 0;
        double longitude = 0;
        double dut1 = 0;
        int utcOffsetSeconds = 0;
        bool matches(const NightKey &other) const;
    };
    std::optional<NightKey> m_nightKey;
    std::shared_ptr<const Night> m_night;
    double m_targetLimit = SettingsDefaults::targetMinAltitude;
    std::shared_ptr<const Night> m_targetNightsNight; // the night m_targetNights is for
    std::shared_ptr<const std::vector<TargetNight>> m_targetNights; // none when to be worked out
    std::function<void(const ClockReading &)> m_observer;
    QString m_scriptingProblem;
    ClockReading m_reading;
};
