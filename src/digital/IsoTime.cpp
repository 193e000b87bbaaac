#include "IsoTime.h"

#include <cstdlib>

using namespace std::chrono;

QString isoText(system_clock::time_point instant, int utcOffsetSeconds)
{
    const auto local = floor<milliseconds>(instant) + seconds(utcOffsetSeconds);
    const auto day = floor<days>(local);
    const year_month_day date{day};
    const hh_mm_ss time{local - day};

    QString text = QString::asprintf("%04d-%02u-%02uT%02d:%02d:%02d.%03d", int(date.year()),
                                     unsigned(date.month()), unsigned(date.day()),
                                     int(time.hours().count()), int(time.minutes().count()),
                                     int(time.seconds().count()), int(time.subseconds().count()));
    if (utcOffsetSeconds == 0)
        return text + u'Z';
    const int offsetMinutes = std::abs(utcOffsetSeconds) / 60;
    return text + QString::asprintf("%c%02d:%02d", utcOffsetSeconds < 0 ? '-' : '+',
                                    offsetMinutes / 60, offsetMinutes % 60);
}
