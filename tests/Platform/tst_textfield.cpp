#include <Platform/TextField.h>

#include <QLineEdit>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

class TestTextField : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The leading number, as C's strtod and strtoll in the C locale read it.
    void numericValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("asDouble");
        QTest::addColumn<qint64>("asInteger");
        constexpr qint64 max = std::numeric_limits<qint64>::max();
        constexpr qint64 min = std::numeric_limits<qint64>::min();
        QTest::newRow("leading white, junk") << u" \t-7x"_s  << -7.0 << qint64(-7);
        QTest::newRow("sign and exponent")   << u"-0.5e1"_s  << -5.0 << qint64(0);
        QTest::newRow("space after sign")    << u"- 4"_s     << 0.0  << qint64(0);
        QTest::newRow("hexadecimal")         << u"0x10"_s    << 0.0  << qint64(0);
        QTest::newRow("overflow")            << u"-1e999"_s  << 0.0  << qint64(-1);
        QTest::newRow("arabic-indic digit")  << u"\u0661"_s  << 0.0  << qint64(0);
        QTest::newRow("largest")  << u"9223372036854775807"_s  << 9223372036854775808.0 << max;
        QTest::newRow("one past largest") << u"9223372036854775808"_s << 9223372036854775808.0 << max;
        QTest::newRow("twenty nines") << u"-99999999999999999999"_s << -1e20 << min;
    }

    void numericValue()
    {
        QFETCH(QString, text);
        QFETCH(double, asDouble);
        QFETCH(qint64, asInteger);
        const QLineEdit field(text);
        const double read = Platform::TextField::doubleValue(field);
        QVERIFY2(read == asDouble, qPrintable(QString::number(read, 'g', 17)));
        QCOMPARE(Platform::TextField::integerValue(field), asInteger);
    }
};

QTEST_MAIN(TestTextField)
#include "tst_textfield.moc"
