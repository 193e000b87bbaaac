#include "ClockWindows.h"
#include "FakeClock.h"
#include "digital/AlarmBanner.h"
#include "digital/DetailsPanel.h"
#include "digital/HoravaneWindow.h"

#include <AppUtils/Sidereal.h>
#include <Extensions/Readout.h>

#include <QAccessible>
#include <QClipboard>
#include <QGeoPositionInfoSource>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

using Extensions::Readout;
using namespace Qt::StringLiterals;
using namespace std::chrono;
using Source = LocationSource;

namespace {
// A position service the test drives by hand: it delivers a fix on cue, or signals a refusal.
struct ScriptedGeoSource : QGeoPositionInfoSource
{
    ScriptedGeoSource() : QGeoPositionInfoSource(nullptr) {}
    void deliver() { Q_EMIT positionUpdated(m_last = QGeoPositionInfo(QGeoCoordinate(-33.8568, 151.2153), QDateTime::currentDateTimeUtc())); }
    bool started = false;
    QGeoPositionInfo lastKnownPosition(bool) const override { return m_last; }
    PositioningMethods supportedPositioningMethods() const override { return AllPositioningMethods; }
    int minimumUpdateInterval() const override { return 1000; }
    Error error() const override { return NoError; }
    void startUpdates() override { started = true; }
    void stopUpdates() override {}
    void requestUpdate(int) override {}
    QGeoPositionInfo m_last;
};

enum Service { None, NoSystemBus, Silent, SilentAMinute, Fix, Refused, FixThenRefused };
struct Row { const char *name; ObserverSettings settings; Service service; QString position, status; };

Readout &readout(const ClockWindow &window, const char *name) { return *window.window()->findChild<Readout *>(QLatin1StringView(name)); }
QString field(const ClockWindow &window, const char *name) { return readout(window, name).text(); }

// Counts the events of one type that reach the objects it watches.
struct EventCount : QObject
{
    EventCount(QEvent::Type counted, std::initializer_list<QObject *> on) : type(counted) { for (QObject *o : on) o->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override { return count += event->type() == type, false; }
    QEvent::Type type;
    int count = 0;
};
} // namespace

Q_DECLARE_METATYPE(Row)
Q_DECLARE_METATYPE(TimeFacts)
Q_DECLARE_METATYPE(std::optional<GpsState>)

class TestHoravaneWindow : public QObject
{
    Q_OBJECT

    // The window showing the reading at sinceEpoch in zone, for 51.4769 N 0.0005 W typed in.
    std::shared_ptr<ClockWindow> shown(microseconds sinceEpoch, const QByteArray &zone, bool decimal = true)
    {
        qputenv("TZ", zone);
        const auto controller = makeClockWindow<HoravaneWindow>();
        controller->showWindow();
        showAt(sinceEpoch, decimal);
        return controller;
    }
    void showAt(microseconds sinceEpoch, bool decimal = true)
    {
        const ObserverSettings settings{Source::useManual, 51.4769, -0.0005, decimal};
        ClockUpdate::shared().show(readingAt(system_clock::time_point(sinceEpoch), settings,
                                             ObserverPosition{51.4769, -0.0005}, {}, sidereal));
    }
    AppUtils::SiderealClock sidereal;

private Q_SLOTS:
    // Qt Positioning hides the NMEA plugin, marked untestable, from Qt Test processes.
    void initTestCase() { qunsetenv("QT_QTESTLIB_RUNNING"); }
    void cleanup() { releaseClockWindows(); }

    // Meeus, Astronomical Algorithms, example 12.a: 1987-04-10 0h UT, apparent sidereal time
    // 13h10m46.1s at Greenwich, 0.1 s less at 0.0005 W. Read a microsecond short of the next
    // second: the times are cut to the millisecond, the sidereal time to the whole second.
    void readouts()
    {
        const auto w = shown(545011200s + 999999us, "XYZ+4", false);
        QCOMPARE((QStringList{field(*w, "m_locn_source"), field(*w, "m_location"), field(*w, "m_localsidereal"), field(*w, "m_utc"), field(*w, "m_localtime")}),
                 (QStringList{u"Manual"_s, u"51° 28′ 36.8″ , -0° 00′ 01.8″"_s, u"13:10:46"_s, u"1987-04-10T00:00:00.999Z"_s, u"1987-04-09T20:00:00.999-04:00"_s}));
    }

