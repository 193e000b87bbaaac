#pragma once

#include <AppUtils/DefaultSettings.h>

#include <chrono>
#include <optional>

namespace SparklePreferences {

// The update pane's stored choices, in the group "SoftwareUpdate" of the user's settings file
// (AppUtils::DefaultSettings). Hand-edited or missing values read as the defaults: automatic
// checks off, daily, never checked. A choice that cannot be written is still seen by this
// process; the failure goes to the log.
class UpdateSettings
{
public:
    enum class Interval { Daily, Weekly, Monthly };

    UpdateSettings();

    bool automatic() const;
    void setAutomatic(bool on);

    Interval interval() const;
    void setInterval(Interval interval);

    // The end of the last check that got an answer from the feed; nullopt when there was none.
    std::optional<std::chrono::system_clock::time_point> lastCheck() const;
    void setLastCheck(std::chrono::system_clock::time_point when);

    // Whether an automatic check should run at now: automatic checks are on, and there was no
    // check yet, or a whole interval has passed since the last one, or the last one lies in
    // the future (the system clock was wrong then, or has been set back since).
    bool isDue(std::chrono::system_clock::time_point now) const;

    // Days count 24 hours, a month 30 days.
    static std::chrono::seconds length(Interval interval);

private:
    void saved(bool ok) const;

    AppUtils::DefaultSettings m_store;
};

} // namespace SparklePreferences
