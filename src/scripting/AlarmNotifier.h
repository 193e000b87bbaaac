#pragma once

#include "engine/Alarm.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <span>

class QDBusPendingCallWatcher;

// Tells the desktop that alarms rang: one notification each through
// org.freedesktop.Notifications on the session bus, critical and with the alarm-clock sound, so
// that an observer away from the screen hears it. The call is sent and left: its answer comes
// back as an event, so a slow or hung notification service never holds up the tick. When the
// desktop shows none (no service, an error, no answer in time) one line on stderr says why,
// once until the service answers again; the digital window's banner still shows the alarm.
class AlarmNotifier : public QObject
{
    Q_OBJECT

public:
    // desktopId: the desktop entry and icon the notification names. replyTimeout: how long
    // an answer is waited for before the service counts as hung.
    explicit AlarmNotifier(QString desktopId, std::chrono::milliseconds replyTimeout = std::chrono::seconds(10),
        QObject *parent = nullptr);

    void notify(std::span<const AlarmFiring> firings);

    // Notifications sent and not yet answered, at most: beyond them a hung service is sent no
    // more until it answers or they time out.
    static constexpr int maxUnanswered = 8;

private:
    void answered(QDBusPendingCallWatcher *call);
    void complain(const QString &why);

    QString m_desktopId;
    std::chrono::milliseconds m_replyTimeout;
    int m_unanswered = 0;
    bool m_complained = false; // since the service last answered
};
