#include <Extensions/DegreesText.h>

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

class TestDegreesText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void text_data();
    void text();
};

void TestDegreesText::text_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<bool>("decimal");
    QTest::addColumn<QString>("expected");

    constexpr double arcsec = 1.0 / 3600;
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();

    QTest::newRow("decimal")                 << 51.4769 << true << u"51.4769°"_s;
    QTest::newRow("decimal, small negative") << -0.0005 << true << u"-0.0005°"_s;
    QTest::newRow("decimal, west")           << -122.4194 << true << u"-122.4194°"_s;
    QTest::newRow("decimal, carries")        << 0.99999 << true << u"1.0000°"_s;
    QTest::newRow("decimal, -0 unsigned")    << -0.0 << true << u"0.0000°"_s;
    QTest::newRow("decimal, rounds to zero") << -0.00004 << true << u"0.0000°"_s;
    QTest::newRow("decimal, 180")            << 180.0 << true << u"180.0000°"_s;
    QTest::newRow("decimal, -180")           << -180.0 << true << u"-180.0000°"_s;
    QTest::newRow("decimal, -90")            << -90.0 << true << u"-90.0000°"_s;
    QTest::newRow("decimal, huge")           << 1e20 << true << u"100000000000000000000.0000°"_s;

    QTest::newRow("dms")                     << 51.4769 << false << u"51° 28′ 36.8″"_s;
    QTest::newRow("dms, zero")               << 0.0 << false << u"0° 00′ 00.0″"_s;
    QTest::newRow("dms, 90")                 << 90.0 << false << u"90° 00′ 00.0″"_s;
    QTest::newRow("dms, -180")               << -180.0 << false << u"-180° 00′ 00.0″"_s;
    QTest::newRow("dms, west, padded")       << -122.4194 << false << u"-122° 25′ 09.8″"_s;
    QTest::newRow("dms, 59.96″ carries")     << 59.96 * arcsec << false << u"0° 01′ 00.0″"_s;
    QTest::newRow("dms, 59′59.96″ carries")  << 10 + 59.0 / 60 + 59.96 * arcsec << false
                                             << u"11° 00′ 00.0″"_s;
    QTest::newRow("dms, 59.94″ stays")       << 59.94 * arcsec << false << u"0° 00′ 59.9″"_s;
    QTest::newRow("dms, sign under 1°")      << -1.8 * arcsec << false << u"-0° 00′ 01.8″"_s;
    QTest::newRow("dms, negative carries")   << -59.97 * arcsec << false << u"-0° 01′ 00.0″"_s;
    QTest::newRow("dms, rounds to zero")     << -0.03 * arcsec << false << u"0° 00′ 00.0″"_s;
    QTest::newRow("dms, huge")               << 1e20 << false << u"100000000000000000000° 00′ 00.0″"_s;

    QTest::newRow("NaN")                     << nan << true << QString();
    QTest::newRow("NaN, dms")                << nan << false << QString();
    QTest::newRow("+inf")                    << inf << true << QString();
    QTest::newRow("-inf, dms")               << -inf << false << QString();
}

void TestDegreesText::text()
{
    QFETCH(double, degrees);
    QFETCH(bool, decimal);
    QFETCH(QString, expected);
    QCOMPARE(Extensions::degreesText(degrees, decimal), expected);
}

QTEST_APPLESS_MAIN(TestDegreesText)
#include "tst_degreestext.moc"