    // The details of Meeus's example 12.a (JD 2446895.5; GMST 13h10m46.3668s, GAST 46.1351s;
    // TAI − UTC 23 s since 1985-07-01) for each kind of source. A DUT1 of +0.3 s moves
    // sidereal time by 0.3 × 1.0027 s. The error bound dims the digits finer than a tenth of it.
    void details_data()
    {
        QTest::addColumn<TimeFacts>("facts");
        QTest::addColumn<QStringList>("expected"); // UT1 − UTC, its problem, the download's line, GMST, GAST, LMST, system clock, leap seconds
        QTest::addColumn<int>("dimmedFrom");
        QTest::addColumn<bool>("offered"); // "Download from the IERS"
        using O = Ut1Source::Origin;
        const QDateTime expiry(QDate(2027, 6, 28), {}, Qt::UTC);
        QTest::newRow("nothing known, a download failed") << TimeFacts{{}, {}, {}, {false, false, u"IERS download failed: HTTP 404"_s}, {}}
            << QStringList{u"+0.0000 s · assumed: no Earth-orientation data"_s, u""_s, u"IERS download failed: HTTP 404"_s, u"13:10:46.3"_s, u"13:10:46.1"_s, u"13:10:46.2"_s, u"unknown: the system does not say"_s, u"TAI − UTC = 23 s · ERFA's own table"_s} << 23 << true;
        QTest::newRow("file, synchronised") << TimeFacts{{O::file, {0.0123, Ut1Quality::observed, {}}, u"finals2000A.daily"_s, {}, {}}, ClockHealth{true, 12ms, 3ms}, {expiry, {}}, {}, {}}
            << QStringList{u"+0.0123 s · finals2000A.daily, observed"_s, u""_s, u""_s, u"13:10:46.3"_s, u"13:10:46.1"_s, u"13:10:46.2"_s, u"synchronised, ±12 ms (estimated ±3.0 ms)"_s, u"TAI − UTC = 23 s · valid until 2027-06-28"_s} << 22 << false;
        QTest::newRow("typed, unsynchronised") << TimeFacts{{O::typed, {0.3, Ut1Quality::observed, {}}, {}, QDate(2026, 11, 2), {}}, ClockHealth{false, 16s, {}}, {{}, u"leap-seconds.list set aside: its hash does not match its contents"_s}, {}, {}}
            << QStringList{u"+0.3000 s · typed on 2026-11-02"_s, u""_s, u""_s, u"13:10:46.6"_s, u"13:10:46.4"_s, u"13:10:46.5"_s, u"not synchronised — the times shown may be wrong"_s, u"TAI − UTC = 23 s · ERFA's own table"_s} << 18 << false;
        QTest::newRow("extrapolated, a file set aside") << TimeFacts{{O::file, {-0.04, Ut1Quality::extrapolated, 0.0004}, u"ser7.dat"_s, {}, u"finals.daily set aside: a day is missing"_s}, ClockHealth{true, 150ms, {}}, {}, {}, {}}
            << QStringList{u"-0.0400 s · ser7.dat, extrapolated ±0.0004 s"_s, u"finals.daily set aside: a day is missing"_s, u""_s, u"13:10:46.3"_s, u"13:10:46.0"_s, u"13:10:46.2"_s, u"synchronised, ±150 ms"_s, u"TAI − UTC = 23 s · ERFA's own table"_s} << 21 << false;
        // A daemon's word replaces the kernel's, and its bound sets the dimming: ±3.1 ms and
        // ±0.02 ms leave every millisecond digit meaningful, where the kernel's 16 s dims four.
        const auto daemon = [](ClockSync::Daemon name, const QString &reference, int stratum, double offset, double bound) {
            return TimeFacts{{}, ClockHealth{false, 16s, {}}, {}, {}, ClockSync{name, reference, stratum, duration<double>(offset), duration<double>(bound), {}}};
        };
        QTest::newRow("timesyncd, a server") << daemon(ClockSync::Daemon::timesyncd, u"ntp.example.org"_s, 2, 0.0008, 0.0031)
            << QStringList{u"+0.0000 s · assumed: no Earth-orientation data"_s, u""_s, u""_s, u"13:10:46.3"_s, u"13:10:46.1"_s, u"13:10:46.2"_s, u"synchronised to ntp.example.org (stratum 2) · offset +0.8 ms · ±3.1 ms"_s, u"TAI − UTC = 23 s · ERFA's own table"_s} << 23 << true;
        QTest::newRow("chrony, a PPS") << daemon(ClockSync::Daemon::chrony, u"PPS"_s, 1, -0.000001, 0.00002)
            << QStringList{u"+0.0000 s · assumed: no Earth-orientation data"_s, u""_s, u""_s, u"13:10:46.3"_s, u"13:10:46.1"_s, u"13:10:46.2"_s, u"synchronised to PPS (stratum 1) · ±0.02 ms"_s, u"TAI − UTC = 23 s · ERFA's own table"_s} << 23 << true;
    }

