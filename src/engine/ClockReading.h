#pragma once

#include "Alarm.h"
#include "Location.h"
#include "sky/Night.h"
#include "sky/Site.h"
#include "sky/TargetNight.h"
#include "sky/TargetSky.h"
#include "timescales/TimeFacts.h"

#include <AppUtils/Sidereal.h>

#include <chrono>
#include <ctime>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

// Everything the clock windows show for one second, worked out once by the tick: every text
// and dial of that second shows the same instant, the same position and the same LST.
struct ClockReading
{
    std::chrono::system_clock::time_point instant{}; // UTC, leap seconds not counted
    std::tm utc{}; // the instant's whole second, broken down
    std::tm local{}; // the same in the system zone
    int utcOffsetSeconds = 0; // of the system zone then, east positive
    ObserverSettings settings; // the source and how to show coordinates
    std::variant<ObserverPosition, NoPosition> observer = NoPosition::waitingForFix;
    TimeFacts time; // UT1 − UTC, the system clock's health, the leap-second table
    std::optional<double> taiMinusUtc; // seconds, at the instant
    double julianDate = 0; // of the instant in UTC
    double modifiedJulianDate() const { return AppUtils::modifiedJulianDate(julianDate); }
    // Sidereal times of the whole second, with that UT1 − UTC, in [0, 86400): none for an
    // instant the sidereal computation cannot place, the local ones also without a position.
    std::optional<AppUtils::GreenwichSidereal> greenwichSidereal;
    std::optional<double> siderealSeconds; // local apparent: the clock's LST
    std::optional<double> localMeanSiderealSeconds;
    // Where the night's targets stand at the whole second, in the list's order: all of them
    // while the Targets window is open, else those an alarm waits for; none without a position.
    std::vector<TargetPlace> targets;
    // Tonight at the observer's position, and the Sun and the Moon at the instant: only while
    // the Tonight or the Targets window is open, an alarm waits for one of tonight's events or
    // a script asks, and none without a position
    // or outside the almanac's years. Worked out once a night; every reading shares it.
    std::shared_ptr<const Night> night;
    std::optional<SkyNow> sky;
    // Each target's rise, transit, set and dark time above the altitude limit tonight, in the
    // list's order: with the night, while the Targets window is open. Worked out again only when
    // the night, the list or the limit changes, so a new pointer means new values.
    std::shared_ptr<const std::vector<TargetNight>> targetNights;
    // Each remote site's civil time, sidereal time and part of the day, in the list's order:
    // only while the Sites window is open or a script asks.
    std::vector<SiteReading> sites;
    // The alarms that ring at this second, in the list's order: almost always none.
    std::vector<AlarmFiring> alarmsRang;
    // What the GPS receiver says, while gpsd is the position source and answers.
    std::optional<GpsState> gps;
    // Why other programs cannot read this clock over D-Bus; empty while they can.
    QString scriptingProblem;
};

class TimeSources;

// Who reads: a clock face shows whole seconds, so its sidereal times are of the whole second
// it shows; a script asks about its moment, so the instant is cut to the millisecond its text
// shows and the sidereal times are of that very millisecond.
enum class ReadingFor { clockFace, script };

// The reading for now, with the observer found under settings and what is known of the time
// then. The system zone is read afresh (tzset), so a change of zone shows at the next second.
ClockReading readingAt(std::chrono::system_clock::time_point now, const ObserverSettings &settings,
    std::variant<ObserverPosition, NoPosition> observer, TimeFacts time, AppUtils::SiderealClock &sidereal,
    ReadingFor reader = ReadingFor::clockFace);

// The same, with the observer where location finds it and the time as sources know it now.
ClockReading readingFrom(Location &location, TimeSources &sources, std::chrono::system_clock::time_point now,
    AppUtils::SiderealClock &sidereal, ReadingFor reader);
