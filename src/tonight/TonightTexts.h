#pragma once

#include "sky/Night.h"

#include <QCoreApplication>
#include <QString>

// The texts of the Tonight window, translated. Local times are of the system zone in force at
// each instant, as localtime_r finds it: call tzset() first for a change of zone to show.
// Negative numbers carry U+2212.
class TonightTexts
{
    Q_DECLARE_TR_FUNCTIONS(TonightTexts)

public:
    TonightTexts() = delete;

    // "2026-12-09 16:02 UTC", rounded the same way.
    static QString utcTime(SkyInstant instant);
    // "Times in CET"; "Times in CET, CEST from 03:00" when the zone's abbreviation changes
    // between the night's start and end (a change of daylight-saving time).
    static QString zones(const Night &night);

    static QString phase(MoonPhase phase);
    // "23 % illuminated, waxing".
    static QString moonLight(const Night &night);
    // "waxing crescent, 4.2 days old".
    static QString moonAge(const Night &night);
    // "18:20–03:12, 05:40–06:12", or "no dark hours tonight"; with UTC when asked.
    static QString darkIntervals(const Night &night, bool utc = false);

    // Why no Sun rows happen beyond some point, from the darkest part of the night: "the Sun
    // does not set", "no astronomical night — nautical twilight all night"…; empty for a night
    // that reaches night.
    static QString darkestSentence(Daylight darkest);
    // "the Sun does not rise" when the brightest part is not day; empty otherwise.
    static QString brightestSentence(Daylight brightest);
    // "no moonrise tonight", "no moonset tonight".
    static QString noMoonEvent(NightEvent event);
    static QString almanacUnavailable();

    // Whole minutes from instant to event, rounded up: "in 0 m" never shows before an event.
    static long long minutesUntil(std::chrono::system_clock::time_point instant, SkyInstant event);
    // "astronomical dusk in 1 h 12 m"; "no more events tonight" without one.
    static QString countdown(std::optional<NightEvent> next, long long minutes);
};
