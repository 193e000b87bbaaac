#include "TonightTexts.h"

#include "sky/SkyTexts.h"

#include <AppUtils/Digits.h>

#include <cmath>
#include <cstdlib>
#include <ctime>

using namespace Qt::StringLiterals;
using namespace std::chrono;

namespace {

std::tm localAt(SkyInstant instant)
{
    const std::time_t t = instant.time_since_epoch().count();
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

} // namespace

QString TonightTexts::utcTime(SkyInstant instant)
{
    const std::tm tm = SkyTexts::minuteOf(instant, true);
    QString text;
    AppUtils::appendPadded(text, tm.tm_year + 1900, 4);
    text += u'-';
    AppUtils::appendPadded(text, tm.tm_mon + 1, 2);
    text += u'-';
    AppUtils::appendPadded(text, tm.tm_mday, 2);
    text += u' ';
    SkyTexts::appendHoursMinutes(text, tm);
    return text + u" UTC"_s;
}

QString TonightTexts::zones(const Night &night)
{
    const std::tm first = localAt(night.start);
    const std::tm last = localAt(night.end);
    const QString firstName = QString::fromLocal8Bit(first.tm_zone);
    if (first.tm_gmtoff == last.tm_gmtoff)
        return tr("Times in %1").arg(firstName);
    // The first second under the new offset: the offset changes once within a night.
    SkyInstant before = night.start, after = night.end;
    while (after - before > 1s) {
        const SkyInstant middle = before + (after - before) / 2;
        (localAt(middle).tm_gmtoff == first.tm_gmtoff ? before : after) = middle;
    }
    return tr("Times in %1, %2 from %3")
        .arg(firstName, QString::fromLocal8Bit(last.tm_zone), SkyTexts::localClock(after));
}

QString TonightTexts::phase(MoonPhase phase)
{
    switch (phase) {
    case MoonPhase::newMoon:
        return tr("new Moon");
    case MoonPhase::waxingCrescent:
        return tr("waxing crescent");
    case MoonPhase::firstQuarter:
        return tr("first quarter");
    case MoonPhase::waxingGibbous:
        return tr("waxing gibbous");
    case MoonPhase::full:
        return tr("full Moon");
    case MoonPhase::waningGibbous:
        return tr("waning gibbous");
    case MoonPhase::lastQuarter:
        return tr("last quarter");
    case MoonPhase::waningCrescent:
        return tr("waning crescent");
    }
    return {};
}

QString TonightTexts::moonLight(const Night &night)
{
    const long long percent = std::llround(night.moonIllumination * 100);
    return night.moonWaxing ? tr("%1 % illuminated, waxing").arg(percent) : tr("%1 % illuminated, waning").arg(percent);
}

QString TonightTexts::moonAge(const Night &night)
{
    return tr("%1, %2 days old").arg(phase(night.moonPhase), QString::number(night.moonAgeDays, 'f', 1));
}

QString TonightTexts::darkIntervals(const Night &night, bool utc)
{
    if (night.dark.empty())
        return tr("no dark hours tonight");
    const auto time = utc ? &utcTime : &SkyTexts::localClock;
    QStringList intervals;
    for (const DarkInterval &interval : night.dark)
        intervals << time(interval.start) + u'–' + time(interval.end);
    return intervals.join(u", "_s);
}

QString TonightTexts::darkestSentence(Daylight darkest)
{
    switch (darkest) {
    case Daylight::day:
        return tr("the Sun does not set");
    case Daylight::civilTwilight:
        return tr("no astronomical night — civil twilight all night");
    case Daylight::nauticalTwilight:
        return tr("no astronomical night — nautical twilight all night");
    case Daylight::astronomicalTwilight:
        return tr("no astronomical night — astronomical twilight all night");
    case Daylight::night:
        break;
    }
    return {};
}

QString TonightTexts::brightestSentence(Daylight brightest)
{
    return brightest == Daylight::day ? QString() : tr("the Sun does not rise");
}

QString TonightTexts::noMoonEvent(NightEvent event)
{
    return event == NightEvent::moonrise ? tr("no moonrise tonight") : tr("no moonset tonight");
}

QString TonightTexts::almanacUnavailable()
{
    return tr("The almanac is not available for this date: it covers the years 1900 to 2100");
}

long long TonightTexts::minutesUntil(system_clock::time_point instant, SkyInstant event)
{
    return ceil<minutes>(event - instant).count();
}

QString TonightTexts::countdown(std::optional<NightEvent> next, long long minutes)
{
    if (!next)
        return tr("no more events tonight");
    return tr("%1 in %2").arg(SkyTexts::event(*next), SkyTexts::span(minutes));
}