    void details()
    {
        QFETCH(TimeFacts, facts);
        QFETCH(QStringList, expected);
        QFETCH(int, dimmedFrom);
        QFETCH(bool, offered);
        const auto window = makeClockWindow<HoravaneWindow>();
        window->showWindow();
        static_cast<HoravaneWindow &>(*window).setDetailsShown(true);
        const ObserverSettings settings{Source::useManual, 51.4769, -0.0005, true};
        ClockUpdate::shared().show(readingAt(system_clock::time_point(545011200s), settings, ObserverPosition{51.4769, -0.0005}, facts, sidereal));
        QStringList shown;
        const DetailsPanel *panel = window->window()->findChild<DetailsPanel *>();
        for (const Readout *row : panel->findChildren<Readout *>())
            shown << row->text();
        QCOMPARE(shown.mid(6, 2), (QStringList{u"2446895.50000"_s, u"46895.00000"_s})); // the Julian dates
        shown.remove(6, 2);
        shown.remove(shown.size() - 3, 3); // the leap-second and D-Bus problems, as given, and the GPS, hidden
        QCOMPARE(shown, expected);
        QCOMPARE(meaninglessSpan(facts.errorBound()).first, dimmedFrom);
        QCOMPARE(panel->findChild<QPushButton *>()->isVisibleTo(panel), offered);
    }

    // The GPS row, and the system clock's row in red once the GPS's time is more than 0.5 s off.
    void gps_data()
    {
        QTest::addColumn<std::optional<GpsState>>("gps");
        QTest::addColumn<QStringList>("expected"); // the system clock's row, the GPS row
        using Fix = GpsState::Fix;
        QTest::newRow("3-D, clock 812.3 s slow") << std::optional(GpsState{Fix::threeD, 1029, 8, 812.34})
            << QStringList{u"the GPS says the system clock is 812.3 s slow"_s, u"3-D fix, 1029 m · 8 satellites used · GPS − clock +812.3 s"_s};
        QTest::newRow("2-D, clock 0.6 s fast") << std::optional(GpsState{Fix::twoD, {}, 5, -0.6})
            << QStringList{u"the GPS says the system clock is 0.6 s fast"_s, u"2-D fix · 5 satellites used · GPS − clock -0.6 s"_s};
        QTest::newRow("pulse, 2 µs") << std::optional(GpsState{Fix::threeD, {}, 9, 0.000002})
            << QStringList{u"synchronised, ±12 ms"_s, u"3-D fix · 9 satellites used · GPS − clock +0.0 s"_s};
        QTest::newRow("no fix, no sky yet") << std::optional(GpsState{}) << QStringList{u"synchronised, ±12 ms"_s, u"no fix"_s};
        QTest::newRow("gpsd silent") << std::optional<GpsState>() << QStringList{u"synchronised, ±12 ms"_s, u"no report from gpsd"_s};
    }

