#pragma once

#include "sky/Target.h"

#include <span>
#include <vector>

namespace AppUtils {
class DefaultSettings;
}

// The Targets window's list in the settings, as one value under SettingsKeys::targets.

// The stored list; the empty list when there is none, and also, with one line on stderr, when
// the stored value is not a whole list (see targetListFromText): the other settings are
// untouched, and the value is replaced only when the user next edits the list.
std::vector<Target> loadTargets(const AppUtils::DefaultSettings &store);

// Stores targets (at most maxTargets, each with a name targetName() keeps). False when the
// settings file could not be written; see AppUtils::DefaultSettings::saveString.
bool saveTargets(AppUtils::DefaultSettings &store, std::span<const Target> targets);
