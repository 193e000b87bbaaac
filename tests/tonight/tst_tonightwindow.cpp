#include "ClockWindows.h"
#include "tonight/TonightTexts.h"
#include "tonight/TonightWindow.h"

#include <Extensions/Readout.h>

#include <QLabel>
#include <QMainWindow>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono;
using Extensions::Readout;

namespace {

SkyInstant utc(sys_days day, seconds time)
{
    return SkyInstant(day) + time;
}

// Berlin, 9 to 10 December 2026 (CET, UTC+1), with times picked to round up, down and across
// midnight; and the night of the change to CEST (29 March 2026, 01:00 UTC: 02:00 CET became 03:00).
Night december()
{
    Night night;
    night.date = QDate(2026, 12, 9);
    night.start = utc(2026y / 12 / 9, 11h);
    night.end = utc(2026y / 12 / 10, 11h);
    const sys_days day = 2026y / 12 / 9, next = 2026y / 12 / 10;
    night.events = {utc(day, 15h + 2min + 29s), utc(day, 15h + 41min + 30s), utc(day, 16h + 24min), utc(day, 17h + 5min),
        utc(next, 5h + 20min), utc(next, 6h), utc(next, 6h + 42min), utc(next, 7h + 21min + 40s), std::nullopt,
        utc(day, 23h + 30min)};
    night.moonIllumination = 0.013;
    night.moonPhase = MoonPhase::waningCrescent;
    night.moonAgeDays = 28.73;
    night.dark = {{utc(day, 17h + 5min), utc(day, 23h + 30min)}, {utc(next, 4h + 50min), utc(next, 5h + 20min)}};
    return night;
}

Night dstChange()
{
    Night night;
    night.date = QDate(2026, 3, 28);
    night.start = utc(2026y / 3 / 28, 11h);
    night.end = utc(2026y / 3 / 29, 10h);
    night.events[0] = utc(2026y / 3 / 28, 17h + 40min);
    night.events[7] = utc(2026y / 3 / 29, 4h + 50min);
    return night;
}

} // namespace

class TestTonightWindow : public QObject
{
    Q_OBJECT

    std::shared_ptr<ClockWindow> m_window;

    void show(const std::shared_ptr<const Night> &night, std::variant<ObserverPosition, NoPosition> observer = ObserverPosition{52.5, 13.4},
        SkyNow sky = {}, sys_seconds instant = utc(2026y / 12 / 9, 12h))
    {
        if (!m_window) {
            m_window = makeClockWindow<TonightWindow>();
            m_window->showWindow();
        }
        ClockReading reading;
        reading.instant = instant;
        reading.observer = observer;
        reading.night = night;
        if (night)
            reading.sky = sky;
        ClockUpdate::shared().show(reading);
    }
    QString text(const char *name) const
    {
        if (const auto *readout = m_window->window()->findChild<Readout *>(QLatin1StringView(name)))
            return readout->isVisibleTo(m_window->window()) ? readout->text() : u"(hidden)"_s;
        const auto *label = m_window->window()->findChild<QLabel *>(QLatin1StringView(name));
        return label->isVisibleTo(m_window->window()) ? label->text() : u"(hidden)"_s;
    }

private Q_SLOTS:
    void init() { qputenv("TZ", "Europe/Berlin"); }
    void cleanup()
    {
        m_window.reset();
        releaseClockWindows();
    }

