#pragma once

#include "Alarm.h"

#include <QCoreApplication>
#include <QString>

// How the Alarms window, the digital window's banner and the desktop notification name an alarm
// and say that it rang, so that all three say it the same way.
class AlarmTexts
{
    Q_DECLARE_TR_FUNCTIONS(AlarmTexts)

public:
    AlarmTexts() = delete;

    // What it waits for: "LST 05:12:33", "21:00:00 local time, every day",
    // "2026-12-24 21:00:00 UTC", "M42 crosses the meridian", "M42 at hour angle +0.5 h",
    // "astronomical dusk", "the start of dark", "the clock loses its synchronisation".
    static QString when(const AlarmWhen &when);
    // The same with its offset: "10 min before M42 crosses the meridian".
    static QString whenWithOffset(const Alarm &alarm);
    // "LST", "local time", "UTC", "target", "tonight", "clock health": the kind's name in a column.
    static QString kind(const AlarmWhen &when);

    // What rang and when it was due on the local clock: "10 min before M42 crosses the meridian,
    // at 23:02:00"; late ones end "(late: the computer was asleep)". A notification's body,
    // under the alarm's name.
    static QString due(const AlarmFiring &firing);
    // The same after the alarm's name: "Flip M42: 10 min before …, at 23:02:00".
    static QString rang(const AlarmFiring &firing);
};
