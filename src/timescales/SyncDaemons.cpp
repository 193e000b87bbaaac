#include "SyncDaemons.h"

#include <QEventLoop>
#include <QTimer>

SyncDaemons::SyncDaemons() = default;

SyncDaemons &SyncDaemons::shared()
{
    static SyncDaemons daemons;
    return daemons;
}

std::optional<ClockSync> SyncDaemons::latest() const
{
    const std::optional<ClockSync> &chrony = m_chrony.latest();
    return chrony ? chrony : m_timesync.latest();
}

void SyncDaemons::awaitFirstAnswers(std::chrono::milliseconds longest)
{
    QEventLoop loop;
    const auto check = [&] {
        if (m_chrony.hasAnswered() && m_timesync.hasAnswered())
            loop.quit();
    };
    connect(&m_chrony, &ChronyReader::answered, &loop, check);
    connect(&m_timesync, &TimesyncReader::answered, &loop, check);
    QTimer::singleShot(longest, &loop, &QEventLoop::quit);
    if (!m_chrony.hasAnswered() || !m_timesync.hasAnswered())
        loop.exec();
}
