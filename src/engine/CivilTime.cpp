#include "CivilTime.h"

std::tm utcBreakdown(std::time_t t)
{
    std::tm fields{};
    gmtime_r(&t, &fields);
    return fields;
}

std::tm localBreakdown(std::time_t t)
{
    tzset();   // localtime_r, unlike localtime, is not required to notice a changed zone
    std::tm fields{};
    localtime_r(&t, &fields);
    return fields;
}

int localUtcOffsetSeconds(std::chrono::system_clock::time_point instant)
{
    const auto seconds = std::chrono::floor<std::chrono::seconds>(instant);
    return static_cast<int>(localBreakdown(std::chrono::system_clock::to_time_t(seconds)).tm_gmtoff);
}
