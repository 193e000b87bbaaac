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

qint64 hourOfDay(const ClockTime &time)
{
    return time.morning ? time.hour : time.hour + 12;
}

QString spokenText(const ClockTime &time, DialKind kind)
{
    const bool twelve = kind == DialKind::twelveHour;
    const QString minutes = u"%1:%2"_s.arg(time.min, 2, 10, QLatin1Char('0')).arg(time.sec, 2, 10, QLatin1Char('0'));
    const QString clock = twelve ? u"%1:%2 %3"_s.arg(time.hour == 0 ? 12 : time.hour).arg(minutes, morningText(time))
                                 : u"%1:%2"_s.arg(hourOfDay(time), 2, 10, QLatin1Char('0')).arg(minutes);
    return time.date.isEmpty() ? clock : clock % u", "_s % time.date;
}
