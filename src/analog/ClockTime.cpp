#include "ClockTime.h"

#include <AppUtils/Digits.h>

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
    // Written digit by digit: a screen reader's text is made every second for each dial.
    const bool twelve = kind == DialKind::twelveHour;
    QString text;
    if (twelve)
        AppUtils::appendPadded(text, time.hour == 0 ? 12 : time.hour, 1);
    else
        AppUtils::appendPadded(text, hourOfDay(time), 2);
    for (const qint64 field : {time.min, time.sec}) {
        text += u':';
        AppUtils::appendPadded(text, field, 2);
    }
    if (twelve)
        text += u' ' + morningText(time);
    if (!time.date.isEmpty())
        text += u", "_s + time.date;
    return text;
}
