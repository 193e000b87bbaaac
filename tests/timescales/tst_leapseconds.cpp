#include <timescales/ClockHealth.h>
#include <timescales/LeapSeconds.h>

#include <QCryptographicHash>
#include <QFile>
#include <QTest>

#include <erfa.h>
#include <erfaextra.h>
#include <sys/timex.h>

#include <cmath>
#include <limits>

using namespace std::chrono;
using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

namespace {

// tzdata 2025b's copy of the IERS list, unchanged.
QByteArray published()
{
    QFile file(QFINDTESTDATA("data/leap-seconds.list"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// data under "#$" and "#@" lines and signed as the IERS signs its list: SHA-1 over those two
// numbers and every data field, in file order, without whitespace or comments.
QByteArray signedList(const QByteArray &data, bool withExpiry = true)
{
    const QByteArray head = "#$\t3960835200\n"_ba + (withExpiry ? "#@\t3991593600\n"_ba : QByteArray());
    QByteArray fields = head;
    for (const QByteArray &line : data.split('\n'))
        fields += line.startsWith('#') ? QByteArray() : line.first(line.contains('#') ? line.indexOf('#') : line.size());
    fields.replace("#$", "").replace("#@", "").replace('\t', "").replace(' ', "").replace('\n', "");
    QByteArray words = QCryptographicHash::hash(fields, QCryptographicHash::Sha1).toHex();
    for (qsizetype at = 32; at > 0; at -= 8)
        words.insert(at, ' ');
    return head + data + "#h\t" + words + '\n';
}

QByteArray publishedData()
{
    QByteArray data;
    for (const QByteArray &line : published().split('\n'))
        data += line.startsWith('#') || line.isEmpty() ? QByteArray() : line + '\n';
    return data;
}

LeapSecondList parsed(const QByteArray &text)
{
    return std::get<LeapSecondList>(LeapSecondList::parse(text));
}

// The published entries and a leap second at the end of 2026 (4007750400 - 2208988800 s is
// 2027-01-01, worked by hand), to TAI - UTC = 38 s.
QByteArray with2027()
{
    return signedList(publishedData() + "4007750400\t38\t# 1 Jan 2027\n");
}

} // namespace

class TestLeapSeconds : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parse_data()
    {
        const QByteArray real = published();
        QByteArray padded = real + '#' + QByteArray(LeapSecondList::maximumSize - real.size() - 2, ' ') + '\n';
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("reason"); // empty: accepted
        QTest::addColumn<int>("entries");
        QTest::newRow("published")          << real << QString() << 28;
        QTest::newRow("published, CRLF")    << QByteArray(real).replace("\n", "\r\n") << QString() << 28;
        QTest::newRow("hash in capitals")   << QByteArray(real).replace("49db2447 571e5e1b", "49DB2447 571E5E1B") << QString() << 28;
        QTest::newRow("exactly 256 KiB")    << padded << QString() << 28;
        QTest::newRow("one byte more")      << padded + ' ' << u"larger than 256 KiB"_s << 0;
        QTest::newRow("hash digit changed") << QByteArray(real).replace("49db2447", "49db2448") << u"its hash does not match its contents"_s << 0;
        QTest::newRow("entry changed")      << QByteArray(real).replace("3692217600      37", "3692217600      35") << u"its hash does not match its contents"_s << 0;
        QTest::newRow("no hash")            << QByteArray(real).replace("#h\t", "# ") << u"it has no hash"_s << 0;
        QTest::newRow("no expiry")          << signedList("2272060800 10\n", false) << u"it has no expiry date"_s << 0;
        QTest::newRow("negative step")      << signedList("2272060800 10\n2287785600 9 # 1 Jul 1972\n") << QString() << 2;
        QTest::newRow("out of order")       << signedList("2272060800 10\n2303683200 11\n2287785600 12\n") << u"entries out of order at line 5"_s << 0;
        QTest::newRow("repeated date")      << signedList("2272060800 10\n2272060800 11\n") << u"entries out of order at line 4"_s << 0;
        QTest::newRow("two-second step")    << signedList("2272060800 10\n2287785600 12\n") << u"a step other than one second at line 4"_s << 0;
        QTest::newRow("not at 0h on the 1st") << signedList("2272060800 10\n2287785601 11\n") << u"an entry not at the start of a month at line 4"_s << 0;
        QTest::newRow("starts after 1972")  << signedList("2287785600 11\n") << u"the first entry, at line 3, is not TAI − UTC = 10 s from 1 January 1972"_s << 0;
        QTest::newRow("garbage")            << signedList("2272060800 10\nhello\n") << u"garbage at line 4"_s << 0;
        QTest::newRow("NUL in a number")    << signedList("2272060800\0 10\n"_ba) << u"garbage at line 3"_s << 0;
        QTest::newRow("sign on a number")   << signedList("2272060800 +10\n") << u"garbage at line 3"_s << 0;
        QTest::newRow("huge number")        << signedList("99999999999999999999 10\n") << u"garbage at line 3"_s << 0;
        QTest::newRow("only comments")      << "# nothing\n#\n"_ba << u"not a leap-second list"_s << 0;
    }
    void parse()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, reason);
        QFETCH(int, entries);
        const std::variant<LeapSecondList, QString> result = LeapSecondList::parse(text);
        const auto *list = std::get_if<LeapSecondList>(&result);
        QCOMPARE(list ? QString() : std::get<QString>(result), reason);
        QCOMPARE(list ? int(list->entries().size()) : 0, entries);
    }

