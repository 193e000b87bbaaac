#include "sky/Site.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(SiteLineProblem)
Q_DECLARE_METATYPE(Daylight)

namespace {
const QString pachon = u"-30.2407\t-70.7366\t2715\tAmerica/Santiago\tCerro Pachón"_s;
}

class TestSites : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // One stored line each: a site, or the reason it holds none, with the line kept as it was.
    void storedLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("problem"); // -1: a site
        QTest::newRow("site") << pachon << -1;
        QTest::newRow("garbage") << u"\x01\x02 not a site at all"_s << int(SiteLineProblem::fields);
        QTest::newRow("latitude 91") << u"91\t0\t0\tUTC\tPole"_s << int(SiteLineProblem::latitude);
        QTest::newRow("longitude 181") << u"0\t181\t0\tUTC\tSea"_s << int(SiteLineProblem::longitude);
        QTest::newRow("elevation nan") << u"0\t0\tnan\tUTC\tSea"_s << int(SiteLineProblem::elevation);
        QTest::newRow("zone not on this system") << u"18.4\t77.5\t0\tMars/Olympus_Mons\tMars"_s << int(SiteLineProblem::zone);
        QTest::newRow("no name") << u"0\t0\t0\tUTC\t  "_s << int(SiteLineProblem::name);
    }
    void storedLine()
    {
        QFETCH(QString, line);
        QFETCH(int, problem);
        const SiteListRead read = siteListFromText(QString(line + u"\n\n"_s));
        QCOMPARE(read.lines.size(), std::size_t(1));
        if (problem < 0)
            QVERIFY(read.lines.front() == SiteLine(Site{u"Cerro Pachón"_s, -30.2407, -70.7366, 2715, "America/Santiago"}));
        else
            QVERIFY(read.lines.front() == SiteLine(UnreadSiteLine{line, SiteLineProblem(problem)}));
        QCOMPARE(siteListText(read.lines), line + u'\n'); // written back whole
    }

    // A huge hand-edited list: 20 sites are followed, the 21st waits, and reading stops at the
    // last whole line within the length the settings keep.
    void hugeList()
    {
        QString text;
        for (int i = 0; i < 100; ++i)
            text += pachon + u'\n';
        const SiteListRead read = siteListFromText(text);
        const qsizetype lineLength = pachon.size() + 1;
        QCOMPARE(qsizetype(read.lines.size()), 4000 / lineLength);
        QCOMPARE(read.leftOut, text.size() - qsizetype(read.lines.size()) * lineLength);
        QCOMPARE(sitesAmong(read.lines).size(), std::size_t(20));
        QVERIFY(std::get<UnreadSiteLine>(read.lines[20]).problem == SiteLineProblem::tooMany);
    }

    // Each site at one instant: its civil clock and offset from the zone's known rules, its LST
    // from a Greenwich apparent sidereal time ERFA gives (eraGst06a, 2000-01-01T12:00Z: 67309.697 s)
    // plus the longitude by hand, and the part of its day from the Sun there.
    void siteClock_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<qint64>("instant");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("clock"); // local second of the day
        QTest::addColumn<double>("lst");
        QTest::addColumn<Daylight>("daylight");
        // 2026-12-07T21:10:30Z; Chile keeps summer time (UTC−3) in December.
        QTest::newRow("Pachón, summer evening") << "America/Santiago"_ba << -30.2407 << -70.7366 << qint64(1796677830)
                                                << -3 * 3600 << 18 * 3600 + 630 << 50332.913 << Daylight::day;
        // Hawaii keeps no summer time; 11:10 in the morning.
        QTest::newRow("Mauna Kea, morning") << "Pacific/Honolulu"_ba << 19.8207 << -155.4681 << qint64(1796677830)
                                            << -10 * 3600 << 11 * 3600 + 630 << 29997.353 << Daylight::day;
        // Sydney at UTC+11 in December: 08:10:30 of the next day.
        QTest::newRow("Siding Spring, next day") << "Australia/Sydney"_ba << -31.2733 << 149.0617 << qint64(1796677830)
                                                 << 11 * 3600 << 8 * 3600 + 630 << 16684.505 << Daylight::day;
        // 2026-12-07T23:00Z is midnight in Madrid in winter (UTC+1).
        QTest::newRow("Calar Alto, winter midnight") << "Europe/Madrid"_ba << 37.2236 << -2.5463 << qint64(1796684400)
                                                     << 3600 << 0 << 66698.585 << Daylight::night;
    }
    void siteClock()
    {
        QFETCH(QByteArray, zone);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(qint64, instant);
        SiteClock clock;
        clock.setSites({Site{u"site"_s, latitude, longitude, 0, zone}});
        const std::vector<SiteReading> readings = clock.at(instant, 67309.697, 0);
        QCOMPARE(readings.size(), std::size_t(1));
        const SiteReading &now = readings.front();
        QTEST(now.utcOffsetSeconds, "offset");
        QTEST(now.localSecondOfDay, "clock");
        QFETCH(double, lst);
        QVERIFY2(now.siderealSeconds && std::abs(*now.siderealSeconds - lst) < 1e-3,
            qPrintable(QString::number(now.siderealSeconds.value_or(-1), 'f', 3)));
        QVERIFY(now.daylight);
        QTEST(*now.daylight, "daylight");
    }

    // One clock asked second after second across Spain's change to summer time (the EU's rule:
    // 2026-03-29T01:00Z), then stepped back across it, as the system clock may be.
    void offsetAcrossAChangeOfClocks()
    {
        constexpr qint64 change = 1774746000;
        SiteClock clock;
        clock.setSites({Site{u"Calar Alto"_s, 37.2236, -2.5463, 0, "Europe/Madrid"_ba}});
        const std::pair<qint64, int> steps[]{{change - 2, 3600}, {change - 1, 3600}, {change, 7200}, {change + 1, 7200},
            {change - 1, 3600}};
        for (const auto &[instant, offset] : steps)
            QCOMPARE(clock.at(instant, std::nullopt, 0).front().utcOffsetSeconds, offset);
    }
};

QTEST_GUILESS_MAIN(TestSites)
#include "tst_sites.moc"
