#include "digital/IsoTime.h"
#include "engine/CivilTime.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono;

namespace {
system_clock::time_point fromMsecs(qint64 msecs)
{
    return system_clock::time_point(milliseconds(msecs));
}
} // namespace

class TestIsoTime : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatsWithOffset_data();
    void formatsWithOffset();
    void localTextInZone_data();
    void localTextInZone();
};

void TestIsoTime::formatsWithOffset_data()
{
    QTest::addColumn<qint64>("msecs");   // since the Unix epoch
    QTest::addColumn<int>("offset");     // seconds east of UTC
    QTest::addColumn<QString>("expected");

    QTest::newRow("utc") << qint64(1796503001123) << 0 << u"2026-12-05T20:36:41.123Z"_s;
    QTest::newRow("+13:00 next day") << qint64(1796503001123) << 46800 << u"2026-12-06T09:36:41.123+13:00"_s;
    QTest::newRow("+05:30") << qint64(1796503001123) << 19800 << u"2026-12-06T02:06:41.123+05:30"_s;
    QTest::newRow("-03:30") << qint64(1796503001123) << -12600 << u"2026-12-05T17:06:41.123-03:30"_s;
    QTest::newRow("-00:30 keeps its sign") << qint64(1796503001123) << -1800 << u"2026-12-05T20:06:41.123-00:30"_s;
    QTest::newRow("ms padded") << qint64(1710979199007) << 0 << u"2024-03-20T23:59:59.007Z"_s;
    QTest::newRow("ms truncated, not rounded") << qint64(1710979199999) << 0 << u"2024-03-20T23:59:59.999Z"_s;
    QTest::newRow("+13:45") << qint64(1704067200000) << 49500 << u"2024-01-01T13:45:00.000+13:45"_s;
    QTest::newRow("leap day") << qint64(1709251199500) << 0 << u"2024-02-29T23:59:59.500Z"_s;
    QTest::newRow("west across new year") << qint64(1767225600000) << -3600 << u"2025-12-31T23:00:00.000-01:00"_s;
    QTest::newRow("epoch") << qint64(0) << 0 << u"1970-01-01T00:00:00.000Z"_s;
    QTest::newRow("before 1970") << qint64(-1) << 0 << u"1969-12-31T23:59:59.999Z"_s;
    QTest::newRow("beyond 2038") << qint64(4102444800000) << 0 << u"2100-01-01T00:00:00.000Z"_s;
}

void TestIsoTime::formatsWithOffset()
{
    QFETCH(qint64, msecs);
    QFETCH(int, offset);
    QFETCH(QString, expected);
    QCOMPARE(isoText(fromMsecs(msecs), offset), expected);
}

// The system zone is read afresh for every instant: daylight-saving changes and a change of
// zone while running must both show at once.
void TestIsoTime::localTextInZone_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<qint64>("msecs");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Auckland summer") << "Pacific/Auckland"_ba << qint64(1796503001123) << u"2026-12-06T09:36:41.123+13:00"_s;
    QTest::newRow("Kolkata") << "Asia/Kolkata"_ba << qint64(1796503001123) << u"2026-12-06T02:06:41.123+05:30"_s;
    QTest::newRow("St John's winter") << "America/St_Johns"_ba << qint64(1796503001123) << u"2026-12-05T17:06:41.123-03:30"_s;
    QTest::newRow("London winter is Z") << "Europe/London"_ba << qint64(1796503001123) << u"2026-12-05T20:36:41.123Z"_s;
    QTest::newRow("London summer") << "Europe/London"_ba << qint64(1784000000000) << u"2026-07-14T04:33:20.000+01:00"_s;
    // Berlin springs forward at 2026-03-29 01:00 UTC and falls back at 2026-10-25 01:00 UTC.
    QTest::newRow("Berlin last winter ms") << "Europe/Berlin"_ba << qint64(1774745999999) << u"2026-03-29T01:59:59.999+01:00"_s;
    QTest::newRow("Berlin first summer ms") << "Europe/Berlin"_ba << qint64(1774746000000) << u"2026-03-29T03:00:00.000+02:00"_s;
    QTest::newRow("Berlin last summer ms") << "Europe/Berlin"_ba << qint64(1792890000000 - 1) << u"2026-10-25T02:59:59.999+02:00"_s;
    QTest::newRow("Berlin first winter ms") << "Europe/Berlin"_ba << qint64(1792890000000) << u"2026-10-25T02:00:00.000+01:00"_s;
    // Sydney falls back at 2026-04-05 03:00 local (16:00 UTC the day before).
    QTest::newRow("Sydney before fall back") << "Australia/Sydney"_ba << qint64(1775318399000) << u"2026-04-05T02:59:59.000+11:00"_s;
    QTest::newRow("Sydney after fall back") << "Australia/Sydney"_ba << qint64(1775318400000) << u"2026-04-05T02:00:00.000+10:00"_s;
    QTest::newRow("posix zone") << "XYZ-4:15"_ba << qint64(0) << u"1970-01-01T04:15:00.000+04:15"_s;
}

void TestIsoTime::localTextInZone()
{
    QFETCH(QByteArray, zone);
    QFETCH(qint64, msecs);
    QFETCH(QString, expected);

    const QByteArray previous = qgetenv("TZ");
    qputenv("TZ", zone);
    const QString text = isoText(fromMsecs(msecs), localUtcOffsetSeconds(fromMsecs(msecs)));
    qputenv("TZ", previous);
    QCOMPARE(text, expected);
}

QTEST_GUILESS_MAIN(TestIsoTime)
#include "tst_isotime.moc"
