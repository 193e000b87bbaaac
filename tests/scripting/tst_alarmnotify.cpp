#include "scripting/AlarmNotifier.h"
#include "scripting/ClockService.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusMetaType>
#include <QDBusPendingReply>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono;

namespace {
// An alarm ten minutes before M42 crosses the meridian, due at 23:02:00 UTC on 9 December 2026.
const Alarm flip{u"Flip M42"_s, TargetAlarm{u"M42"_s, 0}, 10};
const system_clock::time_point due = sys_days(December / 9 / 2026) + 23h + 2min;

enum class Service { none, answers, fails, hangs };
constexpr milliseconds replyTimeout{300};

// The notification daemon as python3-dbusmock plays it on this test's session bus, logging
// each call on the test's output.
struct NotificationMock
{
    QProcess process;
    explicit NotificationMock(Service service)
    {
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(u"/usr/bin/python3"_s, {u"-m"_s, u"dbusmock"_s, u"--template"_s, u"notification_daemon"_s});
        QDBusConnectionInterface &bus = *QDBusConnection::sessionBus().interface();
        QTRY_VERIFY_WITH_TIMEOUT(bus.isServiceRegistered(u"org.freedesktop.Notifications"_s), 20000);
        const char *notify = service == Service::fails ? "raise dbus.exceptions.DBusException('quota exceeded', "
                                                         "name='org.freedesktop.DBus.Error.LimitsExceeded')"
            : service == Service::hangs                ? "time.sleep(5)"
                                                       : nullptr;
        if (notify)
            control().call(u"AddMethod"_s, u"org.freedesktop.Notifications"_s, u"Notify"_s, u"susssasa{sv}i"_s, u"u"_s,
                QString::fromLatin1(notify));
    }
    ~NotificationMock()
    {
        process.kill();
        process.waitForFinished();
    }
    QDBusInterface control() const
    {
        return {u"org.freedesktop.Notifications"_s, u"/org/freedesktop/Notifications"_s, u"org.freedesktop.DBus.Mock"_s};
    }
    // The arguments of each Notify call, as the mock received them.
    QList<QVariantList> notifications() const
    {
        const QDBusMessage reply = control().call(u"GetMethodCalls"_s, u"Notify"_s);
        QList<QVariantList> calls;
        const QDBusArgument list = reply.arguments().value(0).value<QDBusArgument>();
        list.beginArray();
        while (!list.atEnd()) {
            quint64 time;
            QVariantList arguments;
            list.beginStructure();
            list >> time >> arguments;
            list.endStructure();
            calls.append(arguments);
        }
        list.endArray();
        return calls;
    }
};

QStringList warnings;
void keepWarnings(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtWarningMsg)
        warnings.append(text);
}
} // namespace

