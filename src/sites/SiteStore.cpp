#include "SiteStore.h"

#include "preferences/SettingsKeys.h"

#include <AppUtils/DefaultSettings.h>
#include <AppUtils/Warning.h>

#include <algorithm>

SiteListRead loadSites(const AppUtils::DefaultSettings &store)
{
    return siteListFromText(store.loadString(SettingsKeys::sites, {}));
}

void warnOfUnreadSites(const SiteListRead &read)
{
    const auto unread = std::ranges::count_if(
        read.lines, [](const SiteLine &line) { return std::holds_alternative<UnreadSiteLine>(line); });
    if (unread)
        AppUtils::warn(QStringLiteral("the stored sites (%1) have lines that hold no site (%2 of %3): the Sites "
                                      "window shows them, and keeps them as they are")
                           .arg(QString(SettingsKeys::sites))
                           .arg(unread)
                           .arg(read.lines.size()));
    if (read.leftOut)
        AppUtils::warn(QStringLiteral("the stored sites (%1) are longer than %2 characters: the last %3 are not "
                                      "read, and are dropped when the list is next changed")
                           .arg(QString(SettingsKeys::sites))
                           .arg(maxSiteListLength)
                           .arg(read.leftOut));
}

bool saveSites(AppUtils::DefaultSettings &store, std::span<const SiteLine> lines)
{
    return store.saveString(SettingsKeys::sites, siteListText(lines));
}
