#include "ClockReading.h"

#include <AppUtils/Sidereal.h>

#include <ctime>

namespace {

std::tm utcBreakdown(std::time_t t)
{
    std::tm fields{};
    gmtime_r(&t, &fields);
    return fields;
}

std::tm localBreakdown(std::time_t t)
{
    tzset(); // localtime_r, unlike localtime, is not required to notice a changed zone
    std::tm fields{};
    localtime_r(&t, &fields);
    return fields;
}

} // namespace

ClockReading readingAt(std::chrono::system_clock::time_point now, const ObserverSettings &settings,
    std::variant<ObserverPosition, NoPosition> observer, AppUtils::SiderealClock &sidereal)
{
    const auto second = std::chrono::floor<std::chrono::seconds>(now);
    const std::time_t t = std::chrono::system_clock::to_time_t(second);
    ClockReading reading{now, utcBreakdown(t), localBreakdown(t), 0, settings, observer, std::nullopt};
    reading.utcOffsetSeconds = static_cast<int>(reading.local.tm_gmtoff);
    if (const auto *position = std::get_if<ObserverPosition>(&observer))
        reading.siderealSeconds = sidereal.seconds(second.time_since_epoch().count(), position->longitude);
    return reading;
}
