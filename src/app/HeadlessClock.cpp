#include "HeadlessClock.h"

#include "preferences/StoredSettings.h"
#include "sites/SiteStore.h"

#include <AppUtils/DefaultSettings.h>

HeadlessClock::HeadlessClock(
    AppUtils::MasterTimer &timer, Location::SourceMaker positions, ClockSyncWanted syncWanted)
    : m_location(std::move(positions))
    , m_sources(TimeSources::systemPlaces(), &readClockHealth,
          [this] { return m_daemons ? m_daemons->latest() : std::nullopt; })
    , m_clock(timer, [this]() -> Location & { return m_location; }, [this]() -> TimeSources & { return m_sources; })
{
    if (syncWanted == ClockSyncWanted::yes)
        m_daemons.emplace();
    const AppUtils::DefaultSettings &store = AppUtils::Defaults();
    m_location.setSettings(loadObserverSettings(store));
    m_sources.setTypedDut1(loadTypedDut1(store));
    const SiteListRead sites = loadSites(store);
    warnOfUnreadSites(sites);
    m_clock.setSites(sitesAmong(sites.lines));
}

void HeadlessClock::awaitFirstAnswers()
{
    // The daemons were asked on construction and answer while gpsd is waited for.
    m_location.awaitGpsdFix(std::chrono::milliseconds(2500));
    if (m_daemons)
        m_daemons->awaitFirstAnswers(std::chrono::milliseconds(2500));
}

ClockReading HeadlessClock::readingAt(std::chrono::system_clock::time_point now, ReadingFor reader)
{
    return m_clock.scriptReading(now, reader);
}
