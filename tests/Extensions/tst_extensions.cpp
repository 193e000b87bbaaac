#include <Extensions/ButtonValue.h>
#include <Extensions/DegreesText.h>

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

class TestExtensions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void degreesText_data()
    {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<bool>("decimal");
        QTest::addColumn<QString>("expected");

        constexpr double arcsec = 1.0 / 3600;
        QTest::newRow("decimal")              << 51.4769 << true << u"51.4769°"_s;
        QTest::newRow("zero has no sign")     << -0.00004 << true << u"0.0000°"_s;
        QTest::newRow("dms, west, padded")    << -122.4194 << false << u"-122° 25′ 09.8″"_s;
        QTest::newRow("59′ 59.96″ carries")   << 10 + 59.0 / 60 + 59.96 * arcsec << false << u"11° 00′ 00.0″"_s;
        QTest::newRow("sign under 1°")        << -1.8 * arcsec << false << u"-0° 00′ 01.8″"_s;
        QTest::newRow("huge, no overflow")    << 1e20 << false << u"100000000000000000000° 00′ 00.0″"_s;
        QTest::newRow("-inf")                 << -std::numeric_limits<double>::infinity() << false << QString();
    }

    void degreesText()
    {
        QFETCH(double, degrees);
        QFETCH(bool, decimal);
        QFETCH(QString, expected);
        QCOMPARE(Extensions::degreesText(degrees, decimal), expected);
    }

    // Only a full tick reads as on; the checked button of an exclusive set can be switched off.
    void buttonValues()
    {
        QCheckBox box;
        box.setTristate(true);
        box.setCheckState(Qt::PartiallyChecked);
        QVERIFY(!Extensions::boolValue(box));
        Extensions::setBoolValue(box, true);
        QCOMPARE(box.checkState(), Qt::Checked);
        QRadioButton radio;   // auto-exclusive, as Qt makes it
        radio.setChecked(true);
        Extensions::setBoolValue(radio, false);
        QVERIFY(!Extensions::boolValue(radio) && radio.autoExclusive());
    }
};

QTEST_MAIN(TestExtensions)
#include "tst_extensions.moc"
