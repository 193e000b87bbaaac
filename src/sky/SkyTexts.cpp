#include "SkyTexts.h"

#include <AppUtils/Digits.h>

#include <cstdlib>
#include <ctime>

std::tm SkyTexts::minuteOf(SkyInstant instant, bool utc)
{
    using namespace std::chrono;
    const std::time_t t = seconds(floor<minutes>(instant + 30s).time_since_epoch()).count();
    std::tm fields{};
    if (utc) {
        gmtime_r(&t, &fields);
    } else {
        tzset(); // localtime_r, unlike localtime, is not required to notice a changed zone
        localtime_r(&t, &fields);
    }
    return fields;
}

QString SkyTexts::localClock(SkyInstant instant)
{
    QString text;
    appendHoursMinutes(text, minuteOf(instant, false));
    return text;
}

void SkyTexts::appendHoursMinutes(QString &text, const std::tm &brokenDown)
{
    AppUtils::appendPadded(text, brokenDown.tm_hour, 2);
    text += u':';
    AppUtils::appendPadded(text, brokenDown.tm_min, 2);
}

QString SkyTexts::span(long long minutes)
{
    const long long hours = minutes / 60;
    return hours ? tr("%1 h %2 m").arg(hours).arg(minutes % 60) : tr("%1 m").arg(minutes);
}

QString SkyTexts::altitude(long long tenths)
{
    const long long magnitude = std::llabs(tenths);
    QString text = tenths < 0 ? QString(QChar(0x2212)) : QString();
    AppUtils::appendPadded(text, magnitude / 10, 1);
    text += u'.';
    AppUtils::appendPadded(text, magnitude % 10, 1);
    return text + u'°';
}

QString SkyTexts::daylight(Daylight part)
{
    switch (part) {
    case Daylight::day:
        return tr("day");
    case Daylight::civilTwilight:
        return tr("civil twilight");
    case Daylight::nauticalTwilight:
        return tr("nautical twilight");
    case Daylight::astronomicalTwilight:
        return tr("astronomical twilight");
    case Daylight::night:
        return tr("night");
    }
    return {};
}

QString SkyTexts::event(NightEvent event)
{
    switch (event) {
    case NightEvent::sunset:
        return tr("sunset");
    case NightEvent::civilDusk:
        return tr("civil dusk");
    case NightEvent::nauticalDusk:
        return tr("nautical dusk");
    case NightEvent::astronomicalDusk:
        return tr("astronomical dusk");
    case NightEvent::astronomicalDawn:
        return tr("astronomical dawn");
    case NightEvent::nauticalDawn:
        return tr("nautical dawn");
    case NightEvent::civilDawn:
        return tr("civil dawn");
    case NightEvent::sunrise:
        return tr("sunrise");
    case NightEvent::moonrise:
        return tr("moonrise");
    case NightEvent::moonset:
        return tr("moonset");
    }
    return {};
}
