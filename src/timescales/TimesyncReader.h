#pragma once

#include "ClockSync.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QVariantMap>

#include <optional>

class QDBusPendingCallWatcher;

// What systemd-timesyncd says, from its properties on the system bus: read when it appears and
// again each time it announces a change, never polled. A timesyncd that is not running is not
// started for us; one that goes away, or does not answer, takes its answer with it; one whose
// properties have other types than its own is passed over, said once on stderr.
class TimesyncReader : public QObject
{
    Q_OBJECT

public:
    explicit TimesyncReader(QDBusConnection bus = QDBusConnection::systemBus(), QObject *parent = nullptr);

    // The last answer; none while timesyncd is not there or not synchronised.
    const std::optional<ClockSync> &latest() const { return m_latest; }
    // Whether timesyncd has been asked once and has answered, or there is nobody to ask.
    bool hasAnswered() const { return m_answered; }

    // The answer in timesyncd's properties; why they are not its own when they are not.
    static std::optional<ClockSync> fromProperties(const QVariantMap &properties, QString *wrong = nullptr);

Q_SIGNALS:
    void answered(); // after each reading

private Q_SLOTS:
    void propertiesChanged(const QString &interface, const QVariantMap &changed, const QStringList &invalidated);

private:
    void ask();
    void take(QDBusPendingCallWatcher *call);
    void finish(std::optional<ClockSync> answer);

    QDBusConnection m_bus;
    QDBusServiceWatcher m_watcher;
    bool m_asking = false; // a reading under way
    bool m_askAgain = false; // a change announced meanwhile
    std::optional<ClockSync> m_latest;
    QString m_wrong; // what was last said about types not timesyncd's
    bool m_answered = false;
};
