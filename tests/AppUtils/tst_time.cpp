#include "FakeClock.h"

#include <AppUtils/MasterTimer.h>
#include <AppUtils/Repeater.h>
#include <AppUtils/Sidereal.h>

#include <QTest>

#include <erfa.h>

#include <cmath>
#include <limits>
#include <memory>

using AppUtils::Repeater;
using AppUtils::Sidereal;
using namespace std::chrono;
using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

namespace {

constexpr double daySeconds = 86400;
// The references are for an instant in UT1, which the function takes UTC as. Most give 0.1 ms;
// Meeus rounds his nutation and lands a few ms off.
constexpr double tolerance = 0.01;   // seconds
constexpr qint64 aa = 1491004800;    // 2017-04-01 0h UT1

// A master timer on a fake clock, started; times are milliseconds since the epoch.
struct Rig {
    explicit Rig(qint64 startMs) : clock(system_clock::time_point(milliseconds(startMs))) { timer.start(); }
    qint64 armed() const { return timer.armedAim() ? timer.armedAim()->time_since_epoch() / 1ms : -1; }
    void wakeAt(qint64 ms) { clock.set(system_clock::time_point(milliseconds(ms))); timer.wake(); }
    FakeClock clock;
    AppUtils::MasterTimer timer{clock};
};

} // namespace

