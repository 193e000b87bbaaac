#pragma once

#include "Location.h"

#include <chrono>
#include <ctime>
#include <optional>
#include <variant>

namespace AppUtils {
class SiderealClock;
}

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
    // Local apparent sidereal time of the whole second at the observer, [0, 86400); none
    // without a position or for an instant the sidereal computation cannot place.
    std::optional<double> siderealSeconds;
};

// The reading for now, with the observer found under settings. The system zone is read afresh
// (tzset), so a change of zone shows at the next second.
ClockReading readingAt(std::chrono::system_clock::time_point now, const ObserverSettings &settings,
    std::variant<ObserverPosition, NoPosition> observer, AppUtils::SiderealClock &sidereal);