    // Hand-worked: each UTC time plus the zone's offset then, rounded to the minute.
    void nightRows_data()
    {
        QTest::addColumn<bool>("dst");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("utc");
        QTest::newRow("zone") << false << u"zones"_s << u"Times in CET"_s << QString();
        QTest::newRow("29 s rounds down") << false << u"sunset"_s << u"16:02"_s << u"2026-12-09 15:02 UTC"_s;
        QTest::newRow("30 s rounds up") << false << u"civilDusk"_s << u"16:42"_s << u"2026-12-09 15:42 UTC"_s;
        QTest::newRow("across midnight") << false << u"sunrise"_s << u"08:22"_s << u"2026-12-10 07:22 UTC"_s;
        QTest::newRow("no moonrise") << false << u"moonrise"_s << u"no moonrise tonight"_s << QString();
        QTest::newRow("moonset") << false << u"moonset"_s << u"00:30"_s << u"2026-12-09 23:30 UTC"_s;
        QTest::newRow("illuminated") << false << u"moonLight"_s << u"1 % illuminated, waning"_s << QString();
        QTest::newRow("phase") << false << u"moonAge"_s << u"waning crescent, 28.7 days old"_s << QString();
        QTest::newRow("dark") << false << u"dark"_s << u"18:05–00:30, 05:50–06:20"_s
                              << u"2026-12-09 17:05 UTC–2026-12-09 23:30 UTC, 2026-12-10 04:50 UTC–2026-12-10 05:20 UTC"_s;
        QTest::newRow("dark hours") << false << u"darkHours"_s << u"6 h 55 m"_s << QString();
        QTest::newRow("both zones") << true << u"zones"_s << u"Times in CET, CEST from 03:00"_s << QString();
        QTest::newRow("before the change") << true << u"sunset"_s << u"18:40"_s << u"2026-03-28 17:40 UTC"_s;
        QTest::newRow("after the change") << true << u"sunrise"_s << u"06:50"_s << u"2026-03-29 04:50 UTC"_s;
    }

    void nightRows()
    {
        QFETCH(bool, dst);
        QFETCH(QString, row);
        QFETCH(QString, expected);
        QFETCH(QString, utc);
        show(std::make_shared<const Night>(dst ? dstChange() : december()));
        QCOMPARE(text(qPrintable(row)), expected);
        if (!utc.isEmpty()) {
            const auto *readout = m_window->window()->findChild<Readout *>(row);
            QCOMPARE(readout->toolTip(), utc);
            QCOMPARE(readout->accessibleDescription(), utc);
        }
    }

    // What does not happen is said once, in place of the rows that would show it.
    void withoutEvents_data()
    {
        QTest::addColumn<Daylight>("brightest");
        QTest::addColumn<Daylight>("darkest");
        QTest::addColumn<QStringList>("expected"); // no sunrise line, sunset, astronomical dusk, no night line
        QTest::newRow("52° N in June") << Daylight::day << Daylight::astronomicalTwilight
                                       << QStringList{u"(hidden)"_s, u"21:00"_s, u"(hidden)"_s, u"no astronomical night — astronomical twilight all night"_s};
        QTest::newRow("nautical all night") << Daylight::day << Daylight::nauticalTwilight
                                            << QStringList{u"(hidden)"_s, u"21:00"_s, u"(hidden)"_s, u"no astronomical night — nautical twilight all night"_s};
        QTest::newRow("polar day") << Daylight::day << Daylight::day
                                   << QStringList{u"(hidden)"_s, u"(hidden)"_s, u"(hidden)"_s, u"the Sun does not set"_s};
        QTest::newRow("polar night") << Daylight::night << Daylight::night
                                     << QStringList{u"the Sun does not rise"_s, u"(hidden)"_s, u"(hidden)"_s, u"(hidden)"_s};
        QTest::newRow("an ordinary night") << Daylight::day << Daylight::night
                                           << QStringList{u"(hidden)"_s, u"21:00"_s, u"not tonight"_s, u"(hidden)"_s};
    }

