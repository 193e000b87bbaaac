#include "TargetStore.h"

#include "preferences/SettingsKeys.h"

#include <AppUtils/DefaultSettings.h>
#include <AppUtils/Warning.h>

#include <algorithm>

std::vector<TargetLine> loadTargets(const AppUtils::DefaultSettings &store)
{
    return targetListFromText(store.loadString(SettingsKeys::targets, {}));
}

void warnOfUnreadTargets(std::span<const TargetLine> lines)
{
    const auto unread = std::ranges::count_if(
        lines, [](const TargetLine &line) { return std::holds_alternative<UnreadTargetLine>(line); });
    if (unread)
        AppUtils::warn(QStringLiteral("the stored targets (%1) have lines that hold no target (%2 of %3): the "
                                      "Targets window shows them, and keeps them as they are")
                           .arg(QString(SettingsKeys::targets))
                           .arg(unread)
                           .arg(lines.size()));
}

bool saveTargets(AppUtils::DefaultSettings &store, std::span<const TargetLine> lines)
{
    return store.saveString(SettingsKeys::targets, targetListText(lines));
}
