#pragma once

#include <chrono>
#include <ctime>

// Broken-down civil time. The local form re-reads the system zone first (tzset), so that a
// change of the system time zone shows at the next second rather than at the next launch.
std::tm utcBreakdown(std::time_t t);
std::tm localBreakdown(std::time_t t);

// Seconds east of UTC of the system zone at that instant, daylight saving included.
int localUtcOffsetSeconds(std::chrono::system_clock::time_point instant);
