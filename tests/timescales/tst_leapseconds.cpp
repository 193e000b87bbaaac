#include <timescales/ClockHealth.h>
#include <timescales/LeapSeconds.h>

#include <QCryptographicHash>
#include <QFile>
#include <QTest>

#include <erfaextra.h>
#include <sys/timex.h>

#include <limits>

using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

namespace {

// tzdata 2025b's copy of the IERS list, unchanged.
QByteArray published()
{
    QFile file(QFINDTESTDATA("data/leap-seconds.list"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The data lines of text under the published "#$" and "#@", signed as the IERS signs its list:
// SHA-1 over those two numbers and every data field, in order, without whitespace or comments.
QByteArray signedList(const QByteArray &text)
{
    QByteArray data, fields = "39608352003991593600";
    for (const QByteArray &line : text.split('\n')) {
        data += line.startsWith('#') || line.isEmpty() ? QByteArray() : line + '\n';
        if (!line.startsWith('#'))
            fields += line.first(line.contains('#') ? line.indexOf('#') : line.size()).simplified().replace(" ", "");
    }
    QByteArray words = QCryptographicHash::hash(fields, QCryptographicHash::Sha1).toHex();
    words.insert(32, ' ').insert(24, ' ').insert(16, ' ').insert(8, ' ');
    return "#$\t3960835200\n#@\t3991593600\n" + data + "#h\t" + words + '\n';
}

LeapSecondList parsed(const QByteArray &text)
{
    return std::get<LeapSecondList>(LeapSecondList::parse(text));
}

// The published entries and a leap second into 2027-01-01 (4007750400 - 2208988800 s, worked
// by hand), to TAI - UTC = 38 s.
QByteArray with2027()
{
    return signedList(published() + "4007750400\t38\t# 1 Jan 2027\n");
}

} // namespace

Q_DECLARE_METATYPE(timex)
Q_DECLARE_METATYPE(ClockHealth)

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
        QTest::newRow("published")          << real << QString();
        QTest::newRow("published, CRLF")    << QByteArray(real).replace("\n", "\r\n") << QString();
        QTest::newRow("one byte more")      << padded + ' ' << u"larger than 256 KiB"_s;
        QTest::newRow("entry changed")      << QByteArray(real).replace("3692217600      37", "3692217600      35") << u"its hash does not match its contents"_s;
        QTest::newRow("no hash")            << QByteArray(real).replace("#h\t", "# ") << u"it has no hash"_s;
        QTest::newRow("no expiry")          << QByteArray(real).replace("#@\t", "# ") << u"it has no expiry date"_s;
        QTest::newRow("negative step")      << signedList("2272060800 10\n2287785600 9 # 1 Jul 1972\n") << QString();
        QTest::newRow("out of order")       << signedList("2272060800 10\n2303683200 11\n2287785600 12\n") << u"entries out of order at line 5"_s;
        QTest::newRow("two-second step")    << signedList("2272060800 10\n2287785600 12\n") << u"a step other than one second at line 4"_s;
        QTest::newRow("not at 0h on the 1st") << signedList("2272060800 10\n2287785601 11\n") << u"an entry not at the start of a month at line 4"_s;
        QTest::newRow("starts after 1972")  << signedList("2287785600 11\n") << u"the first entry, at line 3, is not TAI − UTC = 10 s from 1 January 1972"_s;
        QTest::newRow("garbage")            << signedList("2272060800 10\nhello\n") << u"garbage at line 4"_s;
        QTest::newRow("huge number")        << signedList("99999999999999999999 10\n") << u"garbage at line 3"_s;
        QTest::newRow("only comments")      << "# nothing\n#\n"_ba << u"not a leap-second list"_s;
    }
    void parse()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, reason);
        const std::variant<LeapSecondList, QString> result = LeapSecondList::parse(text);
        QCOMPARE(std::holds_alternative<QString>(result) ? std::get<QString>(result) : QString(), reason);
    }

    // ERFA's table (dat.c) holds 14 drifting rows before 1972, then the list's 28.
    void installing()
    {
        eraLEAPSECOND *rows = nullptr;
        QCOMPARE(installLeapSeconds(parsed(::published())), 0);
        QCOMPARE(installLeapSeconds(parsed(with2027())), 1);
        QCOMPARE(installLeapSeconds(parsed(with2027())), 1); // replaces, not appends
        QCOMPARE(eraGetLeapSeconds(&rows), 43);
        restoreBuiltInLeapSeconds();
        QCOMPARE(eraGetLeapSeconds(&rows), 42);
        QCOMPARE(::taiMinusUtc(1798761600), 37.0); // 2027-01-01
    }

    // With with2027() installed. 3.5401300 + (MJD - 38761) x 0.001296 s and
    // 1.4178180 + (MJD - 37300) x 0.001296 s are ERFA's rows for 1965 and 1960.
    void taiMinusUtc_data()
    {
        QTest::addColumn<qint64>("unixSeconds");
        QTest::addColumn<double>("expected"); // NaN: no answer; compared to 1 part in 10^12
        QTest::newRow("2026-12-31 23:59:59")    << qint64(1798761599) << 37.0;
        QTest::newRow("2027-01-01, added")      << qint64(1798761600) << 38.0;
        QTest::newRow("1965-01-01, drift")      << qint64(-157766400) << 3.5401300;
        QTest::newRow("1960-01-01, first row")  << qint64(-315619200) << 0.9434820;
        QTest::newRow("1959-12-31, before UTC") << qint64(-315619201) << qQNaN();
        QTest::newRow("beyond ERFA's calendar") << std::numeric_limits<qint64>::max() << qQNaN();
    }
    void taiMinusUtc()
    {
        QFETCH(qint64, unixSeconds);
        QFETCH(double, expected);
        installLeapSeconds(parsed(with2027()));
        const std::optional<double> delta = ::taiMinusUtc(unixSeconds);
        restoreBuiltInLeapSeconds();
        QCOMPARE(delta.value_or(qQNaN()), expected);
    }

    void clockHealth_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<timex>("kernel"); // maxerror and esterror in µs
        QTest::addColumn<ClockHealth>("expected");
        const auto kernel = [](int status, long maxerror, long esterror) {
            timex t{}; t.status = status; t.maxerror = maxerror; t.esterror = esterror; return t; };
        QTest::newRow("synced, estimate")    << TIME_OK    << kernel(STA_PLL | STA_NANO, 4200, 120) << ClockHealth{true, 4200us, 120us};
        QTest::newRow("synced, no estimate") << TIME_OK    << kernel(STA_PLL, 4200, 16000000) << ClockHealth{true, 4200us, {}};
        QTest::newRow("leap second pending") << TIME_INS   << kernel(STA_PLL | STA_INS, 900, 30) << ClockHealth{true, 900us, 30us};
        QTest::newRow("STA_UNSYNC")          << TIME_OK    << kernel(STA_UNSYNC, 500, 100) << ClockHealth{false, 500us, {}};
        QTest::newRow("TIME_ERROR alone")    << TIME_ERROR << kernel(STA_PLL, 16000000, 16000000) << ClockHealth{false, 16s, {}};
    }
    void clockHealth()
    {
        QFETCH(int, state);
        QFETCH(timex, kernel);
        QFETCH(ClockHealth, expected);
        QVERIFY(clockHealthFrom(state, kernel) == expected);
    }

    void meaninglessDigits_data()
    {
        QTest::addColumn<qint64>("bound"); // µs
        QTest::addColumn<int>("digits");
        QTest::newRow("10 ms: 1 ms is not under a tenth") << qint64(10000) << 0;
        QTest::newRow("12 ms")     << qint64(12000)      << 1;
        QTest::newRow("150 ms")    << qint64(150000)     << 2;
        QTest::newRow("16 s")      << qint64(16000000)   << 4;
        QTest::newRow("1000 s")    << qint64(1000000000) << 5;
    }
    void meaninglessDigits()
    {
        QFETCH(qint64, bound);
        QFETCH(int, digits);
        QCOMPARE(::meaninglessDigits(std::chrono::microseconds(bound)), digits);
    }
};

QTEST_GUILESS_MAIN(TestLeapSeconds)
#include "tst_leapseconds.moc"
