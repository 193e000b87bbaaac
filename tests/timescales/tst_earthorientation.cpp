#include "timescales/EarthOrientation.h"

#include <QFile>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

// Excerpts of published files, their columns untouched (data/):
//   bulletina-xxxvii-015.txt  IERS Bulletin A of 11 April 2024, Vol. XXXVII No. 015
//   finals2000A-2016-12.txt   finals2000A.all around the leap second of 31 December 2016
//   finals2000A-2018-11.txt   the end of finals2000A.all of late 2018, where UT1 − UTC stops
static QByteArray excerpt(const char *name)
{
    QFile file(QFINDTESTDATA(u"data/"_s + QLatin1StringView(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

static QByteArray edited(QByteArray text, const QByteArray &from, const QByteArray &to)
{
    return text.replace(from, to);
}

// The lines of text, some dropped or cut short (to a column), joined again.
static QByteArray lines(const QByteArray &text, QList<int> drop, int cut = 0, int column = 0)
{
    QList<QByteArray> all = text.split('\n');
    if (cut > 0)
        all[cut - 1].truncate(column);
    for (qsizetype i = drop.size() - 1; i >= 0; --i)
        all.removeAt(drop[i] - 1);
    return all.join('\n');
}

class TestEarthOrientation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void values_data();
    void values();
    void refusals_data();
    void refusals();
};

// quality -1: no value. accuracy -1: none given.
void TestEarthOrientation::values_data()
{
    const QByteArray bulletin = excerpt("bulletina-xxxvii-015.txt");
    const QByteArray leap = excerpt("finals2000A-2016-12.txt");
    const QByteArray end = excerpt("finals2000A-2018-11.txt");
    const QByteArray crlf = edited(bulletin, "\n", "\r\n");
    const QByteArray noAccuracy = edited(bulletin, "S t = 0.00025 (MJD-60411)**0.75", "");
    // A prediction for the last observed day, as a bulletin may repeat it.
    const QByteArray overlap = edited(bulletin, "       2024  4 12", "       2024  4 11  60411      -0.0080      0.3626     -0.01700\n       2024  4 12");
    constexpr int observed = int(Ut1Quality::observed), predicted = int(Ut1Quality::predicted);
    constexpr int extrapolated = int(Ut1Quality::extrapolated), stale = int(Ut1Quality::stale);

    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("mjd");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<int>("quality");
    QTest::addColumn<double>("accuracy");
    // Interpolated by hand between the published rows.
    QTest::newRow("finals row")              << leap << 57752.0 << -0.4069259  << observed << -1.0;
    QTest::newRow("finals midpoint")         << leap << 57752.5 << -0.40734725 << observed << -1.0;
    QTest::newRow("before the first row")    << leap << 57750.9 << 0.0         << -1       << -1.0;
    // 2017-01-01 is 0.5912757 s, one leap second above the run of 2016-12-31 (−0.4077686 s).
    QTest::newRow("leap second day, noon")   << leap << 57753.5 << -0.40824645 << observed << -1.0;
    QTest::newRow("its last minute")         << leap << 57753.0 + 1439.0 / 1440 << -0.4087236363 << observed << -1.0;
    QTest::newRow("the new year's midnight") << leap << 57754.0 << 0.5912757   << observed << -1.0;
    QTest::newRow("last finals row")         << leap << 57756.0 << 0.5889361   << observed << -1.0;
    QTest::newRow("bulletin observed")       << bulletin << 60410.0  << -0.017470   << observed  << -1.0;
    QTest::newRow("CRLF lines")              << crlf     << 60410.0  << -0.017470   << observed  << -1.0;
    QTest::newRow("into the predictions")    << bulletin << 60411.25 << -0.01787875 << predicted << -1.0;
    QTest::newRow("between predictions")     << bulletin << 60413.5  << -0.017535   << predicted << -1.0;
    QTest::newRow("overlap: observed wins")  << overlap  << 60411.0  << -0.017865   << observed  << -1.0;
    // UT1 − UTC = 0.0186 + 0.00008 (MJD − 60419) − (UT2 − UT1), S = 0.00025 (MJD − 60411)^0.75:
    // at 60419, T = 2024.29886 and UT2 − UT1 = 0.0223335; at 60424.5, T = 2024.31392, 0.0243975;
    // at 60780, a year past the table, where it stops, T = 2025.28725, 0.0206430.
    QTest::newRow("extrapolated")            << bulletin << 60419.0 << -0.0037334565 << extrapolated << 0.0011892071;
    QTest::newRow("extrapolated, half day")  << bulletin << 60424.5 << -0.0053575193 << extrapolated << 0.0017607202;
    QTest::newRow("stale past a year")       << bulletin << 60814.0 << 0.0268370065 << stale << -1.0;
    QTest::newRow("no accuracy formula")     << noAccuracy << 60419.0 << -0.0037334565 << extrapolated << -1.0;
    // Rows without UT1 − UTC after 58446 end the table; its last value is held.
    QTest::newRow("finals predictions")      << end << 58445.5 << -0.1157305 << predicted << -1.0;
    QTest::newRow("held for 30 days")        << end << 58476.0 << -0.1164909 << predicted << -1.0;
    QTest::newRow("stale after 30 days")     << end << 58476.5 << -0.1164909 << stale     << -1.0;
}

void TestEarthOrientation::values()
{
    QFETCH(QByteArray, text);
    QFETCH(double, mjd);
    QFETCH(double, seconds);
    QFETCH(int, quality);
    QFETCH(double, accuracy);
    const auto parsed = EarthOrientation::parse(text);
    const QString *reason = std::get_if<QString>(&parsed);
    QVERIFY2(!reason, reason ? qPrintable(*reason) : "");
    const std::optional<Ut1Estimate> at = std::get<EarthOrientation>(parsed).at(mjd);
    QCOMPARE(at.has_value(), quality >= 0);
    if (!at)
        return;
    QVERIFY2(std::abs(at->seconds - seconds) < 1e-9, qPrintable(QString::number(at->seconds, 'g', 12)));
    QCOMPARE(int(at->quality), quality);
    QCOMPARE(at->accuracy.has_value(), accuracy >= 0);
    if (at->accuracy)
        QVERIFY2(std::abs(*at->accuracy - accuracy) < 1e-9, qPrintable(QString::number(*at->accuracy, 'g', 12)));
}

void TestEarthOrientation::refusals_data()
{
    const QByteArray bulletin = excerpt("bulletina-xxxvii-015.txt");
    const QByteArray leap = excerpt("finals2000A-2016-12.txt");
    const QByteArray end = excerpt("finals2000A-2018-11.txt");
    const QByteArray row57752 = leap.split('\n')[1];

    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty")              << QByteArray() << u"not an IERS Bulletin A or finals file"_s;
    QTest::newRow("prose")              << "Hello,\nworld\n"_ba << u"not an IERS Bulletin A or finals file"_s;
    QTest::newRow("binary")             << QByteArray("\0\xff\x80\n\0", 5) << u"not an IERS Bulletin A or finals file"_s;
    QTest::newRow("oversize")           << QByteArray(EarthOrientation::maximumSize + 1, ' ') << u"larger than 16 MiB"_s;
    QTest::newRow("finals cut in UT1")  << lines(leap, {}, 6, 64) << u"truncated at line 6"_s;
    QTest::newRow("finals row cut")     << lines(leap, {}, 3, 40) << u"truncated at line 3"_s;
    QTest::newRow("finals cut in date") << lines(leap, {}, 6, 9) << u"truncated at line 6"_s;
    QTest::newRow("UT1 after its end")  << end + row57752 << u"truncated at line 4"_s;
    QTest::newRow("bulletin row cut")   << edited(bulletin, " -0.017470 0.000010", "") << u"truncated at line 16"_s;
    QTest::newRow("no predictions")     << bulletin.left(bulletin.indexOf("PREDICTIONS:")) << u"truncated at line 21"_s;
    QTest::newRow("predictions cut")    << bulletin.left(bulletin.indexOf("      These")) << u"truncated at line 38"_s;
    QTest::newRow("bad number")         << edited(leap, "I-0.4077686", "I-0.40x7686") << u"unreadable row at line 3"_s;
    QTest::newRow("out of order")       << row57752 + '\n' + lines(leap, {2}) << u"rows out of order at MJD 57751"_s;
    QTest::newRow("repeated day")       << edited(leap, row57752, row57752 + '\n' + row57752) << u"rows out of order at MJD 57752"_s;
    QTest::newRow("day missing")        << lines(leap, {3}) << u"a day is missing after MJD 57752"_s;
    QTest::newRow("absurd value")       << edited(leap, "I-0.4077686", "I 1.2000000") << u"UT1 − UTC of 1.2000 s at MJD 57753 is beyond ±0.9 s"_s;
    QTest::newRow("no leap, a jump")    << edited(leap, "I-0.4077686", "I-0.2077686") << u"UT1 − UTC jumps by 0.1992 s at MJD 57753"_s;
    QTest::newRow("MJD not its date")   << edited(leap, "161231 57753", "161230 57753") << u"MJD 57753 does not match its date"_s;
    QTest::newRow("bulletin MJD wrong") << edited(bulletin, "24  4 10  60410", "24  4 10  60401") << u"MJD 60401 does not match its date"_s;
}

void TestEarthOrientation::refusals()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, reason);
    const auto parsed = EarthOrientation::parse(text);
    QVERIFY(std::holds_alternative<QString>(parsed));
    QCOMPARE(std::get<QString>(parsed), reason);
}

QTEST_GUILESS_MAIN(TestEarthOrientation)
#include "tst_earthorientation.moc"
