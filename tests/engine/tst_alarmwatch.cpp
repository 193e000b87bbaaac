// The alarms ring at the second flip they name, from readings built by hand: a sidereal clock
// that shows 01:00:00.3 at 2026-12-09T20:00:00Z (21:00 in Berlin) and gains 1.00273790935 s a
// second; M42 at right ascension 0, so its hour angle is that clock; tonight's events as
// instants; Berlin's changes of clock worked out by hand (2026-03-29 and 2026-10-25, 01:00 UTC).

#include "engine/AlarmWatch.h"
#include "engine/ClockUpdate.h"
#include "engine/WindowRegistry.h"

#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numbers>

using namespace std::chrono;
using namespace Qt::StringLiterals;

namespace {

constexpr qint64 evening = 1796846400; // 2026-12-09T20:00:00Z
constexpr qint64 springForward = 1774746000; // 2026-03-29T01:00:00Z: 02:00 CET becomes 03:00 CEST
constexpr qint64 autumnBack = 1792888200; // 2026-10-25T00:30:00Z: 02:30 CEST, an hour before 02:00 CET

std::shared_ptr<const Night> nightWith(qint64 noon, qint64 dusk, std::vector<DarkInterval> dark)
{
    auto night = std::make_shared<Night>();
    night->start = SkyInstant(seconds(noon));
    night->end = night->start + 24h;
    night->events[std::size_t(NightEvent::astronomicalDusk)] = SkyInstant(seconds(dusk));
    night->dark = std::move(dark);
    return night;
}

// The reading at a tick written "<seconds after the row's base><flags>": u unsynchronised,
// g the GPS 0.6 s off, s UT1 from a stale file, n no position, z the system zone New York's.
ClockReading readingAt(qint64 base, QStringView tick)
{
    qsizetype digits = 0;
    while (digits < tick.size() && (tick[digits] == u'-' || tick[digits].isDigit()))
        ++digits;
    const QStringView flags = tick.sliced(digits);
    const qint64 second = base + tick.first(digits).toLongLong();
    ClockReading reading;
    reading.instant = system_clock::time_point(seconds(second)) + 250ms;
    qputenv("TZ", flags.contains(u'z') ? "America/New_York" : "Europe/Berlin");
    tzset();
    const std::time_t t = second;
    std::tm local{};
    localtime_r(&t, &local);
    reading.utcOffsetSeconds = int(local.tm_gmtoff);
    reading.time.clock = ClockHealth{!flags.contains(u'u'), {}, {}};
    if (flags.contains(u'g'))
        reading.gps = GpsState{GpsState::Fix::threeD, {}, {}, 0.6};
    if (flags.contains(u's'))
        reading.time.ut1 = {Ut1Source::Origin::file, {0.1, Ut1Quality::stale, {}}, {}, {}, {}};
    static const auto tonight = nightWith(evening - 9 * 3600, evening,
        {{SkyInstant(seconds(evening)), SkyInstant(seconds(evening + 3600))},
            {SkyInstant(seconds(evening + 7200)), SkyInstant(seconds(evening + 9000))}});
    // The next night starts at noon, 15 h after base, dark from a second after it.
    static const auto tomorrow = nightWith(evening + 54000, evening + 86460,
        {{SkyInstant(seconds(evening + 54001)), SkyInstant(seconds(evening + 60000))}});
    reading.night = second < evening + 54000 ? tonight : tomorrow;
    if (flags.contains(u'n'))
        return reading;
    const double lst = std::fmod(3600.3 + double(second - evening) * 1.00273790935 + 86400 * 10, 86400);
    reading.siderealSeconds = lst;
    const double hourAngle = lst / 86400 * 2 * std::numbers::pi;
    reading.targets = {TargetPlace{Target{u"Vega"_s, 18.6, 38.8}}, TargetPlace{Target{u"M42"_s, 0, -5.4}}};
    reading.targets[1].hourAngle = hourAngle > std::numbers::pi ? hourAngle - 2 * std::numbers::pi : hourAngle;
    return reading;
}

Alarm alarm(AlarmWhen when, int minutesBefore = 0)
{
    return Alarm{u"wake"_s, when, minutesBefore};
}

// A window in the digital window's slot that shows nothing: the tick runs for it.
struct BlankWindow : ClockWindow
{
    explicit BlankWindow(const ClockUpdate &tick) : ClockWindow(&WindowRegistry::openHoravaneWindow, {}, tick) {}
    void update() override {}
    void loadWindow(QMainWindow &) override {}
};

} // namespace

