#include "timescales/TimeSources.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace std::chrono;

namespace {
// Noon UTC of a day given as a modified Julian date.
system_clock::time_point noonOf(int mjd) { return system_clock::time_point(seconds((mjd - 40587) * 86400LL + 43200)); }

struct Folders
{
    Folders() { QDir(root.path()).mkpath(u"user"_s); QDir(root.path()).mkpath(u"shared"_s); }
    QString user() const { return root.filePath(u"user"_s); }
    QString shared() const { return root.filePath(u"shared"_s); }
    static void copy(const QString &data, const QString &to) { QVERIFY(QFile::copy(QFINDTESTDATA(u"data/"_s + data), to)); }
    static void write(const QString &path, const QByteArray &bytes) { QFile f(path); QVERIFY(f.open(QIODevice::WriteOnly)); f.write(bytes); }
    TimeSources sources(const QString &leapList = u"/nonexistent/leap-seconds.list"_s) const
    { return TimeSources({user(), {shared()}, leapList}, [] { return std::optional(ClockHealth{true, 5ms, {}}); }); }
    QTemporaryDir root;
};
} // namespace

class TestTimeSources : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each instant takes the file that covers it; past both by years, a DUT1 typed since wins;
    // before either, with nothing typed, UT1 is taken as UTC. Noon of 2016-12-31 lies halfway
    // between -0.4077686 s and the next day's 0.5912757 s less its leap second.
    void choosesTheBestSource()
    {
        Folders folders;
        folders.copy(u"finals2000A-2016-12.txt"_s, folders.user() + u"/finals.daily"_s);
        folders.copy(u"finals2000A-2018-11.txt"_s, folders.shared() + u"/finals2000A.data"_s);
        TimeSources sources = folders.sources();
        const Ut1Source leapDay = sources.factsAt(noonOf(57753)).ut1;
        QCOMPARE(leapDay.fileName, u"finals.daily"_s);
        QVERIFY(std::abs(leapDay.estimate.seconds - (-0.4077686 - 0.4087243) / 2) < 1e-9);
        QCOMPARE(sources.factsAt(noonOf(58446)).ut1.fileName, u"finals2000A.data"_s);
        QCOMPARE(sources.factsAt(noonOf(50000)).ut1.origin, Ut1Source::Origin::assumed);
        sources.setTypedDut1(TypedDut1{-0.1, QDate(2024, 5, 1)});
        const Ut1Source later = sources.factsAt(noonOf(60500)).ut1;
        QVERIFY(later.origin == Ut1Source::Origin::typed && later.estimate.seconds == -0.1);
    }

    // A refused import and a file that turns to garbage both leave the good table in use,
    // untouched on disk, and say why on the details row.
    void badDataKeepsTheGood()
    {
        Folders folders;
        const QString kept = folders.user() + u"/finals.daily"_s;
        folders.copy(u"finals2000A-2016-12.txt"_s, kept);
        const QByteArray before = [&] { QFile f(kept); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        TimeSources sources = folders.sources();
        QVERIFY(::mkfifo(qPrintable(folders.root.filePath(u"pipe"_s)), 0600) == 0); // the file dialog offers named pipes too
        QCOMPARE(sources.importEarthOrientation(folders.root.filePath(u"pipe"_s)), u"pipe was not imported: not a regular file"_s);
        folders.write(folders.shared() + u"/finals.daily"_s, "garbage\n");
        const std::optional<QString> refused = sources.importEarthOrientation(folders.shared() + u"/finals.daily"_s);
        QVERIFY(refused && refused->startsWith(u"finals.daily was not imported: "_s));
        QCOMPARE(sources.factsAt(noonOf(57753)).ut1.problem, *refused);
        QFile file(kept);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        file.close();
        folders.write(kept, before.left(200)); // cut mid-row
        sources.rescan();
        const Ut1Source held = sources.factsAt(noonOf(57753)).ut1;
        QVERIFY2(held.origin == Ut1Source::Origin::file && held.problem.startsWith(u"finals.daily set aside: "_s), qPrintable(held.problem));
        // The shared folders also hold the program's resources: those are not complaints.
        folders.write(folders.shared() + u"/donation.rtf"_s, "{\\rtf1 thanks}");
        sources.rescan();
        QVERIFY(!sources.factsAt(noonOf(57753)).ut1.problem.contains(u"donation"_s));
    }

    // Watched: a folder made after start, a table rewritten in place (cp and curl -o keep the
    // file), and strays told as one. Noon of MJD 58445 lies halfway between -0.1149701 s and -0.1164909 s.
    void followsTheFolders()
    {
        Folders folders;
        const QString later = folders.root.filePath(u"later/horavane"_s), daily = later + u"/finals.daily"_s;
        TimeSources sources({later, {}, u"/nonexistent/leap-seconds.list"_s}, [] { return std::nullopt; });
        QVERIFY(QDir().mkpath(later));
        folders.copy(u"finals2000A-2016-12.txt"_s, daily);
        QTRY_COMPARE(sources.factsAt(noonOf(57753)).ut1.fileName, u"finals.daily"_s);
        QFile in(QFINDTESTDATA(u"data/finals2000A-2018-11.txt"_s));
        QVERIFY(in.open(QIODevice::ReadOnly));
        folders.write(daily, in.readAll());
        QTRY_VERIFY(std::abs(sources.factsAt(noonOf(58445)).ut1.estimate.seconds - -0.1157305) < 1e-9);
        for (const QString &name : {u"a"_s, u"b"_s, u"c"_s})
            folders.write(later + u'/' + name, "stray\n");
        QTRY_COMPARE(sources.factsAt(noonOf(58445)).ut1.problem,
            u"3 files in %1 set aside (a: not an IERS Bulletin A or finals file)"_s.arg(later));
    }

    // tzdata's list of 2025 expired on 2026-06-28: it is set aside and says so; a missing one too.
    void leapSecondListOutOfDate()
    {
        Folders folders;
        const LeapSecondState expired = folders.sources(QFINDTESTDATA(u"data/leap-seconds.list"_s)).factsAt(noonOf(61000)).leapSeconds;
        QVERIFY(!expired.validUntil);
        QCOMPARE(expired.problem, u"The system's leap-second list expired on 2026-06-28"_s);
        QVERIFY(folders.sources().factsAt(noonOf(61000)).leapSeconds.problem.startsWith(u"leap-seconds.list set aside: "_s));
    }
};

QTEST_MAIN(TestTimeSources)
#include "tst_timesources.moc"
