#pragma once

#include "sky/Site.h"

#include <span>

namespace AppUtils {
class DefaultSettings;
}

// The Sites window's list in the settings, as one value under SettingsKeys::sites.

// The stored list, line by line (see siteListFromText); empty when there is none. Lines that
// hold no site are kept, so nothing the person wrote is lost when the list is saved again.
SiteListRead loadSites(const AppUtils::DefaultSettings &store);

// Says on stderr, in one line each, that a stored list has lines that hold no site and that it
// was too long to read whole; nothing when neither.
void warnOfUnreadSites(const SiteListRead &read);

// Stores lines. False when the settings file could not be written, or the text is longer than
// the settings keep (see AppUtils::DefaultSettings::saveString).
bool saveSites(AppUtils::DefaultSettings &store, std::span<const SiteLine> lines);