class tst_AlarmWatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { qunsetenv("TZ"); }

    void ring_data()
    {
        QTest::addColumn<Alarm>("alarm");
        QTest::addColumn<qint64>("base");
        // Each tick as readingAt() reads it; an r first hands the same list over again.
        QTest::addColumn<QStringList>("ticks");
        // At each tick: "-" nothing rings, "+D" it rings on time, "!D" late, due D after base.
        QTest::addColumn<QStringList>("rang");

        const QStringList onTimeDaily{u"-1"_s, u"0"_s, u"86163"_s, u"86164"_s};
        const QStringList ringsDaily{u"-"_s, u"+0"_s, u"-"_s, u"+86164"_s};
        const QStringList jump{u"-5"_s, u"100"_s};
        const QStringList lateOnce{u"-"_s, u"!0"_s};
        // Back half a minute after it rang, then over it again.
        const QStringList stepBack{u"-1"_s, u"0"_s, u"-30"_s, u"-29"_s, u"5"_s};
        const QStringList onceOnly{u"-"_s, u"+0"_s, u"-"_s, u"-"_s, u"-"_s};
        // The window hands the list over again at each tick while the clock steps back.
        const QStringList rehanded{u"-1"_s, u"0"_s, u"r-1"_s, u"r0"_s, u"r1"_s};

        const Alarm lst = alarm(SiderealAlarm{3600});
        QTest::newRow("LST: on time, every sidereal day") << lst << evening << onTimeDaily << ringsDaily;
        QTest::newRow("LST: late once after a sleep") << lst << evening << jump << lateOnce;
        QTest::newRow("LST: never twice after a step back") << lst << evening << stepBack << onceOnly;
        QTest::newRow("LST: the same list again remembers") << lst << evening << rehanded << onceOnly;
        QTest::newRow("LST: a step back after it rings nothing")
            << lst << evening << QStringList{u"10"_s, u"5"_s} << QStringList{u"-"_s, u"-"_s};
        QTest::newRow("LST: a sidereal day asleep, once")
            << lst << evening << QStringList{u"5"_s, u"86170"_s} << QStringList{u"-"_s, u"!86164"_s};
        QTest::newRow("LST: 10 min before, in solar minutes") << alarm(SiderealAlarm{3600}, 10) << evening
                                                              << QStringList{u"-601"_s, u"-600"_s}
                                                              << QStringList{u"-"_s, u"+-600"_s};
        QTest::newRow("LST: nothing before the first tick")
            << lst << evening << QStringList{u"5"_s, u"6"_s} << QStringList{u"-"_s, u"-"_s};
        QTest::newRow("LST: afresh after the position was lost")
            << lst << evening << QStringList{u"-5"_s, u"-1n"_s, u"0n"_s, u"5"_s}
            << QStringList{u"-"_s, u"-"_s, u"-"_s, u"-"_s};

        const Alarm target = alarm(TargetAlarm{u"M42"_s, 1});
        QTest::newRow("target: on time, every sidereal day") << target << evening << onTimeDaily << ringsDaily;
        QTest::newRow("target: late once after a sleep") << target << evening << jump << lateOnce;
        QTest::newRow("target: never twice after a step back") << target << evening << stepBack << onceOnly;
        QTest::newRow("target: not in the list")
            << alarm(TargetAlarm{u"M31"_s, 1}) << evening << QStringList{u"-1"_s, u"0"_s}
            << QStringList{u"-"_s, u"-"_s};

        const Alarm nine = alarm(CivilAlarm{21 * 3600, false, std::nullopt});
        QTest::newRow("local: on time, every day") << nine << evening
                                                   << QStringList{u"-1"_s, u"0"_s, u"86399"_s, u"86400"_s}
                                                   << QStringList{u"-"_s, u"+0"_s, u"-"_s, u"+86400"_s};
        QTest::newRow("local: late once after a sleep") << nine << evening << jump << lateOnce;
        QTest::newRow("local: three days asleep, once")
            << nine << evening << QStringList{u"-1"_s, u"250000"_s} << QStringList{u"-"_s, u"!172800"_s};
        QTest::newRow("local: never twice after a step back") << nine << evening << stepBack << onceOnly;
        QTest::newRow("local: the same list again remembers") << nine << evening << rehanded << onceOnly;
        QTest::newRow("local: in the zone it moved to")
            << nine << evening << QStringList{u"-10"_s, u"-9z"_s, u"0z"_s, u"21599z"_s, u"21600z"_s}
            << QStringList{u"-"_s, u"-"_s, u"-"_s, u"-"_s, u"+21600"_s};
        QTest::newRow("local: skipped by spring, at 03:00, then 02:30")
            << alarm(CivilAlarm{2 * 3600 + 1800, false, std::nullopt}) << springForward
            << QStringList{u"-1"_s, u"0"_s, u"84599"_s, u"84600"_s}
            << QStringList{u"-"_s, u"+0"_s, u"-"_s, u"+84600"_s};
        QTest::newRow("local: twice in autumn, the first")
            << alarm(CivilAlarm{2 * 3600 + 1800, false, std::nullopt}) << autumnBack
            << QStringList{u"0"_s, u"3599"_s, u"3600"_s} << QStringList{u"+0"_s, u"-"_s, u"-"_s};
        QTest::newRow("local, once: that day only")
            << alarm(CivilAlarm{21 * 3600, false, QDate(2026, 12, 9)}) << evening
            << QStringList{u"-1"_s, u"0"_s, u"86399"_s, u"86400"_s}
            << QStringList{u"-"_s, u"+0"_s, u"-"_s, u"-"_s};
        QTest::newRow("local, once: past, never")
            << alarm(CivilAlarm{21 * 3600, false, QDate(2026, 12, 8)}) << evening
            << QStringList{u"-1"_s, u"0"_s, u"100"_s} << QStringList{u"-"_s, u"-"_s, u"-"_s};
        QTest::newRow("UTC: 10 min before")
            << alarm(CivilAlarm{20 * 3600 + 600, true, std::nullopt}, 10) << evening
            << QStringList{u"-1"_s, u"0"_s} << QStringList{u"-"_s, u"+0"_s};

        const Alarm dusk = alarm(TonightAlarm{AlarmEvent::astronomicalDusk});
        QTest::newRow("tonight: on time, and the next night's")
            << dusk << evening << QStringList{u"-1"_s, u"0"_s, u"86459"_s, u"86460"_s}
            << QStringList{u"-"_s, u"+0"_s, u"-"_s, u"+86460"_s};
        QTest::newRow("tonight: late once after a sleep") << dusk << evening << jump << lateOnce;
        QTest::newRow("tonight: asleep into the next night")
            << dusk << evening << QStringList{u"-1"_s, u"86000"_s} << QStringList{u"-"_s, u"!0"_s};
        QTest::newRow("tonight: never twice after a step back") << dusk << evening << stepBack << onceOnly;
        QTest::newRow("tonight: 10 min before")
            << alarm(TonightAlarm{AlarmEvent::astronomicalDusk}, 10) << evening
            << QStringList{u"-601"_s, u"-600"_s} << QStringList{u"-"_s, u"+-600"_s};
        QTest::newRow("tonight: the next night's, from its noon")
            << alarm(TonightAlarm{AlarmEvent::darkStart}) << evening << QStringList{u"53999"_s, u"54000"_s, u"54001"_s}
            << QStringList{u"-"_s, u"-"_s, u"+54001"_s};
        QTest::newRow("tonight: each start of dark")
            << alarm(TonightAlarm{AlarmEvent::darkStart}) << evening
            << QStringList{u"-1"_s, u"0"_s, u"7199"_s, u"7200"_s} << QStringList{u"-"_s, u"+0"_s, u"-"_s, u"+7200"_s};
        QTest::newRow("tonight: two starts of dark asleep, the latest")
            << alarm(TonightAlarm{AlarmEvent::darkStart}) << evening << QStringList{u"-1"_s, u"7300"_s}
            << QStringList{u"-"_s, u"!7200"_s};

        const Alarm unsynchronised = alarm(HealthAlarm{ClockTrouble::unsynchronised});
        QTest::newRow("unsynchronised: when it starts, again after it ended")
            << unsynchronised << evening << QStringList{u"-1"_s, u"0u"_s, u"1u"_s, u"2"_s, u"3u"_s}
            << QStringList{u"-"_s, u"+0"_s, u"-"_s, u"-"_s, u"+3"_s};
        QTest::newRow("unsynchronised: the same list again remembers")
            << unsynchronised << evening << QStringList{u"0u"_s, u"r1u"_s} << QStringList{u"+0"_s, u"-"_s};
        QTest::newRow("unsynchronised: at launch") << unsynchronised << evening << QStringList{u"0u"_s}
                                                   << QStringList{u"+0"_s};
        QTest::newRow("unsynchronised: after a step back, at the next tick")
            << unsynchronised << evening << QStringList{u"0"_s, u"-30u"_s, u"-29u"_s}
            << QStringList{u"-"_s, u"-"_s, u"+-29"_s};
        QTest::newRow("GPS disagrees") << alarm(HealthAlarm{ClockTrouble::gpsDisagrees}) << evening
                                       << QStringList{u"-1u"_s, u"0g"_s} << QStringList{u"-"_s, u"+0"_s};
        QTest::newRow("UT1 stale") << alarm(HealthAlarm{ClockTrouble::earthOrientationStale}) << evening
                                   << QStringList{u"-1g"_s, u"0s"_s} << QStringList{u"-"_s, u"+0"_s};
    }

    // With only the digital window open, the tick works out tonight and the targets' places
    // while an alarm needs them, and rings at the tick of the second named; with no alarms,
    // neither.
    void tickRingsWithNoOtherWindow()
    {
        QTemporaryDir data;
        Location location([] { return std::make_unique<PositionSource>(nullptr); });
        ObserverSettings berlin;
        berlin.source = LocationSource::useManual;
        berlin.latitude = 52.5;
        berlin.longitude = 13.4;
        location.setSettings(berlin);
        TimeSources sources({data.path(), {}, TimeSources::systemPlaces().leapSecondList}, [] { return std::nullopt; });
        AppUtils::MasterTimer timer;
        ClockUpdate tick(timer, [&]() -> Location & { return location; }, [&]() -> TimeSources & { return sources; });
        windowRegistry().openHoravaneWindow = makeClockWindow<BlankWindow>(tick);
        tick.setTargets({Target{u"M42"_s, 5.588, -5.39}});
        const Alarm nine = alarm(CivilAlarm{21 * 3600, true, std::nullopt});
        tick.setAlarms({alarm(TonightAlarm{AlarmEvent::sunset}), alarm(TargetAlarm{u"M42"_s, 0}), nine});
        tick.tick(system_clock::time_point(seconds(evening + 3599)));
        QVERIFY(tick.reading().night && tick.reading().targets.size() == 1 && tick.reading().alarmsRang.empty());
        tick.tick(system_clock::time_point(seconds(evening + 3600)));
        const std::vector rang{AlarmFiring{nine, system_clock::time_point(seconds(evening + 3600)), false}};
        QCOMPARE(tick.reading().alarmsRang, rang);
        tick.setAlarms({});
        tick.tick(system_clock::time_point(seconds(evening + 3601)));
        QVERIFY(!tick.reading().night && tick.reading().targets.empty());
        windowRegistry() = {};
    }

    void ring()
    {
        QFETCH(Alarm, alarm);
        QFETCH(qint64, base);
        QFETCH(QStringList, ticks);
        QFETCH(QStringList, rang);
        AlarmWatch watch;
        watch.setAlarms({alarm});
        QStringList actual;
        for (const QString &tick : ticks) {
            const bool again = tick.startsWith(u'r');
            if (again)
                watch.setAlarms({alarm});
            const std::vector<AlarmFiring> firings = watch.ring(readingAt(base, QStringView(tick).sliced(again)));
            QVERIFY(firings.size() <= 1);
            QString text = u"-"_s;
            if (!firings.empty()) {
                QCOMPARE(firings[0].alarm, alarm);
                const qint64 due = duration_cast<seconds>(firings[0].due.time_since_epoch()).count();
                text = (firings[0].late ? u"!"_s : u"+"_s) + QString::number(due - base);
            }
            actual << text;
        }
        QCOMPARE(actual, rang);
    }
};

QTEST_GUILESS_MAIN(tst_AlarmWatch)
#include "tst_alarmwatch.moc"