    // "File expires on 28 June 2026"; 3960835200 - 2208988800 s is 2025-07-07, worked by hand.
    void publishedDates()
    {
        const LeapSecondList list = parsed(published());
        QCOMPARE(list.expires(), QDateTime(QDate(2026, 6, 28), QTime(0, 0), Qt::UTC));
        QCOMPARE(list.updated(), QDateTime(QDate(2025, 7, 7), QTime(0, 0), Qt::UTC));
        QCOMPARE(list.entries().back().ntpSeconds, 3692217600); // "1 Jan 2017"
        QCOMPARE(list.entries().back().taiMinusUtc, 37);
    }

    // ERFA's table (dat.c) holds 14 drifting rows before 1972, then the list's 28.
    void installing()
    {
        eraLEAPSECOND *rows = nullptr;
        QCOMPARE(installLeapSeconds(parsed(published())), 0);
        QCOMPARE(installLeapSeconds(parsed(with2027())), 1);
        QCOMPARE(installLeapSeconds(parsed(with2027())), 1); // replaces, not appends
        QCOMPARE(eraGetLeapSeconds(&rows), 43);
        double delta = 0;
        QVERIFY(eraDat(2027, 1, 1, 0, &delta) >= 0); // perhaps a "dubious year", still answered
        QCOMPARE(delta, 38.0);
        restoreBuiltInLeapSeconds();
        QCOMPARE(eraGetLeapSeconds(&rows), 42);
        // A list that puts 2017's leap second at 35 s disagrees with ERFA: nothing is added.
        const QByteArray data = publishedData().replace("37      #", "35      #") + "4007750400 36\n";
        QCOMPARE(installLeapSeconds(parsed(signedList(data))), 0);
        QCOMPARE(eraGetLeapSeconds(&rows), 42);
    }

