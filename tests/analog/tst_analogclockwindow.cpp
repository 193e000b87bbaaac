#include "FakeClock.h"
#include "TestObserver.h"
#include "analog/AnalogClockView.h"
#include "analog/AnalogClockWindow.h"

#include <QMainWindow>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono;
using Source = PreferencesGeneral::LocationSource;

char *toString(const ClockTime &time)
{
    return qstrdup(qPrintable(spokenText(time)));
}

namespace {
// A clock one second later at each reading, as the real one is across a second's boundary.
class SteppingClock : public FakeClock
{
public:
    using FakeClock::FakeClock;
    system_clock::time_point now() const override { return FakeClock::now() + m_reads++ * 1s; }

private:
    mutable int m_reads = 0;
};

struct Row { const char *name; QByteArray zoneBefore, zone; qint64 msecs; Source first, second; ClockTime utc, local, lst; };
} // namespace

Q_DECLARE_METATYPE(Row)

class TestAnalogClockWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { releaseClockWindows(); }

    void dialsAtAnInstant_data()
    {
        QTest::addColumn<Row>("row");
        const auto day = [](int month, int d) { return QLocale::system().toString(QDate(2026, month, d), QLocale::ShortFormat); };
        // Were the date and the hands read apart, or the milliseconds rounded, the last second
        // before midnight would show as midnight. Auckland's apparent sidereal time, worked by
        // hand (IAU mean sidereal time plus the equation of the equinoxes): 15:42:03.41 and
        // 15:42:04.41 at the Berlin instants, 14:41:54.56 a second before the UTC+12 one.
        // The sidereal dial carries the local date, whatever day UTC is in.
        const Source manual = Source::useManual, server = Source::useSiTech;
        const ClockTime utc{10, 0, 0, false, day(12, 6)}, local{10, 0, 0, true, day(12, 7)};
        const Row rows[] = {
            {"one reading, milliseconds dropped", "Europe/Berlin", "Europe/Berlin", 1796597999999, manual, manual,
             {10, 59, 59, false, day(12, 6)}, {11, 59, 59, false, day(12, 6)}, {3, 42, 3, false, day(12, 6)}},
            {"local midnight, next date", "Europe/Berlin", "Europe/Berlin", 1796598000000, manual, manual,
             {11, 0, 0, false, day(12, 6)}, {0, 0, 0, true, day(12, 7)}, {3, 42, 4, false, day(12, 7)}},
            {"UTC+12, sidereal to the nearest second", "Etc/GMT-12", "Etc/GMT-12", 1796594400000, manual, manual,
             utc, local, {2, 41, 55, false, day(12, 7)}},
            {"position lost: keeps the last", "Etc/GMT-12", "Etc/GMT-12", 1796594400000, manual, server,
             utc, local, {2, 41, 54, false, day(12, 7)}},
            {"server: never moves", "Etc/GMT-12", "Etc/GMT-12", 1796594400000, server, server, utc, local, {}},
            {"zone changed: at the next second", "Europe/Berlin", "Asia/Kathmandu", 1796503001250, server, server,
             {8, 36, 41, false, day(12, 5)}, {2, 21, 41, true, day(12, 6)}, {}},
        };
        for (const Row &row : rows)
            QTest::newRow(row.name) << row;
    }

    // Two ticks a second apart, the source and zone changed between them; the clock reads a
    // second later each time, so a tick that read it twice would show the wrong second.
    void dialsAtAnInstant()
    {
        QFETCH(Row, row);
        const SteppingClock clock{system_clock::time_point(milliseconds(row.msecs) - 1s)};
        TestObserver pane;
        const auto controller = makeClockWindow<AnalogClockWindow>(clock, pane.locate());
        pane.type("m_longitude", u"174.7762"_s);
        controller->showWindow();
        qputenv("TZ", row.zoneBefore);
        pane.choose(row.first);
        controller->update();
        qputenv("TZ", row.zone);
        pane.choose(row.second);
        controller->update();
        const auto dial = [&](const char *name) { return controller->window()->findChild<AnalogClockView *>(QLatin1StringView(name))->time(); };
        QCOMPARE(dial("m_utc"), row.utc);
        QCOMPARE(dial("m_local"), row.local);
        QCOMPARE(dial("m_lst"), row.lst);
    }
};

QTEST_MAIN(TestAnalogClockWindow)
#include "tst_analogclockwindow.moc"