class tst_AlarmNotify : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void alarmFired(const QString &name, const QString &kind, const QString &due) { m_fired.append({name, kind, due}); }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("TZ", "UTC");
        qDBusRegisterMetaType<QList<QVariantMap>>();
    }

    // Each firing a critical notification with the alarm-clock sound, its name the summary and
    // what it waited for and when the body. Nothing shown: one line, however many rang, and never a wait.
    void notifications_data()
    {
        QTest::addColumn<Service>("service");
        QTest::addColumn<bool>("late");
        QTest::addColumn<int>("firings");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("warning");
        const QString line = u"tst_alarmnotify: alarms are not shown as desktop notifications: %1; the digital window's "
                             "banner still shows them"_s;
        QTest::newRow("rings") << Service::answers << false << 1
                               << u"10 min before M42 crosses the meridian, at 23:02:00"_s << QString();
        QTest::newRow("late") << Service::answers << true << 1
                              << u"10 min before M42 crosses the meridian, at 23:02:00 (late: the computer was asleep)"_s
                              << QString();
        QTest::newRow("no service") << Service::none << false << 3 << QString()
                                    << line.arg(u"no notification service on the session bus"_s);
        QTest::newRow("error") << Service::fails << false << 3 << QString()
                               << line.arg(u"the notification service answered with an error: quota exceeded"_s);
        QTest::newRow("hung") << Service::hangs << false << 3 << QString()
                              << line.arg(u"the notification service did not answer within 0.3 s"_s);
        // Calls to a hung service are not piled up: those past the eighth are not sent.
        QTest::newRow("hung, flooded") << Service::hangs << false << 20 << QString()
                                       << line.arg(u"the notification service has not answered the last 8 notifications"_s);
    }

    void notifications()
    {
        QFETCH(Service, service);
        QFETCH(bool, late);
        QFETCH(int, firings);
        QFETCH(QString, body);
        QFETCH(QString, warning);
        std::optional<NotificationMock> mock;
        if (service != Service::none)
            mock.emplace(service);
        warnings.clear();
        const QtMessageHandler given = qInstallMessageHandler(keepWarnings);
        const auto restore = qScopeGuard([given] { qInstallMessageHandler(given); });
        AlarmNotifier notifier(u"org.horavane.Horavane"_s, replyTimeout);
        const std::vector<AlarmFiring> flood(std::size_t(firings), AlarmFiring{flip, due, late});
        notifier.notify(flood);
        if (firings <= AlarmNotifier::maxUnanswered)
            QCOMPARE(warnings, QStringList()); // sent, not waited for
        if (!body.isEmpty()) {
            QList<QVariantList> calls;
            QTRY_VERIFY_WITH_TIMEOUT(!(calls = mock->notifications()).isEmpty(), 10000);
            QCOMPARE(calls.size(), 1);
            QVariantList call = calls[0];
            const QVariantMap hints = qdbus_cast<QVariantMap>(call[6].value<QDBusArgument>());
            call[6] = QVariant();
            QCOMPARE(call, (QVariantList{u"Horavane"_s, 0u, u"org.horavane.Horavane"_s, u"Flip M42"_s, body,
                               QVariant::fromValue(QStringList()), QVariant(), -1}));
            QCOMPARE(hints, (QVariantMap{{u"urgency"_s, QVariant::fromValue(uchar(2))},
                                {u"sound-name"_s, u"alarm-clock-elapsed"_s},
                                {u"desktop-entry"_s, u"org.horavane.Horavane"_s}}));
            QCOMPARE(hints[u"urgency"_s].typeId(), QMetaType::UChar); // a byte, which the equality above does not tell
            QCoreApplication::processEvents();
            QCOMPARE(warnings, QStringList());
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(!warnings.isEmpty(), 10000);
        QTest::qWait(int(replyTimeout.count())); // the other answers of the flood
        QCOMPARE(warnings, QStringList{warning});
    }

    // Other programs hear each alarm ring, with its kind's word and due second, and can list them.
    void overDBus()
    {
        ClockReading reading;
        const std::vector<Alarm> alarms{{u"Flip M42"_s, TargetAlarm{u"M42"_s, 0.5}, 10},
            {u"Dusk"_s, TonightAlarm{AlarmEvent::astronomicalDusk}, 0}};
        ClockService clock([&reading] { return reading; }, [&alarms] { return alarms; });
        clock.serve(QDBusConnection::SessionBus);
        QDBusConnection listener = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"listener"_s);
        QVERIFY(listener.connect(u"org.horavane.Horavane"_s, u"/org/horavane/Horavane"_s, u"org.horavane.Horavane1"_s,
            u"AlarmFired"_s, this, SLOT(alarmFired(QString, QString, QString))));
        reading.alarmsRang = {{alarms[0], due, false}, {alarms[1], due + 1h + 500ms, true}};
        clock.publish(reading);
        QTRY_COMPARE(m_fired, (QList<QStringList>{{u"Flip M42"_s, u"target"_s, u"2026-12-09T23:02:00.000Z"_s},
                                  {u"Dusk"_s, u"tonight"_s, u"2026-12-10T00:02:00.500Z"_s}}));

        const QDBusMessage call = QDBusMessage::createMethodCall(
            u"org.horavane.Horavane"_s, u"/org/horavane/Horavane"_s, u"org.horavane.Horavane1"_s, u"Alarms"_s);
        QDBusPendingReply<QList<QVariantMap>> listed = listener.asyncCall(call);
        QTRY_VERIFY(listed.isFinished());
        QVERIFY2(!listed.isError(), qPrintable(listed.error().message()));
        QCOMPARE(listed.value(),
            (QList<QVariantMap>{{{u"name"_s, u"Flip M42"_s}, {u"kind"_s, u"target"_s}, {u"when"_s, u"0.5"_s},
                                    {u"target"_s, u"M42"_s}, {u"minutes_before"_s, 10}},
                {{u"name"_s, u"Dusk"_s}, {u"kind"_s, u"tonight"_s}, {u"when"_s, u"astronomical-dusk"_s},
                    {u"target"_s, QString()}, {u"minutes_before"_s, 0}}}));
    }

private:
    QList<QStringList> m_fired;
};

QTEST_GUILESS_MAIN(tst_AlarmNotify)
#include "tst_alarmnotify.moc"
