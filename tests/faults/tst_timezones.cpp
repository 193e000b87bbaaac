#include "FakeClock.h"
#include "TestPane.h"
#include "analog/AnalogClockView.h"
#include "analog/AnalogClockWindow.h"
#include "digital/HoravaneWindow.h"
#include "engine/ClockUpdate.h"
#include "engine/Location.h"
#include "engine/WindowRegistry.h"

#include <AppUtils/MasterTimer.h>

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono;

namespace {

// What the local dial shows at a 24-hour time of a local date.
ClockTime dial(int hour, int min, int sec, QDate date)
{
    return ClockTime{hour % 12, min, sec, hour < 12, QLocale::system().toString(date, QLocale::ShortFormat)};
}

} // namespace

Q_DECLARE_METATYPE(ClockTime)

// Both clock windows, refreshed by the tick, while the time zone changes under them: the
// local texts and the local dial are right at the first second after a change of the
// system zone, and at each second around the daylight saving changes of 2026.
class TestTimeZones : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void aroundDaylightSavingChanges_data();
    void aroundDaylightSavingChanges();
    void zoneChangedWhileRunning_data();
    void zoneChangedWhileRunning();

private:
    // Sets the clock, lets the tick refresh both windows and says what they show.
    QString localText(qint64 msecs);
    ClockTime localDial() const;

    FakeClock m_clock;
    AppUtils::MasterTimer m_timer{m_clock};
    ClockUpdate m_update{m_timer};
    std::unique_ptr<TestPane> m_pane;
    std::unique_ptr<Location> m_location;
    std::shared_ptr<ClockWindow> m_digital;
    std::shared_ptr<ClockWindow> m_analog;
};

void TestTimeZones::init()
{
    m_pane = std::make_unique<TestPane>();
    m_location = std::make_unique<Location>(std::make_unique<PositionSource>(nullptr), m_pane->pane());
    const auto location = [this]() -> Location & { return *m_location; };
    m_digital = makeClockWindow<HoravaneWindow>(m_clock, location);
    m_analog = makeClockWindow<AnalogClockWindow>(m_clock, location);
    m_digital->showWindow();
    m_analog->showWindow();
}

void TestTimeZones::cleanup()
{
    m_digital.reset();
    m_analog.reset();
    windowRegistry() = {};
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_location.reset();
    m_pane.reset();
    qunsetenv("TZ");
}

QString TestTimeZones::localText(qint64 msecs)
{
    m_clock.set(system_clock::time_point(milliseconds(msecs)));
    m_update.tick();
    return m_digital->window()->findChild<QLabel *>(u"m_localtime"_s)->text();
}

ClockTime TestTimeZones::localDial() const
{
    return m_analog->window()->findChild<AnalogClockView *>(u"m_local"_s)->time();
}

