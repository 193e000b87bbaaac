#pragma once

#include "preferences/ObserverSettings.h"
#include "timescales/TimeFacts.h"

#include <optional>

namespace AppUtils {
class DefaultSettings;
}

// The settings the clocks run on, read from the store as the General pane loads them: a value
// the pane would not accept reads as its default, but a stored latitude or longitude out of
// range or not a number makes the position unusable (with a line on stderr). For whoever needs
// them without the pane.

// The most UT1 − UTC can be: leap seconds keep it within 0.9 s.
inline constexpr double dut1Limit = 0.9;

// The raw value a source is stored as; none for a number no source has.
std::optional<LocationSource> locationSourceFromRaw(qint64 raw);

ObserverSettings loadObserverSettings(const AppUtils::DefaultSettings &store);

// A typed DUT1 and its day; none when either is missing or out of range.
std::optional<TypedDut1> loadTypedDut1(const AppUtils::DefaultSettings &store);
