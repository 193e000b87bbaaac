#include "FakeClock.h"
#include "TestObserver.h"
#include "digital/HoravaneWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono;

class TestHoravaneWindow : public QObject
{
    Q_OBJECT

    // The digital window, a second after a refresh in Berlin, refreshed at an instant in zone, for
    // 51.4769 N 0.0005 W typed in by hand.
    QString shown(microseconds sinceEpoch, const QByteArray &zone, const char *field)
    {
        qputenv("TZ", "Europe/Berlin");
        clock.set(system_clock::time_point(sinceEpoch - 1s));
        pane.type("m_latitude", u"51.4769"_s);
        pane.type("m_longitude", u"-0.0005"_s);
        pane.pane().view()->findChild<QCheckBox *>(u"m_location_decimal"_s)->setChecked(false);
        pane.choose(PreferencesGeneral::LocationSource::useManual);
        const auto controller = makeClockWindow<HoravaneWindow>(clock, pane.locate());
        controller->showWindow();
        controller->update();
        qputenv("TZ", zone);
        clock.advance(1s);
        controller->update();
        return controller->window()->findChild<QLabel *>(QLatin1StringView(field))->text();
    }
    FakeClock clock;
    TestObserver pane;

private Q_SLOTS:
    void cleanup() { releaseClockWindows(); }

    // Meeus, Astronomical Algorithms, example 12.a: 1987-04-10 0h UT, apparent sidereal time
    // 13h10m46.1s at Greenwich, 0.1 s less at 0.0005 W. Read a microsecond short of the next
    // second: the times are cut to the millisecond, the sidereal time to the whole second.
    void readouts_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("expected");
        QTest::newRow("source") << "m_locn_source"_ba << u"Manual"_s;
        QTest::newRow("sexagesimal") << "m_location"_ba << u"51° 28′ 36.8″ , -0° 00′ 01.8″"_s;
        QTest::newRow("sidereal") << "m_localsidereal"_ba << u"13:10:46"_s;
        QTest::newRow("UTC") << "m_utc"_ba << u"1987-04-10T00:00:00.999Z"_s;
        QTest::newRow("local, day before") << "m_localtime"_ba << u"1987-04-09T20:00:00.999-04:00"_s;
    }

    void readouts()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, expected);
        QCOMPARE(shown(545011200s + 999999us, "XYZ+4", field.constData()), expected);
    }

    // The offset as the zone gives it at that instant, seconds included, the zone read afresh.
    void localTime_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<qint64>("msecs");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Monrovia mean time") << "Africa/Monrovia"_ba << qint64(0) << u"1969-12-31T23:15:30.000-00:44:30"_s;
        QTest::newRow("-00:30 keeps its sign") << "XYZ+0:30"_ba << qint64(0) << u"1969-12-31T23:30:00.000-00:30"_s;
        QTest::newRow("east") << "XYZ-4:15"_ba << qint64(0) << u"1970-01-01T04:15:00.000+04:15"_s;
        QTest::newRow("Berlin, first of summer") << "Europe/Berlin"_ba << qint64(1774746000000) << u"2026-03-29T03:00:00.000+02:00"_s;
        QTest::newRow("unknown zone: UTC") << "Nowhere/Atlantis"_ba << qint64(1796503001250) << u"2026-12-05T20:36:41.250Z"_s;
        QTest::newRow("ms padded") << "UTC"_ba << qint64(1710979199007) << u"2024-03-20T23:59:59.007Z"_s;
        QTest::newRow("before 1970") << "UTC"_ba << qint64(-1) << u"1969-12-31T23:59:59.999Z"_s;
        QTest::newRow("beyond 2038") << "UTC"_ba << qint64(4102444800000) << u"2100-01-01T00:00:00.000Z"_s;
    }

    void localTime()
    {
        QFETCH(QByteArray, zone);
        QFETCH(qint64, msecs);
        QFETCH(QString, expected);
        QCOMPARE(shown(milliseconds(msecs), zone, "m_localtime"), expected);
    }
};

QTEST_MAIN(TestHoravaneWindow)
#include "tst_horavanewindow.moc"
