#pragma once

#include "sky/TargetList.h"

#include <span>
#include <vector>

namespace AppUtils {
class DefaultSettings;
}

// The Targets window's list in the settings, as one value under SettingsKeys::targets.

// The longest list the settings keep (see AppUtils::DefaultSettings::saveString). Only lines
// that hold no target can make a list this long.
inline constexpr qsizetype maxStoredListLength = 4000;

// The stored list, line by line (see targetListFromText); empty when there is none. Lines that
// hold no target are kept: nothing the person wrote is lost when the list is saved again.
std::vector<TargetLine> loadTargets(const AppUtils::DefaultSettings &store);

// Says on stderr, in one line, that a stored list has lines that hold no target; nothing when
// it has none. Once, at launch: the Targets window shows them in its rows.
void warnOfUnreadTargets(std::span<const TargetLine> lines);

// Stores lines (at most maxTargets targets, each with a name targetName() keeps, and at most
// maxStoredListLength characters in all). False when the settings file could not be written;
// see AppUtils::DefaultSettings::saveString.
bool saveTargets(AppUtils::DefaultSettings &store, std::span<const TargetLine> lines);
