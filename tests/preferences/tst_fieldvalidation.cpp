#include "preferences/FieldValidation.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The entries the latitude, longitude and port fields accept, one row per way to be wrong.
class TestFieldValidation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void doubleEntry_data();
    void doubleEntry();
    void integerEntry_data();
    void integerEntry();
};

void TestFieldValidation::doubleEntry_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<bool>("valid");

    using namespace FieldLimits;
    const double latMin = latitudeMin, latMax = latitudeMax;
    const double lonMin = longitudeMin, lonMax = longitudeMax;
    QTest::newRow("45.5") << u"45.5"_s << latMin << latMax << true;
    QTest::newRow("-33") << u"-33"_s << latMin << latMax << true;
    QTest::newRow("exponent 1e1") << u"1e1"_s << latMin << latMax << true;
    QTest::newRow("plus sign") << u"+12"_s << latMin << latMax << true;
    QTest::newRow("exponent reaching the limit") << u"0.9e+2"_s << latMin << latMax << true;
    QTest::newRow("north pole") << u"90"_s << latMin << latMax << true;
    QTest::newRow("antimeridian east") << u"180"_s << lonMin << lonMax << true;
    QTest::newRow("too small for a double reads 0") << u"1e-999"_s << latMin << latMax << true;

    QTest::newRow("below -90") << u"-91"_s << latMin << latMax << false;
    QTest::newRow("above 90") << u"90.0001"_s << latMin << latMax << false;
    QTest::newRow("below -180") << u"-180.5"_s << lonMin << lonMax << false;
    QTest::newRow("above 180") << u"1.81e2"_s << lonMin << lonMax << false;
    QTest::newRow("letters") << u"abc"_s << latMin << latMax << false;
    QTest::newRow("empty") << QString() << latMin << latMax << false;
    QTest::newRow("two signs") << u"+-1"_s << latMin << latMax << false;
    QTest::newRow("exponent without digits") << u"1e"_s << latMin << latMax << false;
    QTest::newRow("space before") << u" 12"_s << latMin << latMax << false;
    QTest::newRow("space after") << u"12 "_s << latMin << latMax << false;
    QTest::newRow("tab before") << u"\t12"_s << latMin << latMax << false;
    QTest::newRow("line feed before") << u"\n12"_s << latMin << latMax << false;
    QTest::newRow("vertical tab before") << u"\v12"_s << latMin << latMax << false;
    QTest::newRow("form feed before") << u"\f12"_s << latMin << latMax << false;
    QTest::newRow("carriage return before") << u"\r12"_s << latMin << latMax << false;
    QTest::newRow("no-break space before") << u"\u00A012"_s << latMin << latMax << false;
    QTest::newRow("decimal comma") << u"12,5"_s << latMin << latMax << false;
    QTest::newRow("degree sign") << u"12°"_s << latMin << latMax << false;
    QTest::newRow("hexadecimal float") << u"0x1p3"_s << latMin << latMax << false;
    QTest::newRow("inf") << u"inf"_s << -qInf() << qInf() << false;
    QTest::newRow("nan") << u"nan"_s << -qInf() << qInf() << false;
    QTest::newRow("NAN(1)") << u"NAN(1)"_s << -qInf() << qInf() << false;
    QTest::newRow("overflow to infinity") << u"1e999"_s << -qInf() << qInf() << false;
    QTest::newRow("fullwidth digits") << u"\uFF11\uFF12"_s << latMin << latMax << false;
}

void TestFieldValidation::doubleEntry()
{
    QFETCH(QString, text);
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(bool, valid);
    QCOMPARE(isValidDoubleEntry(text, lower, upper), valid);
}

void TestFieldValidation::integerEntry_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("lower");
    QTest::addColumn<qint64>("upper");
    QTest::addColumn<bool>("valid");

    using namespace FieldLimits;
    constexpr qint64 min = std::numeric_limits<qint64>::min();
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    QTest::newRow("8079") << u"8079"_s << portMin << portMax << true;
    QTest::newRow("plus sign") << u"+8079"_s << portMin << portMax << true;
    QTest::newRow("highest port") << u"65535"_s << portMin << portMax << true;
    QTest::newRow("qint64 max") << u"9223372036854775807"_s << min << max << true;
    QTest::newRow("qint64 min") << u"-9223372036854775808"_s << min << max << true;

    QTest::newRow("below 0") << u"-1"_s << portMin << portMax << false;
    QTest::newRow("above 65535") << u"65536"_s << portMin << portMax << false;
    QTest::newRow("decimal point") << u"80.5"_s << portMin << portMax << false;
    QTest::newRow("hexadecimal") << u"0x50"_s << portMin << portMax << false;
    QTest::newRow("empty") << QString() << portMin << portMax << false;
    QTest::newRow("space before") << u" 80"_s << portMin << portMax << false;
    QTest::newRow("space after") << u"80 "_s << portMin << portMax << false;
    QTest::newRow("space after sign") << u"+ 80"_s << portMin << portMax << false;
    QTest::newRow("twenty nines") << u"99999999999999999999"_s << min << max << false;
    QTest::newRow("qint64 max + 1") << u"9223372036854775808"_s << min << max << false;
}

void TestFieldValidation::integerEntry()
{
    QFETCH(QString, text);
    QFETCH(qint64, lower);
    QFETCH(qint64, upper);
    QFETCH(bool, valid);
    QCOMPARE(isValidIntegerEntry(text, lower, upper), valid);
}

QTEST_APPLESS_MAIN(TestFieldValidation)
#include "tst_fieldvalidation.moc"
