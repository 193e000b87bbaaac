#include "digital/IsoTime.h"
#include "engine/CivilTime.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono;

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

    QTest::newRow("+13:00 next day") << qint64(1796503001123) << 46800 << u"2026-12-06T09:36:41.123+13:00"_s;
    QTest::newRow("-03:30") << qint64(1796503001123) << -12600 << u"2026-12-05T17:06:41.123-03:30"_s;
    QTest::newRow("-00:30 keeps its sign") << qint64(1796503001123) << -1800 << u"2026-12-05T20:06:41.123-00:30"_s;
    QTest::newRow("offset with seconds") << qint64(1796503001123) << 5025 << u"2026-12-05T22:00:26.123+01:23:45"_s;
    QTest::newRow("ms padded") << qint64(1710979199007) << 0 << u"2024-03-20T23:59:59.007Z"_s;
    QTest::newRow("ms truncated, not rounded") << qint64(1710979199999) << 0 << u"2024-03-20T23:59:59.999Z"_s;
    QTest::newRow("leap day") << qint64(1709251199500) << 0 << u"2024-02-29T23:59:59.500Z"_s;
    QTest::newRow("before 1970") << qint64(-1) << 0 << u"1969-12-31T23:59:59.999Z"_s;
    QTest::newRow("beyond 2038") << qint64(4102444800000) << 0 << u"2100-01-01T00:00:00.000Z"_s;
}

void TestIsoTime::formatsWithOffset()
{
    QFETCH(qint64, msecs);
    QFETCH(int, offset);
    QFETCH(QString, expected);
    QCOMPARE(isoText(system_clock::time_point(milliseconds(msecs)), offset), expected);
}

// The system zone is read afresh for every instant: daylight-saving changes and a change of
// zone while running must both show at once.
void TestIsoTime::localTextInZone_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<qint64>("msecs");
    QTest::addColumn<QString>("expected");

    QTest::newRow("London winter is Z") << "Europe/London"_ba << qint64(1796503001123) << u"2026-12-05T20:36:41.123Z"_s;
    // Berlin springs forward at 2026-03-29 01:00 UTC and falls back at 2026-10-25 01:00 UTC.
    QTest::newRow("Berlin last winter ms") << "Europe/Berlin"_ba << qint64(1774745999999) << u"2026-03-29T01:59:59.999+01:00"_s;
    QTest::newRow("Berlin first summer ms") << "Europe/Berlin"_ba << qint64(1774746000000) << u"2026-03-29T03:00:00.000+02:00"_s;
    QTest::newRow("Berlin first winter ms") << "Europe/Berlin"_ba << qint64(1792890000000) << u"2026-10-25T02:00:00.000+01:00"_s;
    QTest::newRow("Monrovia mean time") << "Africa/Monrovia"_ba << qint64(0) << u"1969-12-31T23:15:30.000-00:44:30"_s;
    QTest::newRow("posix zone") << "XYZ-4:15"_ba << qint64(0) << u"1970-01-01T04:15:00.000+04:15"_s;
}

void TestIsoTime::localTextInZone()
{
    QFETCH(QByteArray, zone);
    QFETCH(qint64, msecs);
    QFETCH(QString, expected);

    const QByteArray previous = qgetenv("TZ");
    qputenv("TZ", zone);
    const system_clock::time_point instant{milliseconds(msecs)};
    const QString text = isoText(instant, localUtcOffsetSeconds(instant));
    qputenv("TZ", previous);
    QCOMPARE(text, expected);
}

QTEST_GUILESS_MAIN(TestIsoTime)
#include "tst_isotime.moc"