    void gps()
    {
        QFETCH(std::optional<GpsState>, gps);
        QFETCH(QStringList, expected);
        DetailsPanel details;
        details.setPalette(QPalette(Qt::black, QColor(0xef, 0xef, 0xef)));
        ClockReading reading = readingAt(system_clock::time_point(545011200s), {Source::useGpsd}, ObserverPosition{-43.9856, 170.465},
            TimeFacts{{}, ClockHealth{true, 12ms, {}}, {}, {}, {}}, sidereal);
        reading.gps = gps;
        details.show(reading);
        const QList<Readout *> rows = details.findChildren<Readout *>();
        QCOMPARE((QStringList{rows[8]->text(), rows.last()->text()}), expected);
        const bool red = expected[0].startsWith(u"the GPS"_s);
        QCOMPARE(rows[8]->palette().color(QPalette::WindowText), red ? QColor(0xb3, 0x26, 0x1e) : QColor(0x1b, 0x6e, 0x2c));
    }

    // The offset as the zone gives it at that instant, seconds included, the zone read afresh.
    void localTime_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<qint64>("msecs");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Monrovia mean time") << "Africa/Monrovia"_ba << qint64(0) << u"1969-12-31T23:15:30.000-00:44:30"_s;
        QTest::newRow("-00:30 keeps its sign") << "XYZ+0:30"_ba << qint64(0) << u"1969-12-31T23:30:00.000-00:30"_s;
        QTest::newRow("Berlin, first of summer") << "Europe/Berlin"_ba << qint64(1774746000000) << u"2026-03-29T03:00:00.000+02:00"_s;
        QTest::newRow("unknown zone: UTC") << "Nowhere/Atlantis"_ba << qint64(1796503001250) << u"2026-12-05T20:36:41.250Z"_s;
        QTest::newRow("ms padded") << "UTC"_ba << qint64(1710979199007) << u"2024-03-20T23:59:59.007Z"_s;
        QTest::newRow("before 1970") << "UTC"_ba << qint64(-1) << u"1969-12-31T23:59:59.999Z"_s;
    }

    void localTime()
    {
        QFETCH(QByteArray, zone);
        QFETCH(qint64, msecs);
        QFETCH(QString, expected);
        QCOMPARE(field(*shown(milliseconds(msecs), zone), "m_localtime"), expected);
    }

    void position_data()
    {
        QTest::addColumn<Row>("row");
        const Source manual = Source::useManual, service = Source::useCoreLocation;
        const QString refused = u"The location service does not allow Horavane to know the position"_s;
        const QString noService = u"No location service on this desktop: choose Manual in Preferences"_s;
        const Row rows[] = {
            {"server never", {Source::useSiTech, 51.5, -0.1, true}, Fix, {}, u"SiTech NTP Server gives no position"_s},
            {"manual ignores a fix", {manual, 51.5, -0.1, true}, Fix, u"51.5000° , -0.1000°"_s, {}},
            {"no service", {service}, None, {}, noService},
            {"no system bus", {service}, NoSystemBus, {}, noService},
            {"before the first fix", {service}, Silent, {}, u"Waiting for the first fix from the location service"_s},
            {"no fix in a minute", {service}, SilentAMinute, {}, u"No fix from the location service in a minute: choose Manual in Preferences"_s},
            {"service fix", {service}, Fix, u"-33.8568° , 151.2153°"_s, {}},
            {"refused", {service}, Refused, {}, refused},
            {"refused after a fix", {service}, FixThenRefused, {}, refused},
        };
        for (const Row &row : rows)
            QTest::newRow(row.name) << row;
    }

