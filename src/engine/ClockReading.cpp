#include "ClockReading.h"

#include "timescales/LeapSeconds.h"
#include "timescales/TimeSources.h"

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
    std::variant<ObserverPosition, NoPosition> observer, TimeFacts time, AppUtils::SiderealClock &sidereal,
    ReadingFor reader)
{
    if (reader == ReadingFor::script)
        now = std::chrono::floor<std::chrono::milliseconds>(now);
    const auto second = std::chrono::floor<std::chrono::seconds>(now);
    const std::time_t t = std::chrono::system_clock::to_time_t(second);
    const qint64 unixSeconds = second.time_since_epoch().count();
    ClockReading reading;
    reading.instant = now;
    reading.utc = utcBreakdown(t);
    reading.local = localBreakdown(t);
    reading.utcOffsetSeconds = static_cast<int>(reading.local.tm_gmtoff);
    reading.settings = settings;
    reading.observer = std::move(observer);
    reading.time = std::move(time);
    reading.taiMinusUtc = taiMinusUtc(unixSeconds);
    reading.julianDate = AppUtils::julianDateOfUnix(std::chrono::duration<double>(now.time_since_epoch()).count());
    const double fraction = reader == ReadingFor::script ? std::chrono::duration<double>(now - second).count() : 0.0;
    reading.greenwichSidereal = sidereal.at(unixSeconds, reading.time.ut1.estimate.seconds, fraction);
    const auto *position = std::get_if<ObserverPosition>(&reading.observer);
    if (position && reading.greenwichSidereal) {
        using AppUtils::SiderealClock;
        reading.siderealSeconds = SiderealClock::atLongitude(reading.greenwichSidereal->apparent, position->longitude);
        reading.localMeanSiderealSeconds
            = SiderealClock::atLongitude(reading.greenwichSidereal->mean, position->longitude);
    }
    return reading;
}

ClockReading readingFrom(Location &location, TimeSources &sources, std::chrono::system_clock::time_point now,
    AppUtils::SiderealClock &sidereal, ReadingFor reader)
{
    ClockReading reading
        = readingAt(now, location.settings(), location.observe(now), sources.factsAt(now), sidereal, reader);
    reading.gps = location.gps();
    return reading;
}