// The time services: sidereal time, and the repeaters that tick on the second.
class TestTime : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matchesReferencesOrGivesNone_data()
    {
        QTest::addColumn<qint64>("unixSeconds");
        QTest::addColumn<double>("longitude");   // degrees east
        QTest::addColumn<double>("expected");    // seconds since sidereal midnight; NaN: none
        QTest::addColumn<QString>("text");
        // Meeus, Astronomical Algorithms, 2nd ed., example 12.a: 1987-04-10 0h UT, 13h10m46.1351s.
        QTest::newRow("Meeus 12.a") << qint64(545011200) << 0.0 << 47446.1351 << u"13:10:46"_s;
        // ERFA's t_erfa_c.c: eraGst06a at MJD 53736 with UT1 = TT (TT's 65 s lead moves it by µs).
        QTest::newRow("ERFA t_gst06a") << qint64(1136073600) << 0.0 << 1.754166137675019159 / (2 * M_PI) * daySeconds << u"06:42:01"_s;
        // The Astronomical Almanac for 2017, GAST at 0h UT1; then plus 240 s per degree east.
        QTest::newRow("AA 2017-04-01") << aa << 0.0 << 45490.5428 << u"12:38:10"_s;
        QTest::newRow("180 E wraps past 24h") << aa << 180.0 << 2290.5428 << u"00:38:10"_s;
        QTest::newRow("450 is 90 E") << aa << 450.0 << 67090.5428 << u"18:38:10"_s;
        QTest::newRow("half a second before 24h") << aa << 170.4539883333 << 86399.5 << u"23:59:59"_s;
        constexpr double none = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("NaN longitude") << aa << none << none << QString();
        QTest::newRow("year -7000, before ERFA's calendar") << qint64(-283060000000) << 0.0 << none << QString();
    }

    void matchesReferencesOrGivesNone()
    {
        QFETCH(qint64, unixSeconds);
        QFETCH(double, longitude);
        QFETCH(double, expected);
        QFETCH(QString, text);
        const std::optional<double> seconds = Sidereal::seconds(unixSeconds, longitude);
        QCOMPARE(Sidereal::local(unixSeconds, longitude), seconds ? std::optional(text) : std::nullopt);
        QCOMPARE(seconds.has_value(), !std::isnan(expected));
        if (seconds)
            QVERIFY2(std::abs(*seconds - expected) < tolerance, qPrintable(QString::number(*seconds, 'f', 4)));
    }

    // At 1.002737909350795 mean sidereal seconds per UT1 second (IERS Conventions 2010, ch. 5);
    // over an hour or less the equation of the equinoxes moves by well under a millisecond.
    void advancesAtTheSiderealRate()
    {
        const std::pair<qint64, qint64> spans[] = {
            {1798675199, 1798675200},   // into 2027, past ERFA's leap-second table ("dubious year")
            {1483228799, 1483228800},   // over the leap second ending 2016: the label counts, not the leap
            {1483142400, 1483185600},   // to noon of that day, which is noon, not half a second later
        };
        for (const auto &[from, to] : spans) {
            const double advance = std::fmod(Sidereal::seconds(to, 0).value_or(NAN) - Sidereal::seconds(from, 0).value_or(NAN) + daySeconds, daySeconds);
            QVERIFY2(std::abs(advance - double(to - from) * 1.002737909350795) < tolerance, qPrintable(QString::number(from)));
        }
    }

    // Every representable longitude near where local time wraps: the sum of angles there lands
    // a rounding error either side of 2π.
    void neverReachesTwentyFourHours()
    {
        double longitude = -*Sidereal::seconds(aa, 0) / 240;
        for (int i = 0; i < 2000; ++i)
            longitude = std::nextafter(longitude, -360.0);
        for (int i = 0; i < 4000; ++i, longitude = std::nextafter(longitude, 360.0)) {
            const double seconds = Sidereal::seconds(aa, longitude).value_or(-1);
            QVERIFY2(seconds >= 0 && seconds < daySeconds, qPrintable(QString::number(seconds, 'f', 12)));
            const QString text = Sidereal::local(aa, longitude).value_or(QString());
            QVERIFY2(text == u"23:59:59"_s || text == u"00:00:00"_s, qPrintable(text));
        }
    }

    // Second after second through a day ending with a leap second, when the equation of the
    // equinoxes moves up to 3 µs a minute, the clock keeps within 1 µs of eraGmst06 and
    // eraGst06a given the same UT1 (that day's DUT1 in IERS Bulletin A, +0.6 s). That costs tens
    // of µs a second: checked every 7th second (each second of the minute in turn) and at :59 to :01.
    void siderealClockFollowsTheFullSeries()
    {
        AppUtils::SiderealClock clock;
        constexpr double dut1 = 0.6;
        for (int s = 0; s < 86400; ++s) {
            const auto greenwich = clock.at(1483142400 + s, dut1);   // 2016-12-31
            if (s % 7 != 0 && (s + 1) % 60 > 2)
                continue;
            QVERIFY(greenwich);
            double utc1 = 0, utc2 = 0, tai1 = 0, tai2 = 0, tt1 = 0, tt2 = 0, ut11 = 0, ut12 = 0;
            eraDtf2d("UTC", 2016, 12, 31, s / 3600, s / 60 % 60, s % 60, &utc1, &utc2);
            eraUtctai(utc1, utc2, &tai1, &tai2);
            eraTaitt(tai1, tai2, &tt1, &tt2);
            eraUtcut1(utc1, utc2, dut1, &ut11, &ut12);
            const double mean = eraGmst06(ut11, ut12, tt1, tt2) / (2 * M_PI) * daySeconds;
            const double apparent = eraGst06a(ut11, ut12, tt1, tt2) / (2 * M_PI) * daySeconds;
            QVERIFY2(std::abs(std::remainder(greenwich->mean - mean, daySeconds)) < 1e-6, qPrintable(QString::number(s)));
            QVERIFY2(std::abs(std::remainder(greenwich->apparent - apparent, daySeconds)) < 1e-6, qPrintable(QString::number(s)));
        }
    }

    // Each second once: not early, not twice, handed the instant it woke at; the clock set back
    // 0.3 s brings the next flip of the new time, never again the second just shown.
    void deliversEachSecondOnce()
    {
        Rig rig(250);
        QList<qint64> delivered;
        Repeater repeater(rig.timer);
        repeater.start(1s, [&](system_clock::time_point now) { delivered.append(now.time_since_epoch() / 1ms); });
        for (const qint64 wake : {999, 1000, 1700, 700, 1000, 2010})
            rig.wakeAt(wake);
        QCOMPARE(delivered, (QList<qint64>{1000, 2010}));
        QCOMPARE(rig.armed(), 3000);
    }

    // From 250 ms to 2 s, a handler restarts its own repeater at 500 ms (two intervals then share
    // the one alarm) and another destroys its own; each touches its captures after that.
    void survivesWhatHandlersDo()
    {
        Rig rig(250);
        int firstFired = 0, secondFired = 0;
        Repeater first(rig.timer);
        auto second = std::make_unique<Repeater>(rig.timer);
        first.start(1s, [&](system_clock::time_point) {
            if (firstFired == 0)
                first.start(500ms, [&](system_clock::time_point) { ++firstFired; });
            ++firstFired;
        });
        second->start(1s, [&](system_clock::time_point) {
            second.reset();
            ++secondFired;
        });
        while (rig.armed() != -1 && rig.armed() <= 2000)
            rig.wakeAt(rig.armed());
        QCOMPARE(firstFired, 3);   // at 1000, 1500, 2000
        QCOMPARE(secondFired, 1);
    }
};

QTEST_GUILESS_MAIN(TestTime)
#include "tst_time.moc"