void TestTimeZones::aroundDaylightSavingChanges_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<qint64>("msecs");
    QTest::addColumn<QString>("text");
    QTest::addColumn<ClockTime>("local");

    const QDate spring(2026, 3, 29), autumn(2026, 10, 25);
    QTest::newRow("Berlin, last of winter time") << "Europe/Berlin"_ba << qint64(1774745999999)
        << u"2026-03-29T01:59:59.999+01:00"_s << dial(1, 59, 59, spring);
    QTest::newRow("Berlin, first of summer time") << "Europe/Berlin"_ba << qint64(1774746000000)
        << u"2026-03-29T03:00:00.000+02:00"_s << dial(3, 0, 0, spring);
    QTest::newRow("Berlin, a second into summer time") << "Europe/Berlin"_ba << qint64(1774746001000)
        << u"2026-03-29T03:00:01.000+02:00"_s << dial(3, 0, 1, spring);
    QTest::newRow("Berlin, last of summer time") << "Europe/Berlin"_ba << qint64(1792889999999)
        << u"2026-10-25T02:59:59.999+02:00"_s << dial(2, 59, 59, autumn);
    QTest::newRow("Berlin, first of winter time") << "Europe/Berlin"_ba << qint64(1792890000000)
        << u"2026-10-25T02:00:00.000+01:00"_s << dial(2, 0, 0, autumn);
    QTest::newRow("Berlin, a second into winter time") << "Europe/Berlin"_ba << qint64(1792890001000)
        << u"2026-10-25T02:00:01.000+01:00"_s << dial(2, 0, 1, autumn);
    QTest::newRow("Berlin, 02:30 the first time") << "Europe/Berlin"_ba << qint64(1792888200000)
        << u"2026-10-25T02:30:00.000+02:00"_s << dial(2, 30, 0, autumn);
    QTest::newRow("Berlin, 02:30 the second time") << "Europe/Berlin"_ba << qint64(1792891800000)
        << u"2026-10-25T02:30:00.000+01:00"_s << dial(2, 30, 0, autumn);

    const QDate april(2026, 4, 5), october(2026, 10, 4);
    QTest::newRow("Sydney, last of summer time") << "Australia/Sydney"_ba << qint64(1775318399999)
        << u"2026-04-05T02:59:59.999+11:00"_s << dial(2, 59, 59, april);
    QTest::newRow("Sydney, first of standard time") << "Australia/Sydney"_ba << qint64(1775318400000)
        << u"2026-04-05T02:00:00.000+10:00"_s << dial(2, 0, 0, april);
    QTest::newRow("Sydney, a second into standard time") << "Australia/Sydney"_ba << qint64(1775318401000)
        << u"2026-04-05T02:00:01.000+10:00"_s << dial(2, 0, 1, april);
    QTest::newRow("Sydney, last of standard time") << "Australia/Sydney"_ba << qint64(1791043199999)
        << u"2026-10-04T01:59:59.999+10:00"_s << dial(1, 59, 59, october);
    QTest::newRow("Sydney, first of summer time") << "Australia/Sydney"_ba << qint64(1791043200000)
        << u"2026-10-04T03:00:00.000+11:00"_s << dial(3, 0, 0, october);
    QTest::newRow("Sydney, a second into summer time") << "Australia/Sydney"_ba << qint64(1791043201000)
        << u"2026-10-04T03:00:01.000+11:00"_s << dial(3, 0, 1, october);
}

void TestTimeZones::aroundDaylightSavingChanges()
{
    QFETCH(QByteArray, zone);
    QFETCH(qint64, msecs);
    QFETCH(QString, text);
    QFETCH(ClockTime, local);

    qputenv("TZ", zone);
    // The second before first, as a running clock would have shown it.
    localText(msecs - 1000);
    QCOMPARE(localText(msecs), text);
    QCOMPARE(spokenText(localDial()), spokenText(local));
}

void TestTimeZones::zoneChangedWhileRunning_data()
{
    QTest::addColumn<QByteArray>("zone");   // the zone from Europe/Berlin at 2026-12-05T20:36:41.250Z
    QTest::addColumn<QString>("text");
    QTest::addColumn<ClockTime>("local");

    const QDate day(2026, 12, 5), next(2026, 12, 6);
    QTest::newRow("to +05:30") << "Asia/Kolkata"_ba << u"2026-12-06T02:06:41.250+05:30"_s << dial(2, 6, 41, next);
    QTest::newRow("to +05:45") << "Asia/Kathmandu"_ba << u"2026-12-06T02:21:41.250+05:45"_s << dial(2, 21, 41, next);
    QTest::newRow("to -03:30") << "America/St_Johns"_ba << u"2026-12-05T17:06:41.250-03:30"_s << dial(17, 6, 41, day);
    QTest::newRow("to +13:45, summer") << "Pacific/Chatham"_ba << u"2026-12-06T10:21:41.250+13:45"_s << dial(10, 21, 41, next);
    QTest::newRow("to -12:00") << "Etc/GMT+12"_ba << u"2026-12-05T08:36:41.250-12:00"_s << dial(8, 36, 41, day);
    QTest::newRow("to UTC") << "UTC"_ba << u"2026-12-05T20:36:41.250Z"_s << dial(20, 36, 41, day);
    QTest::newRow("to an unknown zone: UTC") << "Nowhere/Atlantis"_ba << u"2026-12-05T20:36:41.250Z"_s << dial(20, 36, 41, day);
}

void TestTimeZones::zoneChangedWhileRunning()
{
    QFETCH(QByteArray, zone);
    QFETCH(QString, text);
    QFETCH(ClockTime, local);

    qputenv("TZ", "Europe/Berlin");
    QCOMPARE(localText(1796503000250), u"2026-12-05T21:36:40.250+01:00"_s);
    qputenv("TZ", zone);
    QCOMPARE(localText(1796503001250), text);
    QCOMPARE(spokenText(localDial()), spokenText(local));
}

QTEST_MAIN(TestTimeZones)
#include "tst_timezones.moc"
