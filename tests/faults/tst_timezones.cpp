#include "FakeClock.h"
#include "TestObserver.h"
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

Q_DECLARE_METATYPE(ClockTime)

// Both clock windows, refreshed by the tick, show the right local time at the first second
// after a daylight saving change or a change of the system zone while running.
class TestTimeZones : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { releaseClockWindows(); }

    void rightAtTheFirstSecond_data()
    {
        QTest::addColumn<QByteArray>("from");   // the zone a second before
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<qint64>("msecs");
        QTest::addColumn<QString>("text");
        QTest::addColumn<ClockTime>("local");

        const auto dial = [](int hour, int min, int sec, QDate date) {
            return ClockTime{hour % 12, min, sec, hour < 12, QLocale::system().toString(date, QLocale::ShortFormat)};
        };
        const QByteArray berlin = "Europe/Berlin"_ba, sydney = "Australia/Sydney"_ba;
        const QDate spring(2026, 3, 29), autumn(2026, 10, 25), day(2026, 12, 5), next(2026, 12, 6);
        QTest::newRow("Berlin, last of winter") << berlin << berlin << qint64(1774745999999)
            << u"2026-03-29T01:59:59.999+01:00"_s << dial(1, 59, 59, spring);
        QTest::newRow("Berlin, first of summer") << berlin << berlin << qint64(1774746000000)
            << u"2026-03-29T03:00:00.000+02:00"_s << dial(3, 0, 0, spring);
        QTest::newRow("Berlin, first of winter") << berlin << berlin << qint64(1792890000000)
            << u"2026-10-25T02:00:00.000+01:00"_s << dial(2, 0, 0, autumn);
        QTest::newRow("Berlin, 02:30 again") << berlin << berlin << qint64(1792891800000)
            << u"2026-10-25T02:30:00.000+01:00"_s << dial(2, 30, 0, autumn);
        QTest::newRow("Sydney, first of standard") << sydney << sydney << qint64(1775318400000)
            << u"2026-04-05T02:00:00.000+10:00"_s << dial(2, 0, 0, QDate(2026, 4, 5));
        QTest::newRow("Sydney, first of summer") << sydney << sydney << qint64(1791043200000)
            << u"2026-10-04T03:00:00.000+11:00"_s << dial(3, 0, 0, QDate(2026, 10, 4));
        QTest::newRow("to +05:45") << berlin << "Asia/Kathmandu"_ba << qint64(1796503001250)
            << u"2026-12-06T02:21:41.250+05:45"_s << dial(2, 21, 41, next);
        QTest::newRow("to -03:30") << berlin << "America/St_Johns"_ba << qint64(1796503001250)
            << u"2026-12-05T17:06:41.250-03:30"_s << dial(17, 6, 41, day);
        QTest::newRow("to +13:45") << berlin << "Pacific/Chatham"_ba << qint64(1796503001250)
            << u"2026-12-06T10:21:41.250+13:45"_s << dial(10, 21, 41, next);
        QTest::newRow("to an unknown zone: UTC") << berlin << "Nowhere/Atlantis"_ba << qint64(1796503001250)
            << u"2026-12-05T20:36:41.250Z"_s << dial(20, 36, 41, day);
    }

    void rightAtTheFirstSecond()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, zone);
        QFETCH(qint64, msecs);
        QFETCH(QString, text);
        QFETCH(ClockTime, local);

        FakeClock clock;
        AppUtils::MasterTimer timer(clock);
        ClockUpdate update(timer);
        TestObserver observer;
        const auto digital = makeClockWindow<HoravaneWindow>(clock, observer.locate());
        const auto analog = makeClockWindow<AnalogClockWindow>(clock, observer.locate());
        digital->showWindow();
        analog->showWindow();
        // The second before, as a running clock would have shown it.
        for (const auto &[tz, at] : {std::pair(from, msecs - 1000), std::pair(zone, msecs)}) {
            qputenv("TZ", tz);
            clock.set(system_clock::time_point(milliseconds(at)));
            update.tick();
        }
        QCOMPARE(digital->window()->findChild<QLabel *>(u"m_localtime"_s)->text(), text);
        QCOMPARE(spokenText(analog->window()->findChild<AnalogClockView *>(u"m_local"_s)->time()), spokenText(local));
    }
};

QTEST_MAIN(TestTimeZones)
#include "tst_timezones.moc"
