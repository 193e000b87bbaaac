#include <Extensions/DegreesText.h>

#include <QTest>

using namespace Qt::StringLiterals;

class TestExtensions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Plain readings, west and padded too, are checked as the digital window shows them.
    void degreesText_data()
    {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<bool>("decimal");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero has no sign") << -0.00004 << true << u"0.0000°"_s;
        QTest::newRow("59′ 59.96″ carries") << 10 + 59.0 / 60 + 59.96 / 3600 << false << u"11° 00′ 00.0″"_s;
        QTest::newRow("huge, no overflow") << 1e20 << false << u"100000000000000000000° 00′ 00.0″"_s;
    }

    void degreesText()
    {
        QFETCH(double, degrees);
        QFETCH(bool, decimal);
        QFETCH(QString, expected);
        QCOMPARE(Extensions::degreesText(degrees, decimal), expected);
    }
};

QTEST_GUILESS_MAIN(TestExtensions)
#include "tst_extensions.moc"
