#pragma once

#include "engine/ClockUpdate.h"
#include "timescales/SyncDaemons.h"

#include <optional>

// Whether a run prints what the synchronisation daemons say, or has no use for it (--tonight)
// and so neither asks them nor waits for them.
enum class ClockSyncWanted { no, yes };

// The clock without its windows, for the command line: the stored settings and data files,
// gpsd and the synchronisation daemons, read as the running clock reads them. Needs the
// application object and the settings' names set.
class HeadlessClock
{
public:
    // positions: the desktop's location service, or none for a run too short to wait for it.
    HeadlessClock(AppUtils::MasterTimer &timer, Location::SourceMaker positions,
        ClockSyncWanted syncWanted = ClockSyncWanted::yes);

    // For a one-shot reading, which has no next tick to wait for: lets gpsd and the
    // synchronisation daemons answer, each for a moment at most.
    void awaitFirstAnswers();

    ClockReading readingAt(std::chrono::system_clock::time_point now, ReadingFor reader);

private:
    Location m_location;
    std::optional<SyncDaemons> m_daemons;
    TimeSources m_sources;
    ClockUpdate m_clock;
};
