#include "AlarmNotifier.h"

#include "engine/AlarmTexts.h"

#include <AppUtils/Warning.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>

using namespace Qt::StringLiterals;

AlarmNotifier::AlarmNotifier(QString desktopId, std::chrono::milliseconds replyTimeout, QObject *parent)
    : QObject(parent)
    , m_desktopId(std::move(desktopId))
    , m_replyTimeout(replyTimeout)
{
}

void AlarmNotifier::notify(std::span<const AlarmFiring> firings)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        complain(tr("no session bus (%1)").arg(bus.lastError().message()));
        return;
    }
    for (const AlarmFiring &firing : firings) {
        if (m_unanswered >= maxUnanswered) {
            complain(tr("the notification service has not answered the last %n notifications", nullptr, m_unanswered));
            return;
        }
        QDBusMessage call = QDBusMessage::createMethodCall(u"org.freedesktop.Notifications"_s,
            u"/org/freedesktop/Notifications"_s, u"org.freedesktop.Notifications"_s, u"Notify"_s);
        const QVariantMap hints{
            {u"urgency"_s, QVariant::fromValue(uchar(2))}, // critical: stays until the observer closes it
            {u"sound-name"_s, u"alarm-clock-elapsed"_s},
            {u"desktop-entry"_s, m_desktopId},
        };
        call << u"Horavane"_s << 0u << m_desktopId << firing.alarm.name << AlarmTexts::due(firing) << QStringList()
             << hints << -1;
        ++m_unanswered;
        auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, int(m_replyTimeout.count())), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, &AlarmNotifier::answered);
    }
}

void AlarmNotifier::answered(QDBusPendingCallWatcher *call)
{
    call->deleteLater();
    --m_unanswered;
    if (!call->isError()) {
        m_complained = false;
        return;
    }
    const QDBusError error = call->error();
    switch (error.type()) {
    case QDBusError::NoReply:
    case QDBusError::Timeout:
        complain(tr("the notification service did not answer within %1 s")
                     .arg(std::chrono::duration<double>(m_replyTimeout).count()));
        break;
    case QDBusError::ServiceUnknown:
        complain(tr("no notification service on the session bus"));
        break;
    default:
        complain(tr("the notification service answered with an error: %1").arg(error.message()));
    }
}

void AlarmNotifier::complain(const QString &why)
{
    if (m_complained)
        return;
    m_complained = true;
    AppUtils::warn(tr("alarms are not shown as desktop notifications: %1; the digital window's banner still shows them")
                       .arg(why));
}