    void taiMinusUtc_data()
    {
        constexpr double none = std::numeric_limits<double>::quiet_NaN();
        QTest::addColumn<qint64>("unixSeconds");
        QTest::addColumn<bool>("added"); // with2027() installed
        QTest::addColumn<double>("expected"); // NaN: no answer
        QTest::newRow("2016-12-31 23:59:59")     << qint64(1483228799)  << true  << 36.0;
        QTest::newRow("2017-01-01")              << qint64(1483228800)  << true  << 37.0;
        QTest::newRow("2026-12-31 23:59:59")     << qint64(1798761599)  << true  << 37.0;
        QTest::newRow("2027-01-01, added")       << qint64(1798761600)  << true  << 38.0;
        QTest::newRow("2027-01-01, built-in")    << qint64(1798761600)  << false << 37.0;
        // 3.5401300 + (MJD - 38761) x 0.001296 s, and 1.4178180 + (MJD - 37300) x 0.001296 s
        QTest::newRow("1965-01-01, drift")       << qint64(-157766400)  << true  << 3.5401300;
        QTest::newRow("1965-01-01 12h, drift")   << qint64(-157723200)  << true  << 3.5407780;
        QTest::newRow("1960-01-01, first row")   << qint64(-315619200)  << true  << 0.9434820;
        QTest::newRow("1959-12-31, before UTC")  << qint64(-315619201)  << true  << none;
        QTest::newRow("beyond ERFA's calendar")  << std::numeric_limits<qint64>::max() << true << none;
    }
    void taiMinusUtc()
    {
        QFETCH(qint64, unixSeconds);
        QFETCH(bool, added);
        QFETCH(double, expected);
        if (added)
            installLeapSeconds(parsed(with2027()));
        const std::optional<double> delta = ::taiMinusUtc(unixSeconds);
        restoreBuiltInLeapSeconds();
        QCOMPARE(delta.has_value(), !std::isnan(expected));
        if (delta)
            QVERIFY2(std::abs(*delta - expected) < 1e-9, qPrintable(QString::number(*delta, 'f', 9)));
    }

    void clockHealth_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("status");
        QTest::addColumn<long>("maxerror");  // µs
        QTest::addColumn<long>("esterror");  // µs
        QTest::addColumn<bool>("synchronised");
        QTest::addColumn<long>("estimated"); // µs; -1: none
        QTest::newRow("synced, estimate")    << TIME_OK    << (STA_PLL | STA_NANO) << 4200L << 120L << true << 120L;
        QTest::newRow("synced, no estimate") << TIME_OK    << STA_PLL << 4200L << 16000000L << true << -1L;
        QTest::newRow("leap second pending") << TIME_INS   << (STA_PLL | STA_INS) << 900L << 30L << true << 30L;
        QTest::newRow("STA_UNSYNC")          << TIME_OK    << STA_UNSYNC << 500L << 100L << false << -1L;
        QTest::newRow("TIME_ERROR, as here") << TIME_ERROR << STA_UNSYNC << 16000000L << 16000000L << false << -1L;
        QTest::newRow("TIME_ERROR only")     << TIME_ERROR << STA_PLL << 500L << 100L << false << -1L;
    }
    void clockHealth()
    {
        QFETCH(int, state);
        QFETCH(int, status);
        QFETCH(long, maxerror);
        QFETCH(long, esterror);
        QFETCH(bool, synchronised);
        QFETCH(long, estimated);
        timex kernel{};
        kernel.status = status;
        kernel.maxerror = maxerror;
        kernel.esterror = esterror;
        const ClockHealth expected{synchronised, microseconds(maxerror),
            estimated < 0 ? std::nullopt : std::optional(microseconds(estimated))};
        QVERIFY(clockHealthFrom(state, kernel) == expected);
    }

    void meaninglessDigits_data()
    {
        QTest::addColumn<qint64>("bound"); // µs
        QTest::addColumn<int>("digits");
        QTest::newRow("999 µs")    << qint64(999)           << 0;
        QTest::newRow("5 ms")      << qint64(5000)          << 0;
        QTest::newRow("10 ms: 1 ms is not under a tenth") << qint64(10000) << 0;
        QTest::newRow("10.001 ms") << qint64(10001)         << 1;
        QTest::newRow("12 ms")     << qint64(12000)         << 1;
        QTest::newRow("150 ms")    << qint64(150000)        << 2;
        QTest::newRow("16 s")      << qint64(16000000)      << 4;
        QTest::newRow("1000 s")    << qint64(1000000000)    << 5;
        QTest::newRow("negative")  << qint64(-16000000)     << 0;
    }
    void meaninglessDigits()
    {
        QFETCH(qint64, bound);
        QFETCH(int, digits);
        QCOMPARE(::meaninglessDigits(microseconds(bound)), digits);
    }
};

QTEST_GUILESS_MAIN(TestLeapSeconds)
#include "tst_leapseconds.moc"
