#pragma once

#include <QString>
#include <QtGlobal>

// The face a time is shown on: 1 to 12 with "AM"/"PM", the hour hand turning twice a day, or
// 0 to 23 at the top, turning once a day as the sidereal clocks of observatories do.
enum class DialKind { twelveHour, twentyFourHour };

// The time one dial shows, kept as on a 12-hour face; the hour of the day is hour, plus 12
// when morning is false.
struct ClockTime
{
    qint64 hour = 0; // 0..11; 0 is twelve o'clock
    qint64 min = 0; // 0..59
    qint64 sec = 0; // 0..59
    bool morning = true; // the hour of the 24-hour day is below 12: "AM", else "PM"
    QString date; // the date caption, drawn as given

    bool operator==(const ClockTime &) const = default;
};

// The dial time `seconds` after midnight, on any time scale (civil or sidereal).
// seconds: whole seconds, >= 0; a count of a day or more wraps, so 86400 is midnight again.
// date: stored as it is. Division truncates toward zero: a negative count gives fields of
// zero or below, with morning true.
ClockTime fromSeconds(qint64 seconds, const QString &date);

// The morning caption: "AM" when time.morning, else "PM".
QString morningText(const ClockTime &time);

// The hour of the day, 0..23 for a time in range.
qint64 hourOfDay(const ClockTime &time);

// The time as a screen reader says it: "10:10:30 AM, 2026-12-07", hour 0 read as 12, on a
// 12-hour dial; "22:10:30, 2026-12-07" on a 24-hour dial. Without the comma part when the date
// is empty.
QString spokenText(const ClockTime &time, DialKind kind = DialKind::twelveHour);
