#pragma once

#include "Night.h"

#include <QCoreApplication>
#include <QString>

// The texts of times, lengths and altitudes that the Tonight and the Targets windows both
// write, so that the two say the same thing the same way. Negative values carry U+2212.
class SkyTexts
{
    Q_DECLARE_TR_FUNCTIONS(SkyTexts)

public:
    SkyTexts() = delete;

    // An instant rounded to the minute, as almanacs print their times, broken down in the
    // system zone in force at that instant (read afresh, so a night that crosses a change of
    // clocks shows each time as the clocks read it) or in UTC.
    static std::tm minuteOf(SkyInstant instant, bool utc);
    // The local clock at an instant, "21:14", rounded to the minute.
    static QString localClock(SkyInstant instant);
    // Appends "21:14".
    static void appendHoursMinutes(QString &text, const std::tm &brokenDown);
    // Minutes as "1 h 23 m", hours left out under one.
    static QString span(long long minutes);
    // "day", "civil twilight", "nautical twilight", "astronomical twilight", "night".
    static QString daylight(Daylight part);
    // "sunset", "civil dusk", … "moonset".
    static QString event(NightEvent event);
    // Tenths of a degree as "45.3°", "−12.4°"; a value that shows as zero is "0.0°".
    static QString altitude(long long tenths);
};