    // The position, or the line saying why there is none, with a button to the preferences
    // beside a reason the person can mend there; the service started only when asked.
    void position()
    {
        QFETCH(Row, row);
        auto geo = std::make_unique<ScriptedGeoSource>();
        ScriptedGeoSource &script = *geo;
        FakeClock clock;
        Location location([&] {
            if (row.service != NoSystemBus)
                return std::make_unique<PositionSource>(row.service == None ? nullptr : std::move(geo));
            qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/system_bus_socket");
            return PositionSource::createDefault();
        });
        location.setSettings(row.settings);
        location.observe(clock.now());
        QCOMPARE(script.started, (row.service != None && row.service != NoSystemBus) && row.settings.source == Source::useCoreLocation);
        clock.advance(row.service == SilentAMinute ? 61s : 59s);
        if (row.service == Fix || row.service == FixThenRefused)
            script.deliver();
        if (row.service == Refused || row.service == FixThenRefused)
            Q_EMIT script.errorOccurred(QGeoPositionInfoSource::AccessError);
        const auto window = makeClockWindow<HoravaneWindow>();
        window->showWindow();
        const auto status = [&] { return ClockUpdate::shared().show(readingAt({}, row.settings, location.observe(clock.now()), {}, sidereal)), field(*window, "m_positionStatus"); };
        QTRY_COMPARE(status(), row.status); // the bus answers through the event loop
        QCOMPARE(field(*window, "m_location"), row.position);
        const bool mendable = !row.status.isEmpty() && row.service != Silent;
        QCOMPARE(window->window()->findChild<QPushButton *>(u"m_openPreferences"_s)->isVisible(), mendable);
    }

    // A new second repaints the read-outs whose text changed, and lays nothing out again.
    void tickRepaintsOnlyChangedText_data()
    {
        QTest::addColumn<int>("laterMs");
        QTest::addColumn<int>("utcPaints");
        QTest::newRow("same text: nothing painted") << 0 << 0;
        QTest::newRow("new second: only UTC painted") << 1000 << 1;
    }

    void tickRepaintsOnlyChangedText()
    {
        QFETCH(int, laterMs);
        QFETCH(int, utcPaints);
        const auto w = shown(545011200s, "UTC");
        QCoreApplication::processEvents();
        EventCount layouts(QEvent::LayoutRequest, {w->window(), w->window()->centralWidget()});
        EventCount utc(QEvent::Paint, {&readout(*w, "m_utc")}), position(QEvent::Paint, {&readout(*w, "m_location")});
        showAt(545011200s + milliseconds(laterMs));
        QCoreApplication::processEvents();
        QCOMPARE((QList{layouts.count, utc.count, position.count}), (QList{0, utcPaints, 0}));
    }

    // A larger window draws every read-out and label larger by the factor that fits both ways, in
    // 32nds, each read-out still holding its text inside the window; the window can still shrink;
    // the details open and close at that size; a tick changes no font. Back at its size, all is as it was.
    void textGrowsWithTheWindow_data()
    {
        QTest::addColumn<QSizeF>("times"); // the window's contents, in natural sizes
        QTest::addColumn<bool>("details");
        QTest::addColumn<qreal>("factor");
        QTest::newRow("twice, details open") << QSizeF(2, 2) << true << 2.0;
        QTest::newRow("wide: height limits") << QSizeF(3, 1.5) << false << 1.5;
        QTest::newRow("tall: width limits") << QSizeF(1.25, 4) << true << 1.25;
        QTest::newRow("wider only: as given") << QSizeF(2, 1) << false << 1.0;
        QTest::newRow("between 32nds: the one below") << QSizeF(1.2, 2) << false << 1.1875;
    }

