#include <sky/Night.h>

#include <QDateTime>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

// Where and when: a zone (an IANA name, or "+hh" for a fixed offset), the night's date and the site.
struct Site
{
    const char *zone;
    QDate date;
    double latitude, longitude;

    QTimeZone timeZone() const
    {
        return zone[0] == '+' || zone[0] == '-' ? QTimeZone(QByteArray(zone).toInt() * 3600) : QTimeZone(zone);
    }
    std::optional<Night> night() const { return nightOf(date, timeZone(), latitude, longitude, 0); }
};
Q_DECLARE_METATYPE(Site)
Q_DECLARE_METATYPE(NightEvent)
Q_DECLARE_METATYPE(Daylight)
Q_DECLARE_METATYPE(MoonPhase)

namespace {

SkyInstant utc(const QString &isoMinute)
{
    return SkyInstant(std::chrono::seconds(QDateTime::fromString(isoMinute + u'Z', Qt::ISODate).toSecsSinceEpoch()));
}

} // namespace

class TestNight : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The USNO's published times, rounded to the minute, UTC ("" when it does not happen that night).
    // Yearly "Rise and Set for the Sun/Moon" tables (aa.usno.navy.mil RS_OneYear, in UT), as kept in
    // Astronomy Engine's test data (github.com/cosinekitty/astronomy, generate/riseset/): sun 2019
    // at 60° N 0°, 60° S 150° W, 80° N 0°; moon 2019 at 29° N 81° W, 2050 at 45° S 150° E. "Sun and Moon
    // Data for One Day": Atlanta 33.8° N 84.4° W, 2009-09-06 EDT (quoted in PyEphem's rise-set
    // documentation); Birmingham AL 33°31.8′ N 86°48.6′ W, 2013-11-17/18 CST (quoted in the
    // usno-transit gem's documentation). Within 1 min, 3 min beyond ±60°.
    void events_data()
    {
        QTest::addColumn<Site>("site");
        QTest::addColumn<NightEvent>("event");
        QTest::addColumn<QString>("expected");
        using E = NightEvent;
        const Site north60{"+0", QDate(2019, 6, 21), 60, 0}, winter60{"+0", QDate(2019, 12, 21), 60, 0};
        const Site south60{"-10", QDate(2019, 6, 20), -60, -150}, north80{"+0", QDate(2019, 10, 10), 80, 0};
        const Site florida{"-5", QDate(2019, 1, 20), 29, -81}, noMoonrise{"-5", QDate(2019, 3, 14), 29, -81};
        const Site tasman{"+10", QDate(2050, 1, 9), -45, 150};
        const Site atlanta{"America/New_York", QDate(2009, 9, 6), 33.8, -84.4};
        const Site atlantaBefore{"America/New_York", QDate(2009, 9, 5), 33.8, -84.4};
        const Site birmingham{"America/Chicago", QDate(2013, 11, 17), 33.53, -86.81};
        QTest::newRow("60N midsummer set")     << north60 << E::sunset << u"2019-06-21T21:28"_s;
        QTest::newRow("60N midsummer rise")    << north60 << E::sunrise << u"2019-06-22T02:36"_s;
        QTest::newRow("60N midwinter set")     << winter60 << E::sunset << u"2019-12-21T14:54"_s;
        QTest::newRow("60S set")               << south60 << E::sunset << u"2019-06-21T00:58"_s;
        QTest::newRow("60S rise")              << south60 << E::sunrise << u"2019-06-21T19:06"_s;
        QTest::newRow("80N set")               << north80 << E::sunset << u"2019-10-10T15:25"_s;
        QTest::newRow("80N rise")              << north80 << E::sunrise << u"2019-10-11T08:16"_s;
        QTest::newRow("29N moonrise")          << florida << E::moonrise << u"2019-01-20T22:31"_s;
        QTest::newRow("29N moonset")           << florida << E::moonset << u"2019-01-21T12:39"_s;
        QTest::newRow("29N Moon does not rise") << noMoonrise << E::moonrise << QString();
        QTest::newRow("29N moonset, no rise")  << noMoonrise << E::moonset << u"2019-03-15T07:07"_s;
        QTest::newRow("45S moonrise, 2050")    << tasman << E::moonrise << u"2050-01-09T10:06"_s;
        QTest::newRow("45S moonset, 2050")     << tasman << E::moonset << u"2050-01-09T20:28"_s;
        QTest::newRow("Atlanta sunset")        << atlanta << E::sunset << u"2009-09-06T23:56"_s;
        QTest::newRow("Atlanta civil dusk")    << atlanta << E::civilDusk << u"2009-09-07T00:21"_s;
        QTest::newRow("Atlanta moonrise")      << atlanta << E::moonrise << u"2009-09-07T00:44"_s;
        QTest::newRow("Atlanta moonset")       << atlanta << E::moonset << u"2009-09-07T14:05"_s;
        QTest::newRow("Atlanta sunrise")       << atlantaBefore << E::sunrise << u"2009-09-06T11:15"_s;
        QTest::newRow("Birmingham sunset")     << birmingham << E::sunset << u"2013-11-17T22:43"_s;
        QTest::newRow("Birmingham civil dusk") << birmingham << E::civilDusk << u"2013-11-17T23:10"_s;
        QTest::newRow("Birmingham civil dawn") << birmingham << E::civilDawn << u"2013-11-18T11:55"_s;
        QTest::newRow("Birmingham sunrise")    << birmingham << E::sunrise << u"2013-11-18T12:22"_s;
    }

    void events()
    {
        QFETCH(Site, site);
        QFETCH(NightEvent, event);
        QFETCH(QString, expected);
        const std::optional<Night> night = site.night();
        QVERIFY(night);
        const std::optional<SkyInstant> &at = night->at(event);
        QCOMPARE(bool(at), !expected.isEmpty());
        if (!at)
            return;
        const auto error = *at - utc(expected);
        const auto tolerance = std::abs(site.latitude) > 60 ? 180s : 60s;
        QVERIFY2(std::chrono::abs(error) <= tolerance, qPrintable(u"%1 s off"_s.arg(error.count())));
        QVERIFY(*at >= night->start && *at < night->end);
    }

    // The day's range of light, worked by hand: at the poles the Sun's altitude is ± its declination
    // (23.4° at the June solstice); at 78.2° N on 21 December it culminates at 90° − 78.2° − 23.4° =
    // −11.7° (nautical twilight); at midsummer midnight it stands at −(90° − φ − 23.4°): −14.1° at
    // 52.5° N (astronomical twilight all night), −10.6° at 56° N (nautical twilight all night).
    void nights_data()
    {
        QTest::addColumn<Site>("site");
        QTest::addColumn<bool>("covered");
        QTest::addColumn<Daylight>("brightest");
        QTest::addColumn<Daylight>("darkest");
        using D = Daylight;
        const char *svalbard = "Arctic/Longyearbyen";
        QTest::newRow("June at 52.5N: no night")   << Site{"Europe/Berlin", QDate(2024, 6, 21), 52.5, 13.4} << true << D::day << D::astronomicalTwilight;
        QTest::newRow("June at 56N: nautical")     << Site{"Europe/London", QDate(2024, 6, 21), 56, -3.2} << true << D::day << D::nauticalTwilight;
        QTest::newRow("78N polar day")     << Site{svalbard, QDate(2024, 6, 21), 78.22, 15.65} << true << D::day << D::day;
        QTest::newRow("78N polar night")   << Site{svalbard, QDate(2024, 12, 21), 78.22, 15.65} << true << D::nauticalTwilight << D::night;
        QTest::newRow("North Pole, June")  << Site{"+0", QDate(2024, 6, 21), 90, 0} << true << D::day << D::day;
        QTest::newRow("South Pole, June")  << Site{"+0", QDate(2024, 6, 21), -90, 0} << true << D::night << D::night;
        QTest::newRow("first covered day") << Site{"+0", QDate(1900, 1, 1), 0, 0} << true << D::day << D::night;
        QTest::newRow("last covered day")  << Site{"+0", QDate(2100, 12, 31), 0, 0} << true << D::day << D::night;
        QTest::newRow("1899 not covered")  << Site{"+0", QDate(1899, 12, 31), 0, 0} << false << D::day << D::night;
        QTest::newRow("2101 not covered")  << Site{"+0", QDate(2101, 1, 1), 0, 0} << false << D::day << D::night;
        QTest::newRow("latitude past the pole") << Site{"+0", QDate(2024, 6, 21), 90.5, 0} << false << D::day << D::night;
    }

    void nights()
    {
        QFETCH(Site, site);
        QFETCH(bool, covered);
        QFETCH(Daylight, brightest);
        QFETCH(Daylight, darkest);
        const std::optional<Night> night = site.night();
        QCOMPARE(bool(night), covered);
        if (!night)
            return;
        QCOMPARE(night->brightest, brightest);
        QCOMPARE(night->darkest, darkest);
        if (darkest != Daylight::night)
            QVERIFY(night->dark.empty());
        QVERIFY(night->moonIllumination >= 0 && night->moonIllumination <= 1);
    }

    // Principal phases (USNO, "Phases of the Moon", UT): new 2024-04-08 18:21, first quarter
    // 04-15 19:13, full 06-22 01:08, last quarter 06-28 21:53; nights in UTC, so midnight is 0h
    // the next day. Meeus 48.a: k = 0.6786 on 1992-04-12 at 0h TD (within 1 %).
    void moon_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<MoonPhase>("phase");
        QTest::addColumn<double>("illumination"); // −1: not checked
        QTest::addColumn<double>("ageDays"); // −1: not checked
        using P = MoonPhase;
        QTest::newRow("Meeus 48.a")           << QDate(1992, 4, 11) << P::waxingGibbous << 0.6786 << -1.0;
        QTest::newRow("new 5.7 h before")     << QDate(2024, 4, 8) << P::newMoon << -1.0 << 5.65 / 24;
        QTest::newRow("waxing crescent")      << QDate(2024, 4, 10) << P::waxingCrescent << -1.0 << 1 + 29.65 / 24;
        QTest::newRow("first quarter")        << QDate(2024, 4, 15) << P::firstQuarter << -1.0 << -1.0;
        QTest::newRow("full 1.1 h after")     << QDate(2024, 6, 21) << P::full << -1.0 << -1.0;
        QTest::newRow("full 23 h before")     << QDate(2024, 6, 22) << P::waningGibbous << -1.0 << -1.0;
        QTest::newRow("full 25 h after")      << QDate(2024, 6, 20) << P::waxingGibbous << -1.0 << -1.0;
        QTest::newRow("last quarter")         << QDate(2024, 6, 28) << P::lastQuarter << -1.0 << -1.0;
        QTest::newRow("waning crescent")      << QDate(2024, 6, 30) << P::waningCrescent << -1.0 << -1.0;
    }

    void moon()
    {
        QFETCH(QDate, date);
        QFETCH(MoonPhase, phase);
        QFETCH(double, illumination);
        QFETCH(double, ageDays);
        const std::optional<Night> night = Site{"+0", date, 0, 0}.night();
        QVERIFY(night);
        QCOMPARE(night->moonPhase, phase);
        if (phase != MoonPhase::newMoon && phase != MoonPhase::firstQuarter && phase != MoonPhase::full && phase != MoonPhase::lastQuarter)
            QCOMPARE(night->moonWaxing, phase < MoonPhase::full);
        if (illumination >= 0)
            QVERIFY2(std::abs(night->moonIllumination - illumination) < 0.01, qPrintable(QString::number(night->moonIllumination)));
        if (ageDays >= 0)
            QVERIFY2(std::abs(night->moonAgeDays - ageDays) < 0.05, qPrintable(QString::number(night->moonAgeDays)));
    }

    // The dark hours are astronomical night with the Moon down: at 29° N on 2019-03-14 the Moon
    // sets (07:07 UT, USNO) between astronomical dusk and dawn, so darkness starts then.
    void darkStartsAtMoonset()
    {
        const std::optional<Night> night = Site{"-5", QDate(2019, 3, 14), 29, -81}.night();
        QVERIFY(night);
        QCOMPARE(night->dark.size(), 1u);
        QCOMPARE(night->dark.front(),
            (DarkInterval{*night->at(NightEvent::moonset), *night->at(NightEvent::astronomicalDawn)}));
    }

    // On the equator at an equinox the Sun's centre sinks straight down at 15.003°/h (the Earth
    // rotation angle's 360.986° a day less the Sun's 0.91° of right ascension), so each twilight
    // ends (h − 0.8333°) / 15.003°/h after sunset and begins as long before sunrise (by hand).
    void twilightAtTheEquator()
    {
        const std::optional<Night> night = Site{"+0", QDate(2024, 3, 20), 0, 0}.night();
        QVERIFY(night);
        const std::pair<NightEvent, NightEvent> twilights[]{{NightEvent::civilDusk, NightEvent::civilDawn},
            {NightEvent::nauticalDusk, NightEvent::nauticalDawn},
            {NightEvent::astronomicalDusk, NightEvent::astronomicalDawn}};
        for (int i = 0; i < 3; ++i) {
            const double expected = (6 * (i + 1) - 0.8333) / 15.003 * 3600;
            const auto dusk = *night->at(twilights[i].first) - *night->at(NightEvent::sunset);
            const auto dawn = *night->at(NightEvent::sunrise) - *night->at(twilights[i].second);
            QVERIFY2(std::abs(double(dusk.count()) - expected) < 20 && std::abs(double(dawn.count()) - expected) < 20,
                qPrintable(u"%1 s, %2 s, expected %3 s"_s.arg(dusk.count()).arg(dawn.count()).arg(expected)));
        }
    }

    // Noon to noon across the end of summer time in Berlin is 25 hours, and holds Sunday's dawn.
    // Across the date line the same instants at nearly the same place give the same sunset.
    void zones()
    {
        const std::optional<Night> autumn = Site{"Europe/Berlin", QDate(2024, 10, 26), 52.5, 13.4}.night();
        QVERIFY(autumn);
        QCOMPARE(autumn->end - autumn->start, 25h);
        QVERIFY(autumn->at(NightEvent::sunrise) && *autumn->at(NightEvent::sunrise) < autumn->end);
        const std::optional<Night> east = Site{"+12", QDate(2024, 3, 21), -17, 179.9}.night();
        const std::optional<Night> west = Site{"-12", QDate(2024, 3, 20), -17, -179.9}.night();
        QVERIFY(east && west && east->at(NightEvent::sunset) && west->at(NightEvent::sunset));
        QCOMPARE(east->start, west->start);
        QVERIFY(std::chrono::abs(*east->at(NightEvent::sunset) - *west->at(NightEvent::sunset)) < 60s);
    }

    // skyAt between the samples, against the definitions: at astronomical dusk the Sun's centre is at
    // −18°; at moonrise the Moon's upper limb is 34′ below the horizon seen from the site, so its
    // centre at −34′ − 0.2725 π (π from 0.9° to 1.0°: −0.81° to −0.84°).
    void skyAt_data()
    {
        QTest::addColumn<NightEvent>("event");
        QTest::addColumn<int>("offset"); // seconds after the event
        QTest::addColumn<Daylight>("partOfDay");
        QTest::addColumn<NightEvent>("next");
        QTest::addColumn<double>("sunAltitude"); // NaN: not checked
        QTest::addColumn<double>("moonAltitude");
        using E = NightEvent;
        using D = Daylight;
        const double no = qQNaN();
        QTest::newRow("a minute before sunset") << E::sunset << -60 << D::day << E::sunset << no << no;
        QTest::newRow("in civil twilight")      << E::civilDusk << -1 << D::civilTwilight << E::civilDusk << -6.0 << no;
        QTest::newRow("astronomical dusk")      << E::astronomicalDusk << 0 << D::night << E::astronomicalDawn << -18.0 << no;
        QTest::newRow("moonrise")               << E::moonrise << 0 << D::nauticalTwilight << E::nauticalDusk << no << -0.825;
    }

    void skyAt()
    {
        QFETCH(NightEvent, event);
        QFETCH(int, offset);
        QFETCH(Daylight, partOfDay);
        QFETCH(NightEvent, next);
        QFETCH(double, sunAltitude);
        QFETCH(double, moonAltitude);
        static const std::optional<Night> night = Site{"America/New_York", QDate(2009, 9, 6), 33.8, -84.4}.night();
        QVERIFY(night && night->at(event));
        const SkyNow now = ::skyAt(*night, *night->at(event) + std::chrono::seconds(offset));
        QCOMPARE(now.daylight, partOfDay);
        QCOMPARE(now.next, next);
        QCOMPARE(now.nextAt, *night->at(next));
        if (!std::isnan(sunAltitude))
            QVERIFY2(std::abs(now.sunAltitude - sunAltitude) < 0.01, qPrintable(QString::number(now.sunAltitude)));
        if (!std::isnan(moonAltitude))
            QVERIFY2(std::abs(now.moonAltitude - moonAltitude) < 0.02, qPrintable(QString::number(now.moonAltitude)));
    }
};

QTEST_GUILESS_MAIN(TestNight)
#include "tst_night.moc"
