#include "SparklePreferences/UpdateSettings.h"

#include <AppUtils/Warning.h>

#include <array>
#include <limits>

using namespace std::chrono_literals;

namespace SparklePreferences {
namespace {

constexpr QAnyStringView automaticKey = u"SoftwareUpdate/AutomaticChecks";
constexpr QAnyStringView intervalKey = u"SoftwareUpdate/Interval";
constexpr QAnyStringView lastCheckKey = u"SoftwareUpdate/LastCheck"; // Unix seconds

// The stored word of each interval, in enum order.
constexpr std::array<QStringView, 3> intervalNames{u"daily", u"weekly", u"monthly"};

} // namespace

UpdateSettings::UpdateSettings() = default;

bool UpdateSettings::automatic() const
{
    return m_store.loadBool(automaticKey, false);
}

void UpdateSettings::setAutomatic(bool on)
{
    saved(m_store.saveBool(automaticKey, on));
}

UpdateSettings::Interval UpdateSettings::interval() const
{
    const QString name = m_store.loadString(intervalKey, QString());
    for (std::size_t i = 0; i < intervalNames.size(); ++i) {
        if (name == intervalNames[i])
            return static_cast<Interval>(i);
    }
    return Interval::Daily;
}

void UpdateSettings::setInterval(Interval interval)
{
    saved(m_store.saveString(intervalKey, intervalNames[static_cast<std::size_t>(interval)].toString()));
}

std::optional<std::chrono::system_clock::time_point> UpdateSettings::lastCheck() const
{
    using std::chrono::system_clock;
    constexpr qint64 never = std::numeric_limits<qint64>::min();
    constexpr auto limit = std::chrono::floor<std::chrono::seconds>(system_clock::duration::max()).count();
    const qint64 seconds = m_store.loadInteger(lastCheckKey, never);
    if (seconds == never || seconds > limit || seconds < -limit) // none, or beyond what the clock holds
        return std::nullopt;
    return system_clock::time_point(std::chrono::seconds(seconds));
}

void UpdateSettings::setLastCheck(std::chrono::system_clock::time_point when)
{
    const auto seconds = std::chrono::floor<std::chrono::seconds>(when).time_since_epoch().count();
    saved(m_store.saveInteger(lastCheckKey, qint64(seconds)));
}

bool UpdateSettings::isDue(std::chrono::system_clock::time_point now) const
{
    if (!automatic())
        return false;
    const std::optional<std::chrono::system_clock::time_point> last = lastCheck();
    if (!last)
        return true;
    // In whole seconds, where the difference of any two instants the clock holds fits.
    const auto since = std::chrono::floor<std::chrono::seconds>(now) - std::chrono::floor<std::chrono::seconds>(*last);
    return since < 0s || since >= length(interval());
}

std::chrono::seconds UpdateSettings::length(Interval interval)
{
    switch (interval) {
    case Interval::Daily:
        return 24h;
    case Interval::Weekly:
        return 7 * 24h;
    case Interval::Monthly:
        return 30 * 24h;
    }
    Q_UNREACHABLE();
}

void UpdateSettings::saved(bool ok) const
{
    if (!ok)
        AppUtils::warn(QStringLiteral("cannot save the update settings to ") + m_store.fileName());
}

} // namespace SparklePreferences