    void withoutEvents()
    {
        QFETCH(Daylight, brightest);
        QFETCH(Daylight, darkest);
        QFETCH(QStringList, expected);
        Night night;
        night.start = utc(2026y / 6 / 21, 10h);
        night.end = utc(2026y / 6 / 22, 10h);
        night.brightest = brightest;
        night.darkest = darkest;
        if (brightest == Daylight::day && darkest != Daylight::day)
            night.events[0] = utc(2026y / 6 / 21, 19h);
        show(std::make_shared<const Night>(night));
        QCOMPARE((QStringList{text("noSunrise"), text("sunset"), text("astronomicalDusk"), text("noNight")}), expected);
        QCOMPARE(text("dark"), u"no dark hours tonight"_s);
        QCOMPARE(text("darkHours"), u"(hidden)"_s);
    }

    // Rounded up, so that "in 0 m" never shows before an event.
    void countdown_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1 s") << 1 << u"astronomical dusk in 1 m"_s;
        QTest::newRow("60 s") << 60 << u"astronomical dusk in 1 m"_s;
        QTest::newRow("61 s") << 61 << u"astronomical dusk in 2 m"_s;
        QTest::newRow("59 m") << 3540 << u"astronomical dusk in 59 m"_s;
        QTest::newRow("59 m 1 s") << 3541 << u"astronomical dusk in 1 h 0 m"_s;
        QTest::newRow("1 h") << 3600 << u"astronomical dusk in 1 h 0 m"_s;
        QTest::newRow("1 h 0 m 1 s") << 3601 << u"astronomical dusk in 1 h 1 m"_s;
        QTest::newRow("1 h 12 m") << 4320 << u"astronomical dusk in 1 h 12 m"_s;
    }

    void countdown()
    {
        QFETCH(int, seconds);
        QFETCH(QString, expected);
        const sys_seconds now = utc(2026y / 12 / 9, 16h);
        const auto minutes = TonightTexts::minutesUntil(now + 250ms, now + std::chrono::seconds(seconds)); // a tick lands late
        QCOMPARE(TonightTexts::countdown(NightEvent::astronomicalDusk, minutes), expected);
    }

    void status_data()
    {
        QTest::addColumn<bool>("position");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no position") << false << u"The location service does not allow Horavane to know the position"_s;
        QTest::newRow("no night") << true << u"The almanac is not available for this date: it covers the years 1900 to 2100"_s;
    }

    void status()
    {
        QFETCH(bool, position);
        QFETCH(QString, expected);
        show(std::make_shared<const Night>(december()));
        QCOMPARE(text("m_status"), u"(hidden)"_s);
        show(nullptr, position ? std::variant<ObserverPosition, NoPosition>(ObserverPosition{52.5, 13.4}) : NoPosition::notAllowed);
        QCOMPARE(text("m_status"), expected);
        QCOMPARE(text("sunset"), u"(hidden)"_s);
    }

    // Each second moves the rows about now; the night's rows stay as the night was first shown
    // (here a change to the same night, which a second must not pick up).
    void onlyNowEachSecond()
    {
        auto night = std::make_shared<Night>(december());
        const sys_seconds now = utc(2026y / 12 / 9, 16h);
        show(night, ObserverPosition{52.5, 13.4}, {-7.25, 12.04, Daylight::nauticalTwilight, NightEvent::nauticalDusk, now + 24min}, now);
        QCOMPARE((QStringList{text("sunAltitude"), text("moonAltitude"), text("daylight"), text("next")}),
            (QStringList{u"−7.3°"_s, u"12.0°"_s, u"nautical twilight"_s, u"nautical dusk in 24 m"_s}));
        night->events[0] = utc(2026y / 12 / 9, 14h);
        show(night, ObserverPosition{52.5, 13.4}, {-7.44, 11.96, Daylight::nauticalTwilight, NightEvent::nauticalDusk, now + 24min}, now + 1s);
        QCOMPARE(text("sunset"), u"16:02"_s);
        QCOMPARE((QStringList{text("sunAltitude"), text("moonAltitude"), text("next")}),
            (QStringList{u"−7.4°"_s, u"12.0°"_s, u"nautical dusk in 24 m"_s}));
    }
};

QTEST_MAIN(TestTonightWindow)
#include "tst_tonightwindow.moc"