    void textGrowsWithTheWindow()
    {
        QFETCH(QSizeF, times);
        QFETCH(bool, details);
        QFETCH(qreal, factor);
        const auto w = shown(545011200s, "UTC");
        auto &window = static_cast<HoravaneWindow &>(*w);
        window.setDetailsShown(!details); // the details filled once: their rows as a reading leaves them
        window.setDetailsShown(details);
        QMainWindow &main = *w->window();
        QWidget &area = *main.centralWidget();
        const auto resize = [&](QSize contents) { main.resize(main.size() - area.size() + contents), QCoreApplication::processEvents(); };
        resize({1, 1}); // as small as it goes, whatever size was stored for it
        const QList<QWidget *> texts = area.findChildren<QWidget *>(); // read-outs and labels
        const auto state = [&] { QList<std::pair<qreal, QSize>> s; for (QWidget *t : texts) s.append({t->font().pointSizeF(), t->sizeHint()}); return s; };
        const auto given = state();
        const QSize natural = area.minimumSizeHint(), minimum = main.minimumSize();
        resize({qCeil(natural.width() * times.width()), qCeil(natural.height() * times.height())});
        for (qsizetype i = 0; i < texts.size(); ++i) {
            QCOMPARE(texts[i]->font().pointSizeF(), given[i].first * factor);
            if (const auto *r = qobject_cast<Readout *>(texts[i]); r && r->isVisible())
                QVERIFY(QFontMetricsF(r->font()).horizontalAdvance(r->text()) <= r->width() && area.rect().contains(QRect(r->mapTo(&area, QPoint()), r->size())));
        }
        QCOMPARE(main.minimumSize(), minimum);
        window.setDetailsShown(!details);
        window.setDetailsShown(details);
        EventCount fonts(QEvent::FontChange, {&area, texts[1]});
        showAt(545011201s);
        QCoreApplication::processEvents();
        QCOMPARE((QList{texts[0]->font().pointSizeF(), qreal(fonts.count)}), (QList{given[0].first * factor, 0.0}));
        resize(natural);
        QCOMPARE(state(), given);
    }

