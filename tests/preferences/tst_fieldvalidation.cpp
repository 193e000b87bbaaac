#include "preferences/FieldValidation.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

enum Limits { Latitude, Longitude, Unbounded, Port, Int64 };

bool accepts(const QString &text, int limits)
{
    using namespace FieldLimits;
    constexpr qint64 min = std::numeric_limits<qint64>::min(), max = std::numeric_limits<qint64>::max();
    switch (limits) {
    case Latitude: return isValidDoubleEntry(text, latitudeMin, latitudeMax);
    case Longitude: return isValidDoubleEntry(text, longitudeMin, longitudeMax);
    case Unbounded: return isValidDoubleEntry(text, -qInf(), qInf());
    case Port: return isValidIntegerEntry(text, portMin, portMax);
    default: return isValidIntegerEntry(text, min, max);
    }
}

} // namespace

class TestFieldValidation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entry_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limits");
        QTest::addColumn<bool>("valid");
        const auto row = [](const char *name, const QString &text, Limits limits, bool valid) {
            QTest::newRow(name) << text << int(limits) << valid;
        };
        row("signed exponent", u"+1e1"_s, Latitude, true);
        row("antimeridian", u"180"_s, Longitude, true);
        row("underflow reads 0", u"1e-999"_s, Latitude, true);
        row("below -90", u"-91"_s, Latitude, false);
        row("exponent above 180", u"1.81e2"_s, Longitude, false);
        row("empty", QString(), Latitude, false);
        row("space after", u"12 "_s, Latitude, false);
        row("decimal comma", u"12,5"_s, Latitude, false);
        row("hex float", u"0x1p3"_s, Latitude, false);
        row("fullwidth digits", u"\uFF11\uFF12"_s, Latitude, false);
        for (const QString &text : {u"inf"_s, u"nan"_s, u"NAN(1)"_s, u"1e999"_s})
            QTest::addRow("%s", qPrintable(text)) << text << int(Unbounded) << false;
        for (const QChar space : u" \t\n\v\f\r\u00A0"_s)
            QTest::addRow("U+%04X before", space.unicode()) << QString(space) + u"12"_s << int(Latitude) << false;

        row("port +8079", u"+8079"_s, Port, true);
        row("highest port", u"65535"_s, Port, true);
        row("qint64 max", u"9223372036854775807"_s, Int64, true);
        row("port -1", u"-1"_s, Port, false);
        row("port 65536", u"65536"_s, Port, false);
        row("port 80.5", u"80.5"_s, Port, false);
        row("port 0x50", u"0x50"_s, Port, false);
        row("port space before", u" 80"_s, Port, false);
        row("qint64 max + 1", u"9223372036854775808"_s, Int64, false);
    }

    void entry()
    {
        QFETCH(QString, text);
        QFETCH(int, limits);
        QFETCH(bool, valid);
        QCOMPARE(accepts(text, limits), valid);
    }
};

QTEST_APPLESS_MAIN(TestFieldValidation)
#include "tst_fieldvalidation.moc"
