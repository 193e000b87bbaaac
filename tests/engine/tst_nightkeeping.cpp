// The tick works the observer's night out once a night: a reading a second later, a GPS fix
// that wanders by metres or UT1 − UTC drifting by milliseconds hands on the very same night;
// local noon, a move of kilometres, a new zone offset or a tenth of a second of UT1 brings a
// new one.

#include "engine/ClockUpdate.h"

#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono;
using namespace Qt::StringLiterals;

namespace {

sys_seconds utc(year_month_day day, hours hour, minutes minute = 0min)
{
    return sys_days(day) + hour + minute;
}

} // namespace

class tst_NightKeeping : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { qputenv("TZ", "Europe/Berlin"); }

    void sameNight_data()
    {
        QTest::addColumn<qint64>("later"); // seconds after 2026-12-09T20:00Z
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("dut1");
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<bool>("same");
        QTest::newRow("a second later") << qint64(1) << 52.5 << 13.4 << 0.2 << "Europe/Berlin"_ba << true;
        QTest::newRow("after local midnight") << qint64(4 * 3600) << 52.5 << 13.4 << 0.2 << "Europe/Berlin"_ba << true;
        QTest::newRow("a fix 50 m north") << qint64(1) << 52.50045 << 13.4 << 0.2 << "Europe/Berlin"_ba << true;
        QTest::newRow("UT1 drifts 2 ms") << qint64(1) << 52.5 << 13.4 << 0.202 << "Europe/Berlin"_ba << true;
        QTest::newRow("past local noon") << qint64(16 * 3600) << 52.5 << 13.4 << 0.2 << "Europe/Berlin"_ba << false;
        QTest::newRow("5 km west") << qint64(1) << 52.5 << 13.33 << 0.2 << "Europe/Berlin"_ba << false;
        QTest::newRow("UT1 a leap second on") << qint64(1) << 52.5 << 13.4 << -0.8 << "Europe/Berlin"_ba << false;
        QTest::newRow("another zone offset") << qint64(1) << 52.5 << 13.4 << 0.2 << "Europe/Helsinki"_ba << false;
    }

    void sameNight()
    {
        QFETCH(qint64, later);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(double, dut1);
        QFETCH(QByteArray, zone);
        QFETCH(bool, same);
        QTemporaryDir data;
        Location location([] { return std::make_unique<PositionSource>(nullptr); });
        TimeSources sources({data.path(), {}, TimeSources::systemPlaces().leapSecondList}, [] { return std::nullopt; });
        AppUtils::MasterTimer timer;
        ClockUpdate tick(timer, [&]() -> Location & { return location; }, [&]() -> TimeSources & { return sources; });
        const auto observe = [&](double lat, double lon, double seconds) {
            ObserverSettings settings;
            settings.source = LocationSource::useManual;
            settings.latitude = lat;
            settings.longitude = lon;
            location.setSettings(settings);
            sources.setTypedDut1(TypedDut1{seconds, QDate(2026, 12, 9)});
        };
        const sys_seconds first = utc(2026y / 12 / 9, 20h);
        observe(52.5, 13.4, 0.2);
        const std::shared_ptr<const Night> night = tick.scriptReading(first).night;
        QVERIFY(night);
        observe(latitude, longitude, dut1);
        qputenv("TZ", zone);
        const std::shared_ptr<const Night> next = tick.scriptReading(first + seconds(later)).night;
        QVERIFY(next);
        QCOMPARE(next == night, same);
    }
};

QTEST_GUILESS_MAIN(tst_NightKeeping)
#include "tst_nightkeeping.moc"
