#include "ClockTime.h"

using namespace Qt::StringLiterals;

ClockTime fromSeconds(qint64 seconds, const QString &date)
{
    const qint64 h24 = seconds / 3600 % 24;
    return ClockTime{h24 % 12, seconds / 60 % 60, seconds % 60, h24 < 12, date};
}

QString morningText(const ClockTime &time)
{
    return time.morning ? u"AM"_s : u"PM"_s;
}

QString spokenText(const ClockTime &time)
{
    const QString clock = u"%1:%2:%3 %4"_s.arg(time.hour == 0 ? 12 : time.hour)
                              .arg(time.min, 2, 10, QLatin1Char('0'))
                              .arg(time.sec, 2, 10, QLatin1Char('0'))
                              .arg(morningText(time));
    return time.date.isEmpty() ? clock : clock % u", "_s % time.date;
}
