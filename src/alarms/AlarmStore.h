#pragma once

#include "engine/Alarm.h"

#include <span>

namespace AppUtils {
class DefaultSettings;
}

// The Alarms window's list in the settings, as one value under SettingsKeys::alarms.

// The stored list, line by line (see alarmListFromText); empty when there is none. Lines that
// hold no alarm, those beyond maxAlarms among them, are kept, so nothing the person wrote is
// lost when the list is saved again.
AlarmListRead loadAlarms(const AppUtils::DefaultSettings &store);

// Says on stderr, in one line each, that a stored list has lines that hold no alarm, that it
// was too long to read whole and that it holds more than maxAlarms alarms; nothing when none.
void warnOfUnreadAlarms(const AlarmListRead &read);

// Stores lines. False when the settings file could not be written, or the text is longer than
// the settings keep (see AppUtils::DefaultSettings::saveString).
bool saveAlarms(AppUtils::DefaultSettings &store, std::span<const AlarmLine> lines);
