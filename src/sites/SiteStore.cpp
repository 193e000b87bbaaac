#include "SiteStore.h"

#include "preferences/SettingsKeys.h"
#include "preferences/StoredListWarning.h"

#include <AppUtils/DefaultSettings.h>

#include <algorithm>

SiteListRead loadSites(const AppUtils::DefaultSettings &store)
{
    return siteListFromText(store.loadString(SettingsKeys::sites, {}));
}

void warnOfUnreadSites(const SiteListRead &read)
{
    const auto unread = std::ranges::count_if(
        read.lines, [](const SiteLine &line) { return std::holds_alternative<UnreadSiteLine>(line); });
    warnOfUnreadLines(SettingsKeys::sites, {qsizetype(read.lines.size()), unread, read.leftOut}, maxSiteListLength,
        QStringLiteral("sites"), QStringLiteral("site"), QStringLiteral("Sites"));
}

bool saveSites(AppUtils::DefaultSettings &store, std::span<const SiteLine> lines)
{
    return store.saveString(SettingsKeys::sites, siteListText(lines));
}
