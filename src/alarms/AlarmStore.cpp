#include "AlarmStore.h"

#include "preferences/SettingsKeys.h"
#include "preferences/StoredListWarning.h"

#include <AppUtils/DefaultSettings.h>
#include <AppUtils/Warning.h>

#include <algorithm>

AlarmListRead loadAlarms(const AppUtils::DefaultSettings &store)
{
    return alarmListFromText(store.loadString(SettingsKeys::alarms, {}));
}

void warnOfUnreadAlarms(const AlarmListRead &read)
{
    const auto problem = [&read](auto matches) {
        return std::ranges::count_if(read.lines, [&matches](const AlarmLine &line) {
            const auto *unread = std::get_if<UnreadAlarmLine>(&line);
            return unread && matches(unread->problem);
        });
    };
    // Those beyond the first maxAlarms get a line of their own: they hold alarms.
    const auto tooMany = problem([](AlarmLineProblem p) { return p == AlarmLineProblem::tooMany; });
    const auto unread = problem([](AlarmLineProblem p) { return p != AlarmLineProblem::tooMany; });
    warnOfUnreadLines(SettingsKeys::alarms, {qsizetype(read.lines.size()), unread, read.leftOut}, maxAlarmListLength,
        QStringLiteral("alarms"), QStringLiteral("alarm"), QStringLiteral("Alarms"));
    if (tooMany)
        AppUtils::warn(QStringLiteral("the stored alarms (%1) are %2: only the first %3 are kept as alarms, the "
                                      "others stay in the list as they are")
                           .arg(QString(SettingsKeys::alarms))
                           .arg(maxAlarms + tooMany)
                           .arg(maxAlarms));
}

bool saveAlarms(AppUtils::DefaultSettings &store, std::span<const AlarmLine> lines)
{
    return store.saveString(SettingsKeys::alarms, alarmListText(lines));
}
