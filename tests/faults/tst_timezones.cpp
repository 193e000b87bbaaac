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
        QTest::addColumn<QByteArray>("zone");   // a second before it was Berlin's
        QTest::addColumn<qint64>("msecs");
        QTest::addColumn<QString>("text");
        QTest::addColumn<ClockTime>("local");

        const auto dial = [](int hour, int min, int sec, QDate date) {
            return ClockTime{hour % 12, min, sec, hour < 12, QLocale::system().toString(date, QLocale::ShortFormat)};
        };
        // Berlin springs forward at 2026-03-29 01:00 UTC.
        QTest::newRow("Berlin, first of summer") << "Europe/Berlin"_ba << qint64(1774746000000)
            << u"2026-03-29T03:00:00.000+02:00"_s << dial(3, 0, 0, QDate(2026, 3, 29));
        QTest::newRow("to +05:45, next day") << "Asia/Kathmandu"_ba << qint64(1796503001250)
            << u"2026-12-06T02:21:41.250+05:45"_s << dial(2, 21, 41, QDate(2026, 12, 6));
        QTest::newRow("to an unknown zone: UTC") << "Nowhere/Atlantis"_ba << qint64(1796503001250)
            << u"2026-12-05T20:36:41.250Z"_s << dial(20, 36, 41, QDate(2026, 12, 5));
    }

    void rightAtTheFirstSecond()
    {
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
        for (const auto &[tz, at] : {std::pair("Europe/Berlin"_ba, msecs - 1000), std::pair(zone, msecs)}) {
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
