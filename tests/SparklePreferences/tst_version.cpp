#include <SparklePreferences/Version.h>

#include <QTest>

using namespace Qt::StringLiterals;
using SparklePreferences::compareVersions;

class TestVersion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void compare_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("expected");   // sign of a - b

        QTest::newRow("numbers, not text") << u"1.10.0"_s << u"1.9.3"_s << 1;
        QTest::newRow("missing part is zero") << u"1.0"_s << u"1.0.0"_s << 0;
        QTest::newRow("leading zeros") << u"01.002"_s << u"1.2"_s << 0;
        QTest::newRow("beyond 64 bits") << u"18446744073709551617"_s << u"18446744073709551616"_s << 1;
        QTest::newRow("pre-release first") << u"2.0b1"_s << u"2.0"_s << -1;
        QTest::newRow("release candidate after beta") << u"2.0rc1"_s << u"2.0b2"_s << 1;
        QTest::newRow("case and separators") << u"1.0-Beta_2"_s << u"1.0 beta.2"_s << 0;
        QTest::newRow("leading v") << u"v1.2"_s << u"1.2"_s << 0;
        QTest::newRow("empty is lowest") << u""_s << u"0.0.1"_s << -1;
        QTest::newRow("word below number") << u"abc"_s << u"1"_s << -1;
        QTest::newRow("non-ASCII digits are no number") << u"\u0663"_s << u"2"_s << -1;
    }

    void compare()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, expected);
        const auto sign = [](std::weak_ordering o) { return o < 0 ? -1 : o > 0 ? 1 : 0; };
        QCOMPARE(sign(compareVersions(a, b)), expected);
        QCOMPARE(sign(compareVersions(b, a)), -expected);   // the order must not depend on the side
    }
};

QTEST_APPLESS_MAIN(TestVersion)
#include "tst_version.moc"
