#include <AppUtils/Sidereal.h>

#include <QTest>

#include <cmath>
#include <limits>

using AppUtils::Sidereal;
using namespace Qt::StringLiterals;

namespace {

constexpr double day = 86400;
// The references below are stated for an instant in UT1, which is what the function is handed
// (it takes UT1 as UTC). Most give 0.1 ms; Meeus rounds his nutation and lands a few ms off.
constexpr double tolerance = 0.01;   // seconds
// Mean sidereal seconds per UT1 second (IERS Conventions 2010, ch. 5).
constexpr double siderealRate = 1.002737909350795;

} // namespace

class TestSidereal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matchesReferencesOrGivesNone_data()
    {
        QTest::addColumn<qint64>("unixSeconds");
        QTest::addColumn<double>("longitude");   // degrees east
        QTest::addColumn<double>("expected");    // seconds since sidereal midnight; NaN: none
        QTest::addColumn<QString>("text");

        // Meeus, Astronomical Algorithms, 2nd ed., example 12.a: 1987-04-10 0h UT, 13h10m46.1351s
        // (also in soniakeys/meeus, sidereal/sidereal_test.go).
        QTest::newRow("Meeus 12.a") << qint64(545011200) << 0.0 << 47446.1351 << u"13:10:46"_s;
        // ERFA's t_erfa_c.c: eraGst06a at MJD 53736 (2006-01-01 0h) with UT1 = TT. TT really runs
        // 65 s ahead, which moves the answer by microseconds.
        QTest::newRow("ERFA t_gst06a") << qint64(1136073600) << 0.0
                                       << 1.754166137675019159 / (2 * M_PI) * day << u"06:42:01"_s;
        // The Astronomical Almanac for the Year 2017, GAST at 0h UT1 (as quoted in Stellarium's
        // src/tests/testSiderealTime.cpp).
        QTest::newRow("AA 2017-04-01") << qint64(1491004800) << 0.0 << 45490.5428 << u"12:38:10"_s;
        QTest::newRow("AA 2017-06-01") << qint64(1496275200) << 0.0 << 59920.3712 << u"16:38:40"_s;
        QTest::newRow("AA 2017-08-01") << qint64(1501545600) << 0.0 << 74350.2937 << u"20:39:10"_s;
        // The 2017-04-01 value plus 240 s per degree east, around the clock.
        const qint64 aa = 1491004800;
        QTest::newRow("122.5 W") << aa << -122.5 << 16090.5428 << u"04:28:10"_s;
        QTest::newRow("180 E wraps past 24h") << aa << 180.0 << 2290.5428 << u"00:38:10"_s;
        QTest::newRow("450 is 90 E") << aa << 450.0 << 67090.5428 << u"18:38:10"_s;
        QTest::newRow("half a second before 24h") << aa << 170.4539883333 << 86399.5 << u"23:59:59"_s;

        constexpr double none = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("NaN longitude") << aa << none << none << QString();
        QTest::newRow("year -7000, before ERFA's calendar") << qint64(-283060000000) << 0.0 << none << QString();
        QTest::newRow("last 64-bit second") << std::numeric_limits<qint64>::max() << 0.0 << none << QString();
    }

    void matchesReferencesOrGivesNone()
    {
        QFETCH(qint64, unixSeconds);
        QFETCH(double, longitude);
        QFETCH(double, expected);
        QFETCH(QString, text);

        const std::optional<double> seconds = Sidereal::seconds(unixSeconds, longitude);
        QCOMPARE(seconds.has_value(), !std::isnan(expected));
        QCOMPARE(Sidereal::local(unixSeconds, longitude), seconds ? std::optional(text) : std::nullopt);
        if (seconds)
            QVERIFY2(std::abs(*seconds - expected) < tolerance, qPrintable(QString::number(*seconds, 'f', 4)));
    }

    void advancesAtTheSiderealRate_data()
    {
        QTest::addColumn<qint64>("from");
        QTest::addColumn<qint64>("to");
        QTest::addColumn<double>("longitude");

        // ERFA's leap-second table runs out: from 2026-12-31 on it warns "dubious year".
        QTest::newRow("into the dubious years") << qint64(1798675199) << qint64(1798675200) << 0.0;
        QTest::newRow("1900, before UTC") << qint64(-2208988800) << qint64(-2208985200) << 0.0;
        // 2016-12-31 ended with a leap second. UT1 is taken as UTC, so the label, not the leap
        // second, counts; and noon of that day is noon, not half a second later.
        QTest::newRow("over the leap second") << qint64(1483228799) << qint64(1483228800) << 0.0;
        QTest::newRow("to noon of a leap-second day") << qint64(1483142400) << qint64(1483185600) << 0.0;
    }

    // Over an hour or less the equation of the equinoxes moves by well under a millisecond.
    void advancesAtTheSiderealRate()
    {
        QFETCH(qint64, from);
        QFETCH(qint64, to);
        QFETCH(double, longitude);

        const std::optional<double> before = Sidereal::seconds(from, longitude);
        const std::optional<double> after = Sidereal::seconds(to, longitude);
        QVERIFY(before && after);
        const double advance = std::fmod(*after - *before + day, day);
        QVERIFY2(std::abs(advance - static_cast<double>(to - from) * siderealRate) < tolerance,
                 qPrintable(QString::number(advance, 'f', 4)));
    }

    // Steps through every representable longitude near the one where local time wraps: the sum
    // of angles there lands a rounding error either side of 2π.
    void neverReachesTwentyFourHours()
    {
        const qint64 instant = 1491004800;
        double longitude = -*Sidereal::seconds(instant, 0) / 240;
        for (int i = 0; i < 2000; ++i)
            longitude = std::nextafter(longitude, -360.0);
        for (int i = 0; i < 4000; ++i, longitude = std::nextafter(longitude, 360.0)) {
            const double seconds = Sidereal::seconds(instant, longitude).value_or(-1);
            QVERIFY2(seconds >= 0 && seconds < day, qPrintable(QString::number(seconds, 'f', 12)));
            const QString text = Sidereal::local(instant, longitude).value_or(QString());
            QVERIFY2(text == u"23:59:59"_s || text == u"00:00:00"_s, qPrintable(text));
        }
    }
};

QTEST_GUILESS_MAIN(TestSidereal)
#include "tst_sidereal.moc"
