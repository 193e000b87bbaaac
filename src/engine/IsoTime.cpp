#include "IsoTime.h"

#include <AppUtils/Digits.h>

#include <cstdlib>

using namespace std::chrono;

QString isoText(system_clock::time_point instant, int utcOffsetSeconds)
{
    const auto local = floor<milliseconds>(instant) + seconds(utcOffsetSeconds);
    const auto day = floor<days>(local);
    const year_month_day date{day};
    const hh_mm_ss time{local - day};

    QString text;
    text.reserve(32);
    AppUtils::appendPadded(text, int(date.year()), 4);
    text += u'-';
    AppUtils::appendPadded(text, unsigned(date.month()), 2);
    text += u'-';
    AppUtils::appendPadded(text, unsigned(date.day()), 2);
    text += u'T';
    AppUtils::appendClock(text, int(time.to_duration().count() / 1000));
    text += u'.';
    AppUtils::appendPadded(text, time.subseconds().count(), 3);
    if (utcOffsetSeconds == 0)
        return text + u'Z';
    // Cutting an offset of old local mean time (Monrovia's -00:44:30) to whole minutes would make
    // the text name another instant than the UTC one: its seconds are written out instead.
    const int offset = std::abs(utcOffsetSeconds);
    const char sign = utcOffsetSeconds < 0 ? '-' : '+';
    text += QChar::fromLatin1(sign);
    AppUtils::appendPadded(text, offset / 3600, 2);
    text += u':';
    AppUtils::appendPadded(text, offset / 60 % 60, 2);
    if (offset % 60 != 0) {
        text += u':';
        AppUtils::appendPadded(text, offset % 60, 2);
    }
    return text;
}
