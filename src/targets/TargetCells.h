#pragma once

#include "sky/TargetSky.h"

#include <QCoreApplication>
#include <QString>

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
    // Degrees to a tenth: "45.3°", "−12.4°"; a value that shows as zero is "0.0°".
    static QString altitude(double degrees);
    // "up", "down", "never rises", "never sets".
    static QString state(Visibility visibility);
};
