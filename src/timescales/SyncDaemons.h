#pragma once

#include "ChronyReader.h"
#include "TimesyncReader.h"

#include <QObject>

// The time-synchronisation daemons Horavane can read without privilege: chrony and
// systemd-timesyncd, each asked in the background. Only one of them runs on a system.
class SyncDaemons : public QObject
{
    Q_OBJECT

public:
    SyncDaemons();
    static SyncDaemons &shared(); // started at first use

    // What the running daemon says, chrony's first.
    std::optional<ClockSync> latest() const;
    // Waits, running the event loop, until each daemon has answered once or the time is up:
    // for a one-shot reading, which cannot wait for the next answer.
    void awaitFirstAnswers(std::chrono::milliseconds longest);

private:
    ChronyReader m_chrony;
    TimesyncReader m_timesync;
};
