#include <Platform/TextField.h>

#include <QLineEdit>
#include <QTest>

#include <cfloat>
#include <limits>

using namespace Qt::StringLiterals;

class TestTextField : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void doubleValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("trailing junk")      << u"12abc"_s  << 12.0;
        QTest::newRow("leading white")      << u" \t7"_s   << 7.0;
        QTest::newRow("sign and exponent")  << u"-0.5e1"_s << -5.0;
        QTest::newRow("exponent without digits") << u"1e+"_s << 1.0;
        QTest::newRow("comma decimal")      << u"1,5"_s    << 1.0;
        QTest::newRow("space after sign")   << u"- 4"_s    << 0.0;
        QTest::newRow("hexadecimal")        << u"0x10"_s   << 0.0;
        QTest::newRow("overflow")           << u"-1e999"_s << 0.0;
        QTest::newRow("infinity")           << u"inf"_s    << 0.0;
        QTest::newRow("nan")                << u"nan"_s    << 0.0;
        QTest::newRow("arabic-indic digit") << u"\u0661"_s << 0.0;
    }

    void doubleValue()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        const double read = Platform::TextField::doubleValue(QLineEdit(text));
        QVERIFY2(read == expected, qPrintable(QString::number(read, 'g', 17)));
    }

    void integerValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("expected");
        constexpr qint64 max = std::numeric_limits<qint64>::max();
        constexpr qint64 min = std::numeric_limits<qint64>::min();
        QTest::newRow("fraction dropped") << u"80.5"_s                  << qint64(80);
        QTest::newRow("negative, junk")   << u"  -1x"_s                 << qint64(-1);
        QTest::newRow("hexadecimal")      << u"0x50"_s                  << qint64(0);
        QTest::newRow("largest")          << u"9223372036854775807"_s   << max;
        QTest::newRow("smallest")         << u"-9223372036854775808"_s  << min;
        QTest::newRow("one past largest") << u"9223372036854775808"_s   << max;
        QTest::newRow("twenty nines")     << u"-99999999999999999999"_s << min;
    }

    void integerValue()
    {
        QFETCH(QString, text);
        QFETCH(qint64, expected);
        QCOMPARE(Platform::TextField::integerValue(QLineEdit(text)), expected);
    }

    void setDoubleValueReadsBack_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");   // empty: any text that reads back
        QTest::newRow("small negative")  << -0.0005   << u"-0.0005"_s;
        QTest::newRow("arcsecond / 100") << 2.7e-6    << u"0.0000027"_s;
        QTest::newRow("whole")           << -180.0    << u"-180"_s;
        QTest::newRow("negative zero")   << -0.0      << u"0"_s;
        QTest::newRow("tiny")            << 1e-10     << u"1e-10"_s;
        QTest::newRow("largest")         << DBL_MAX   << QString();
        QTest::newRow("subnormal")       << 5e-324    << QString();
    }

    void setDoubleValueReadsBack()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QLineEdit field;
        Platform::TextField::setDoubleValue(field, value);
        if (!text.isEmpty())
            QCOMPARE(field.text(), text);
        QVERIFY2(Platform::TextField::doubleValue(field) == value, qPrintable(field.text()));
    }
};

QTEST_MAIN(TestTextField)
#include "tst_textfield.moc"