    // Characters from..to of UTC 1987-04-10T00:00:00.000Z dragged over (-1: a double-click), then
    // Ctrl+C once `later` more seconds are shown; the clipboard held "before".
    void selectionCopies_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("later");
        QTest::addColumn<QString>("copied");
        QTest::newRow("drag right") << 11 << 19 << 0 << u"00:00:00"_s;
        QTest::newRow("drag left") << 10 << 0 << 0 << u"1987-04-10"_s;
        QTest::newRow("click: nothing") << 5 << 5 << 0 << u"before"_s;
        QTest::newRow("double-click: all") << -1 << -1 << 0 << u"1987-04-10T00:00:00.000Z"_s;
        QTest::newRow("kept over new seconds") << 11 << 19 << 2 << u"00:00:02"_s;
    }

    void selectionCopies()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, later);
        QFETCH(QString, copied);
        const auto w = shown(545011200s, "UTC");
        Readout &utc = readout(*w, "m_utc");
        const qreal advance = QFontMetricsF(utc.font()).horizontalAdvance(u'0');
        const auto at = [&](int character) { return QPoint(qRound(character * advance), utc.height() / 2); };
        QGuiApplication::clipboard()->setText(u"before"_s);
        if (from < 0) {
            QTest::mouseDClick(&utc, Qt::LeftButton, {}, at(3));
        } else {
            QTest::mousePress(&utc, Qt::LeftButton, {}, at(from));
            QTest::mouseMove(&utc, at(to));
            QTest::mouseRelease(&utc, Qt::LeftButton, {}, at(to));
        }
        showAt(545011200s + seconds(later));
        QTest::keySequence(&utc, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    }

    // Right to left the captions stand at the right, and each value right beside its caption:
    // no gap wider than the form's spacing between the ink of one and of the other.
    void rightToLeftKeepsValuesBesideCaptions()
    {
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        const auto restore = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
        const auto w = shown(545011200s, "UTC");
        const auto ink = [&](QWidget &widget) { // the columns drawn in, in window coordinates
            const QImage drawn = widget.grab().toImage();
            int first = drawn.width(), end = 0;
            for (int x = 0; x < drawn.width(); ++x)
                for (int y = 0; y < drawn.height(); ++y)
                    if (drawn.pixelColor(x, y) != widget.palette().color(QPalette::Window))
                        first = std::min(first, x), end = x + 1;
            const int left = widget.mapTo(w->window(), QPoint()).x();
            return std::pair(left + first, left + end);
        };
        for (const char *name : {"m_locn_source", "m_utc"}) {
            QLabel &caption = *w->window()->findChild<QLabel *>(QLatin1StringView(name) + u"Label"_s);
            const int gap = ink(caption).first - ink(readout(*w, name)).second;
            QVERIFY2(gap >= 0 && gap <= 16, qPrintable(u"%1: %2"_s.arg(QLatin1StringView(name)).arg(gap)));
        }
    }

    // A screen reader reads the read-out as a label named by its text, the new one each second.
    void accessibleNameIsTheText()
    {
        const auto w = shown(545011200s, "UTC");
        QAccessibleInterface *utc = QAccessible::queryAccessibleInterface(&readout(*w, "m_utc"));
        showAt(545011201s);
        QCOMPARE(utc->role(), QAccessible::StaticText);
        QCOMPARE(utc->text(QAccessible::Name), u"1987-04-10T00:00:01.000Z"_s);
    }

    // The band over the read-outs says what rang, the newest with how many more, to the eye and
    // the screen reader, stays through the seconds after and goes on a click or Escape.
    void alarmBanner_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("click") << false;
        QTest::newRow("Escape") << true;
    }

    void alarmBanner()
    {
        QFETCH(bool, escape);
        const auto w = shown(545011200s, "UTC");
        QVERIFY(QTest::qWaitForWindowActive(w->window()));
        auto &banner = *w->window()->findChild<AlarmBanner *>();
        const int readoutsTop = readout(*w, "m_utc").mapTo(w->window(), QPoint()).y();

        ClockReading reading = ClockUpdate::shared().reading();
        const Alarm dusk{u"Dusk"_s, TonightAlarm{AlarmEvent::astronomicalDusk}, 0};
        const Alarm flip{u"Flip M42"_s, TargetAlarm{u"M42"_s, 0}, 10};
        reading.alarmsRang = {{dusk, sys_days(April / 10 / 1987) + 18h, false}, {flip, sys_days(April / 10 / 1987) + 23h + 2min, true}};
        ClockUpdate::shared().show(reading);
        const QString text = u"Flip M42: 10 min before M42 crosses the meridian, at 23:02:00 (late: the computer was asleep), and 1 more"_s;
        QVERIFY(banner.isVisible());
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&banner);
        QCOMPARE((QStringList{accessible->text(QAccessible::Name), accessible->text(QAccessible::Description)}),
            (QStringList{u"Alarm"_s, text}));
        QCoreApplication::processEvents();
        QVERIFY(readout(*w, "m_utc").mapTo(w->window(), QPoint()).y() >= readoutsTop + banner.height());

        showAt(545011201s); // a second in which nothing rang
        QVERIFY(banner.isVisible());
        if (escape)
            QTest::keyClick(w->window(), Qt::Key_Escape);
        else
            QTest::mouseClick(&banner, Qt::LeftButton);
        QVERIFY(!banner.isVisible());
        QCoreApplication::processEvents();
        QCOMPARE(readout(*w, "m_utc").mapTo(w->window(), QPoint()).y(), readoutsTop);
    }

    // A recorded log: no fix yet, Greenwich, then two seconds later the Paris Observatory.
    void followsAnNmeaLog()
    {
        const QVariantMap log{{u"nmea.source"_s, QFINDTESTDATA("data/observatory-move.nmea")}};
        std::unique_ptr<QGeoPositionInfoSource> nmea(QGeoPositionInfoSource::createSource(u"nmea"_s, log, nullptr));
        QVERIFY2(nmea, "Qt's NMEA position plugin is missing");
        Location location([&] { return std::make_unique<PositionSource>(std::move(nmea)); });
        const auto at = [&] { return QList{qRound(location.currentPosition()->latitude * 1e4), qRound(location.currentPosition()->longitude * 1e4)}; };
        QVERIFY(!location.currentPosition());
        QTRY_VERIFY_WITH_TIMEOUT(location.currentPosition().has_value(), 10000);
        QCOMPARE(at(), QList({514769, -5}));
        QTRY_COMPARE_WITH_TIMEOUT(at(), QList({488363, 23365}), 10000);
    }
};

QTEST_MAIN(TestHoravaneWindow)
#include "tst_horavanewindow.moc"
