#pragma once

#include "ClockHealth.h"
#include "ClockSync.h"
#include "EarthOrientation.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <chrono>
#include <optional>

// A UT1 − UTC typed in by hand: the 0.1 s DUT1 that time signals broadcast, and the day it was
// typed, since it changes every few months.
struct TypedDut1
{
    double seconds = 0;
    QDate typedOn;

    bool operator==(const TypedDut1 &) const = default;
};

// The UT1 − UTC in use at one instant and where it came from.
struct Ut1Source
{
    enum class Origin { file, typed, assumed };

    Origin origin = Origin::assumed;
    Ut1Estimate estimate; // 0 when assumed
    QString fileName; // for a file: its name, without the folder
    QDate typedOn; // for a typed value
    QString problem; // why a file was set aside, the latest; empty when none was
};

// The leap-second table in use.
struct LeapSecondState
{
    std::optional<QDateTime> validUntil; // the system list's expiry, when it is the one in use
    QString problem; // why the system list was set aside; empty when it is in use
};

// What the Earth-orientation download is doing, as the details show it.
struct EarthOrientationDownloadState
{
    bool on = false; // the person asked for the data to be kept current
    bool running = false;
    QString problem; // why the last download left the held file as it was; empty when none did

    bool operator==(const EarthOrientationDownloadState &) const = default;
};

// What the world outside says about the time at one instant: the tick reads it once a second.
struct TimeFacts
{
    Ut1Source ut1;
    std::optional<ClockHealth> clock; // none when the kernel does not say
    LeapSecondState leapSeconds;
    EarthOrientationDownloadState download;
    std::optional<ClockSync> sync; // none while no synchronisation daemon says

    // The bound on the system clock's error the clock goes by: the daemon's while one says
    // (it knows the offset it measured, and changes only when it measures again), else the
    // kernel's. None when neither says.
    std::optional<std::chrono::microseconds> errorBound() const
    {
        if (sync)
            return std::chrono::ceil<std::chrono::microseconds>(sync->errorBound);
        return clock ? std::optional(clock->maximumError) : std::nullopt;
    }
};
