#include "IsoTime.h"

#include <cstdlib>

using namespace std::chrono;

QString isoText(system_clock::time_point instant, int utcOffsetSeconds)
{
    const auto local = floor<milliseconds>(instant) + seconds(utcOffsetSeconds);
    const auto day = floor<days>(local);
    const year_month_day date{day};
    const hh_mm_ss time{local - day};

    QString text = QString::asprintf("%04d-%02u-%02uT%02d:%02d:%02d.%03d", int(date.year()), unsigned(date.month()),
        unsigned(date.day()), int(time.hours().count()), int(time.minutes().count()), int(time.seconds().count()),
        int(time.subseconds().count()));
    if (utcOffsetSeconds == 0)
        return text + u'Z';
    // Cutting an offset of old local mean time (Monrovia's -00:44:30) to whole minutes would make
    // the text name another instant than the UTC one: its seconds are written out instead.
    const int offset = std::abs(utcOffsetSeconds);
    const char sign = utcOffsetSeconds < 0 ? '-' : '+';
    text += QString::asprintf("%c%02d:%02d", sign, offset / 3600, offset / 60 % 60);
    if (offset % 60 != 0)
        text += QString::asprintf(":%02d", offset % 60);
    return text;
}
