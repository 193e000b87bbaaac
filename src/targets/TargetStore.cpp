#include "TargetStore.h"

#include "preferences/SettingsKeys.h"
#include "sky/TargetList.h"

#include <AppUtils/DefaultSettings.h>
#include <AppUtils/Warning.h>

std::vector<Target> loadTargets(const AppUtils::DefaultSettings &store)
{
    std::optional<std::vector<Target>> targets = targetListFromText(store.loadString(SettingsKeys::targets, {}));
    if (!targets) {
        AppUtils::warn(QStringLiteral("the stored targets (%1) are not a list of targets: starting with none")
                           .arg(QString(SettingsKeys::targets)));
        return {};
    }
    return std::move(*targets);
}

bool saveTargets(AppUtils::DefaultSettings &store, std::span<const Target> targets)
{
    return store.saveString(SettingsKeys::targets, targetListText(targets));
}
