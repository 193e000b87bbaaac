#pragma once

#include "sky/TargetNight.h"
#include "sky/TargetSky.h"

#include <QCoreApplication>
#include <QString>

#include <chrono>

// The texts of the computed columns of the Targets window, translated. Negative values carry
// U+2212, as the declinations do.
class TargetCells
{
    Q_DECLARE_TR_FUNCTIONS(TargetCells)

public:
    TargetCells() = delete;

    // Radians as signed hours, minutes and seconds, rounded to the second: "+01 23 45" west of
    // the meridian, "−01 23 45" east of it; zero is "+00 00 00".
    static QString hourAngle(double radians);
    // Seconds as "in 1 h 23 m" (positive) or "1 h 23 m ago" (negative), rounded to the
    // minute, hours left out under one; "now" within half a minute.
    static QString meridian(double seconds);
    // "up", "down", "never rises", "never sets".
    static QString state(Visibility visibility);
    // The relative air mass at a geometric altitude to two decimals, "1.42"; empty at or below
    // the horizon.
    static QString airmass(double altitudeDegrees);
    // The texts of a target's rise and set: "—" when it never rises, "circumpolar" when it
    // never sets, else the local time.
    static QString riseOrSet(const TargetNight &night, const std::optional<SkyInstant> &instant);
    // The text of its transit: "—" when it never rises, else the local time.
    static QString transit(const TargetNight &night);
    // A length of time rounded to the minute, "3 h 12 m" or "45 m"; "—" when it rounds to none.
    static QString duration(std::chrono::seconds length);
    // The heading of the dark-time column for an altitude limit in degrees.
    static QString darkHeading(double limitDegrees);
};
