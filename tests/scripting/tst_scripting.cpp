#include "HoravaneProcess.h"
#include "scripting/ClockService.h"
#include "scripting/FollowLine.h"
#include "scripting/Snapshot.h"

#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusMetaType>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

#include <dbus/dbus.h>
#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <fcntl.h>
#include <poll.h>

using namespace Qt::StringLiterals;

namespace {
const QString busName = u"org.horavane.Horavane"_s, objectPath = u"/org/horavane/Horavane"_s;
// Mount John Observatory, and a DUT1 typed on 1 December.
constexpr double latitude = -43.9856, longitude = 170.4649, dut1 = 0.1234;

// 1970-01-01 as a modified Julian date, from ERFA's calendar.
double unixEpochMjd()
{
    double djm0, djm;
    eraCal2jd(1970, 1, 1, &djm0, &djm);
    return djm;
}

// ERFA's full series at a Unix millisecond: Greenwich mean and apparent sidereal time, in hours.
std::pair<double, double> erfaSidereal(qint64 ms)
{
    int y, m, d;
    double fraction, utc1, utc2, tai1, tai2, tt1, tt2, ut11, ut12;
    eraJd2cal(ERFA_DJM0, unixEpochMjd() + double(ms / 86400000), &y, &m, &d, &fraction);
    const int second = int(ms % 86400000 / 1000);
    eraDtf2d("UTC", y, m, d, second / 3600, second / 60 % 60, second % 60 + double(ms % 1000) / 1000, &utc1, &utc2);
    eraUtctai(utc1, utc2, &tai1, &tai2);
    eraTaitt(tai1, tai2, &tt1, &tt2);
    eraUtcut1(utc1, utc2, dut1, &ut11, &ut12);
    return {eraGmst06(ut11, ut12, tt1, tt2) * ERFA_DR2D / 15, eraGst06a(ut11, ut12, tt1, tt2) * ERFA_DR2D / 15};
}

// "key: value" lines, each value as text: QVariant reads numbers and true/false from it.
QVariantMap fromLines(const QByteArray &text)
{
    QVariantMap map;
    for (const QString &line : QString::fromUtf8(text).split(u'\n', Qt::SkipEmptyParts))
        map.insert(line.section(u": "_s, 0, 0), line.section(u": "_s, 1));
    return map;
}

// A night in the shape the almanac gives it; the times are made up, not worked out.
Night madeUpNight(QDate date, double north, double east, const std::array<const char *, nightEventCount> &events,
    const std::vector<std::pair<const char *, const char *>> &dark, double illumination, MoonPhase phase)
{
    const auto at = [](const char *iso) {
        return SkyInstant(std::chrono::seconds(QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate).toSecsSinceEpoch()));
    };
    Night night;
    night.date = date;
    night.latitude = north;
    night.longitude = east;
    for (std::size_t i = 0; i < events.size(); ++i)
        if (events[i])
            night.events[i] = at(events[i]);
    for (const auto &[start, end] : dark)
        night.dark.push_back({at(start), at(end)});
    night.moonIllumination = illumination;
    night.moonPhase = phase;
    return night;
}

// December at 52° N with the Moon up in the middle of the night: two dark intervals.
const Night winterNight = madeUpNight(QDate(2026, 12, 9), 52, 13.4,
    {"2026-12-09T14:52:10Z", "2026-12-09T15:34:05Z", "2026-12-09T16:15:40Z", "2026-12-09T16:58:00Z", "2026-12-10T04:56:00Z",
        "2026-12-10T05:38:20Z", "2026-12-10T06:20:45Z", "2026-12-10T07:02:30Z", "2026-12-09T21:28:00Z", "2026-12-10T03:56:00Z"},
    {{"2026-12-09T16:58:00Z", "2026-12-09T21:28:00Z"}, {"2026-12-10T03:56:00Z", "2026-12-10T04:56:00Z"}}, 0.75,
    MoonPhase::waningGibbous);
// June at 60.5° N: civil twilight all night, no moonrise, nothing dark.
const Night summerNight = madeUpNight(QDate(2019, 6, 21), 60.5, -1.25,
    {"2019-06-21T21:28:20Z", "2019-06-21T23:30:00Z", nullptr, nullptr, nullptr, nullptr, "2019-06-22T00:34:00Z",
        "2019-06-22T02:36:40Z", nullptr, "2019-06-22T08:15:00Z"},
    {}, 0.875, MoonPhase::waningGibbous);

enum class Hazard { none, stderrClosed, largeMessage, impostor }; // met by the running clock

// A call to the clock carrying the largest array a message may, sent through libdbus itself:
// QtDBus 6.4 stalls on a message this large in its own sender too.
void sendLargeMessage()
{
    DBusConnection *bus = dbus_bus_get_private(DBUS_BUS_SESSION, nullptr);
    DBusMessage *call = dbus_message_new_method_call(
        "org.horavane.Horavane", "/org/horavane/Horavane", "org.horavane.Horavane1", "Now");
    const QByteArray bytes((64 << 20) - 4096, 'x');
    const char *data = bytes.constData();
    dbus_message_append_args(call, DBUS_TYPE_ARRAY, DBUS_TYPE_BYTE, &data, int(bytes.size()), DBUS_TYPE_INVALID);
    dbus_message_set_no_reply(call, true);
    dbus_connection_send(bus, call, nullptr);
    dbus_connection_flush(bus);
    dbus_message_unref(call);
    dbus_connection_close(bus);
    dbus_connection_unref(bus);
}
} // namespace

class tst_Scripting : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void propertiesChanged(const QString &, const QVariantMap &changed, const QStringList &) { m_changes.append(changed); }

private Q_SLOTS:
    void init()
    {
        m_horavane.emplace();
        m_horavane->environment().insert(u"XDG_DATA_DIRS"_s, m_horavane->homePath() + u"/none"_s);
        QDir().mkpath(QFileInfo(m_horavane->settingsPath()).path());
        QFile settings(m_horavane->settingsPath());
        QVERIFY(settings.open(QIODevice::WriteOnly));
        const int source = QByteArray(QTest::currentDataTag()).endsWith("no position") ? 2 : 1; // the location service, or typed in
        settings.write("[General]\nPREFS_latitude=-43.9856\nPREFS_longitude=170.4649\nPREFS_DUT1=0.1234\nPREFS_DUT1_date=2026-12-01\n"
                       "Prefs_LocationSource=" + QByteArray::number(source) + '\n');
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("answer"); // how stdout begins, or stderr for a refusal
        QTest::newRow("version") << QStringList{u"--version"_s} << 0 << u"horavane " HORAVANE_VERSION "\n"_s;
        QTest::newRow("help") << QStringList{u"-h"_s} << 0 << u"Usage: "_s;
        QTest::newRow("unknown option") << QStringList{u"--now"_s, u"--bogus"_s} << 2 << u"horavane: Unknown option 'bogus'.\nUsage: "_s;
        QTest::newRow("unknown option alone") << QStringList{u"--bogus"_s} << 2 << u"horavane: Unknown option 'bogus'.\nUsage: "_s;
        QTest::newRow("stray argument") << QStringList{u"--now"_s, u"extra"_s} << 2 << u"horavane: Unexpected argument 'extra'.\nUsage: "_s;
        QTest::newRow("json alone") << QStringList{u"--json"_s} << 2 << u"horavane: --json goes with --now, --tonight or --follow.\nUsage: "_s;
        QTest::newRow("date without --tonight") << QStringList{u"--now"_s, u"--date"_s, u"2026-06-21"_s} << 2 << u"horavane: --date goes with --tonight.\nUsage: "_s;
        QTest::newRow("date malformed") << QStringList{u"--tonight"_s, u"--date"_s, u"2026-6-21"_s} << 2 << u"horavane: --date takes a date as YYYY-MM-DD, not '2026-6-21'.\nUsage: "_s;
        QTest::newRow("no option: the windows") << QStringList{} << 1 << u"horavane: cannot open display \":999\""_s;
        QTest::newRow("Qt's option: the windows") << QStringList{u"-style"_s, u"fusion"_s} << 1 << u"horavane: cannot open display \":999\""_s;
        QTest::newRow("stdout closed") << QStringList{u"--now"_s} << 1 << u"horavane: cannot write the output: Bad file descriptor"_s;
        QTest::newRow("follow, unknown key") << QStringList{u"--follow"_s, u"--format"_s, u"LST {lst}"_s} << 2 << u"horavane: --format: no key 'lst'"_s;
        QTest::newRow("follow, stdout closed") << QStringList{u"--follow"_s} << 1 << u"horavane: cannot write the output: Bad file descriptor"_s;
    }

    // With a display that does not exist: the windows cannot start, the answers still come.
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, answer);
        m_horavane->environment().insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        m_horavane->environment().insert(u"DISPLAY"_s, u":999"_s);
        m_horavane->environment().remove(u"WAYLAND_DISPLAY"_s);
        if (QByteArray(QTest::currentDataTag()).endsWith("stdout closed"))
            m_horavane->closeAtStart(STDOUT_FILENO);
        m_horavane->start(arguments);
        QVERIFY(m_horavane->waitForExit());
        QCOMPARE(m_horavane->process().exitCode(), status);
        const QString out = QString::fromUtf8(m_horavane->process().readAllStandardOutput()), err = m_horavane->lines().join(u'\n');
        QCOMPARE((status == 0 ? out : err).left(answer.size()), answer);
        QVERIFY((status == 0 ? err : out).isEmpty());
    }

    void snapshot_data()
    {
        QTest::addColumn<QStringList>("arguments"); // none: ask the running clock over D-Bus
        QTest::addColumn<Hazard>("hazard");
        QTest::newRow("lines") << QStringList{u"--now"_s} << Hazard::none;
        QTest::newRow("json") << QStringList{u"--now"_s, u"--json"_s} << Hazard::none;
        QTest::newRow("no position") << QStringList{u"--now"_s, u"--json"_s} << Hazard::none;
        QTest::newRow("D-Bus") << QStringList{} << Hazard::none;
        QTest::newRow("D-Bus, stderr closed") << QStringList{} << Hazard::stderrClosed;
        QTest::newRow("D-Bus after a 64 MiB message") << QStringList{} << Hazard::largeMessage;
        QTest::newRow("D-Bus after an impostor") << QStringList{} << Hazard::impostor;
    }

    void snapshot()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Hazard, hazard);
        const qint64 asked = QDateTime::currentMSecsSinceEpoch();
        QVariantMap now;
        if (!arguments.isEmpty()) {
            m_horavane->start(arguments);
            QVERIFY(m_horavane->waitForExit() && m_horavane->process().exitCode() == 0);
            const QByteArray out = m_horavane->process().readAllStandardOutput();
            now = arguments.contains(u"--json"_s) ? QJsonDocument::fromJson(out).object().toVariantMap() : fromLines(out);
        } else {
            QDBusConnectionInterface &bus = *QDBusConnection::sessionBus().interface();
            QDBusConnection impostor = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"impostor"_s);
            if (hazard == Hazard::impostor)
                QVERIFY(impostor.registerService(busName));
            if (hazard == Hazard::stderrClosed) { // the first warning then went into the X11 connection
                m_horavane->environment().insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
                m_horavane->closeAtStart(STDERR_FILENO);
            }
            m_horavane->start();
            if (hazard == Hazard::impostor) { // the clock waits for the name and takes it once it is free
                QVERIFY(m_horavane->waitForLine(u"Another program holds the D-Bus name"_s));
                QVERIFY(impostor.unregisterService(busName));
            }
            QTRY_VERIFY_WITH_TIMEOUT(bus.isServiceRegistered(busName) && bus.serviceOwner(busName).value() != impostor.baseService(), 20000);
            QDBusInterface clock(busName, objectPath, u"org.horavane.Horavane1"_s);
            clock.setTimeout(5000);
            if (hazard == Hazard::largeMessage) { // refused unread, and the clock back on the bus
                sendLargeMessage();
                QVERIFY(m_horavane->waitForLine(u"connecting again"_s));
            }
            QDBusReply<QVariantMap> reply;
            QTRY_VERIFY_WITH_TIMEOUT((reply = clock.call(u"Now"_s)).isValid(), 20000);
            const QString owner = bus.serviceOwner(busName);
            now = reply.value();
            const QDBusReply<QVariantMap> tonight = clock.call(u"Tonight"_s);
            QVERIFY(tonight.isValid() && tonight.value()[u"latitude"_s].toDouble() == latitude);
            QCOMPARE(clock.property("Latitude").toDouble(), latitude);
            QCOMPARE(clock.property("Source").toString(), u"manual"_s);
            // A second start hands over to the first: the name stays where it is.
            HoravaneProcess second;
            second.environment() = m_horavane->environment();
            second.start();
            QVERIFY(second.waitForExit() && second.process().exitCode() == 0);
            QCOMPARE(bus.serviceOwner(busName).value(), owner);
        }
        const bool positioned = QTest::currentDataTag() != "no position"_ba;
        QStringList keys = {u"unix"_s, u"utc"_s, u"jd"_s, u"mjd"_s, u"dut1"_s, u"dut1_source"_s, u"gmst"_s, u"gast"_s, u"source"_s, u"clock_synchronised"_s, u"clock_max_error"_s};
        if (positioned)
            keys << u"lmst"_s << u"last"_s << u"latitude"_s << u"longitude"_s << u"sun_altitude"_s << u"moon_altitude"_s << u"daylight"_s;
        if (!now.contains(u"clock_max_error"_s)) // only where the kernel says
            keys.removeLast();
        keys.sort();
        QCOMPARE(now.keys(), keys);

        const qint64 ms = std::llround(now[u"unix"_s].toDouble() * 1000);
        QVERIFY(ms >= asked - 1000 && ms <= QDateTime::currentMSecsSinceEpoch());
        QCOMPARE(now[u"utc"_s].toString(), QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc()).toString(u"yyyy-MM-ddTHH:mm:ss.zzz'Z'"_s));
        QCOMPARE(now[u"dut1_source"_s].toString(), u"typed:2026-12-01"_s);
        QCOMPARE(now[u"source"_s].toString(), positioned ? u"manual"_s : u"location-service"_s);
        const auto [gmst, gast] = erfaSidereal(ms);
        std::vector<std::pair<QString, double>> numbers = {{u"jd"_s, ERFA_DJM0 + unixEpochMjd() + double(ms) / 86400000}, {u"mjd"_s, unixEpochMjd() + double(ms) / 86400000}, {u"dut1"_s, dut1}, {u"gmst"_s, gmst}, {u"gast"_s, gast}};
        if (positioned)
            numbers.insert(numbers.end(), {{u"latitude"_s, latitude}, {u"longitude"_s, longitude}, {u"lmst"_s, std::fmod(gmst + longitude / 15, 24)}, {u"last"_s, std::fmod(gast + longitude / 15, 24)}});
        for (const auto &[key, expected] : numbers) // hours to 3.6 µs, days to 86 µs
            QVERIFY2(std::abs(now[key].toDouble() - expected) < 1e-9, qPrintable(key + u": "_s + now[key].toString()));
    }

    void lineTemplate_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected"); // the line, or the one line refusing the template
        QTest::newRow("the default line") << LineTemplate::standard() << u"LST 05:12:33 · UTC 21:40:07"_s;
        QTest::newRow("braces, plain values") << u"{{{latitude}}} {daylight}"_s << u"{-43.9856} night"_s;
        QTest::newRow("a whole second in hours") << u"{gast:hms}"_s << u"02:30:00"_s;
        QTest::newRow("absent keys") << u"{lmst:hms} {longitude}"_s << u"--:--:-- --"_s;
        QTest::newRow("unknown key") << u"{lst}"_s << u"--format: no key 'lst'"_s;
        QTest::newRow("form for another key") << u"{utc:hms}"_s << u"--format: no form 'hms' for 'utc' (hms goes with gmst, gast, lmst and last, time with utc)"_s;
        QTest::newRow("unclosed") << u"LST {last"_s << u"--format: a '{' without its '}' (write {{ for a brace)"_s;
        QTest::newRow("lone closing brace") << u"x}"_s << u"--format: a '}' without its '{' (write }} for a brace)"_s;
    }

    void lineTemplate()
    {
        QFETCH(QString, format);
        QFETCH(QString, expected);
        const std::vector<SnapshotEntry> snapshot{{"utc"_L1, u"2026-12-09T21:40:07.002Z"_s}, {"gast"_L1, 2.5},
            {"last"_L1, 18753.4 / 3600}, {"latitude"_L1, -43.9856}, {"daylight"_L1, u"night"_s}};
        const auto parsed = LineTemplate::parse(format);
        QCOMPARE(std::holds_alternative<QString>(parsed) ? std::get<QString>(parsed) : std::get<LineTemplate>(parsed).textOf(snapshot), expected);
    }

    void follow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("pipeFull"); // at the start, read only after a few seconds
        QTest::newRow("default line") << QStringList{u"--follow"_s} << false;
        QTest::newRow("format") << QStringList{u"--follow"_s, u"--format"_s, u"{utc:time}|{last:hms}|{latitude}"_s} << false;
        QTest::newRow("json") << QStringList{u"--follow"_s, u"--json"_s} << false;
        QTest::newRow("waybar") << QStringList{u"--follow"_s, u"--waybar"_s} << false;
        QTest::newRow("a reader that stops") << QStringList{u"--follow"_s} << true;
        QTest::newRow("follow, no position") << QStringList{u"--follow"_s} << false;
    }

    // Read from a pipe: a line a second, each with the LST of its second, recent after the
    // reader has stalled; the end of the pipe is the end of the program. What a loaded machine
    // may do to the cadence is left to bench/follow.
    void follow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, pipeFull);
        int pipe[2];
        QVERIFY(::pipe2(pipe, O_CLOEXEC) == 0);
        m_horavane->process().setChildProcessModifier([out = pipe[1]] { ::dup2(out, STDOUT_FILENO); });
        if (pipeFull) { // a page, filled with empty lines
            ::fcntl(pipe[1], F_SETPIPE_SZ, 4096);
            ::fcntl(pipe[1], F_SETFL, O_NONBLOCK);
            while (::write(pipe[1], "\n", 1) == 1) {
            }
            ::fcntl(pipe[1], F_SETFL, 0); // as a reader's pipe comes: blocking
        }
        m_horavane->start(arguments);
        ::close(pipe[1]);
        if (pipeFull)
            QTest::qWait(3500); // ticks with nowhere to go
        const qint64 reading = QDateTime::currentSecsSinceEpoch();
        QByteArray text;
        QStringList lines;
        while (lines.size() < 3) {
            pollfd ready{pipe[0], POLLIN, 0};
            QVERIFY(::poll(&ready, 1, 20000) == 1);
            char buffer[8192];
            const ssize_t n = ::read(pipe[0], buffer, sizeof buffer);
            QVERIFY2(n > 0, qPrintable(m_horavane->lines().join(u'\n')));
            text += QByteArray(buffer, n);
            lines = QString::fromUtf8(text.left(text.lastIndexOf('\n'))).split(u'\n', Qt::SkipEmptyParts);
        }
        ::close(pipe[0]);
        QVERIFY(m_horavane->waitForExit());
        QCOMPARE(m_horavane->process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_horavane->process().exitCode(), 0);
        QCOMPARE(m_horavane->lines(), QStringList());

        const bool positioned = !QByteArray(QTest::currentDataTag()).endsWith("no position");
        const QDate today = QDateTime::currentDateTimeUtc().date();
        qint64 previous = -1;
        qint64 shortestStep = 86400;
        for (const QString &line : lines) {
            QString utc, lst; // HH:MM:SS
            double lastHours = -1;
            if (arguments.contains(u"--json"_s) || arguments.contains(u"--waybar"_s)) {
                const QJsonObject object = QJsonDocument::fromJson(line.toUtf8()).object();
                if (arguments.contains(u"--waybar"_s)) {
                    const QString health = object[u"class"_s].toString(); // the machine's kernel says which
                    QVERIFY2(health == u"ok"_s || health == u"unsynchronised"_s, qPrintable(health));
                    QVERIFY(object[u"tooltip"_s].toString().startsWith(u"unix: "_s));
                    const QStringList parts = object[u"text"_s].toString().split(u' ');
                    lst = parts.value(1), utc = parts.value(4);
                } else {
                    utc = object[u"utc"_s].toString().mid(11, 8);
                    lastHours = object[u"last"_s].toDouble(-1);
                }
            } else {
                const QStringList parts = line.split(arguments.contains(u"--format"_s) ? u"|"_s : u" "_s);
                if (arguments.contains(u"--format"_s)) {
                    utc = parts.value(0), lst = parts.value(1);
                    QCOMPARE(parts.value(2).toDouble(), latitude);
                } else {
                    QCOMPARE(line, u"LST %1 · UTC %2"_s.arg(parts.value(1), parts.value(4)));
                    lst = parts.value(1), utc = parts.value(4);
                }
            }
            const QTime time = QTime::fromString(utc, u"HH:mm:ss"_s);
            QVERIFY2(time.isValid(), qPrintable(line));
            // Today's second (the test may straddle midnight UTC: then it was yesterday's).
            qint64 second = QDateTime(today, time, QTimeZone::utc()).toSecsSinceEpoch();
            if (second > QDateTime::currentSecsSinceEpoch() + 1)
                second -= 86400;
            // Never a second twice nor out of order; a second may go missing when the machine
            // is too busy to run the tick in it, as it may for any program.
            if (previous >= 0) {
                QVERIFY2(second > previous, qPrintable(line));
                shortestStep = std::min(shortestStep, second - previous);
            } else if (pipeFull) { // not a line left from before the stall
                QVERIFY2(second >= reading - 1, qPrintable(line));
            }
            previous = second;
            if (!positioned) {
                QVERIFY2(lst == u"--:--:--"_s || lastHours == -1, qPrintable(line));
                continue;
            }
            const double expected = std::fmod(erfaSidereal(second * 1000).second + longitude / 15 + 24, 24) * 3600;
            if (lastHours >= 0) { // the whole second's, as the windows show it
                QVERIFY2(std::abs(lastHours * 3600 - expected) < 1e-5, qPrintable(line));
                continue;
            }
            const QTime shown = QTime::fromString(lst, u"HH:mm:ss"_s);
            QVERIFY2(shown.isValid(), qPrintable(line));
            QCOMPARE(shown.msecsSinceStartOfDay() / 1000, int(expected));
        }
        QCOMPARE(shortestStep, 1); // a line a second, not every other
    }

    // Every key in its place whatever the night lacks: what does not happen is null, the dark
    // hours are ISO 8601 intervals.
    void tonightText_data()
    {
        QTest::addColumn<Night>("night");
        QTest::addColumn<bool>("json");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("two dark intervals, lines") << winterNight << false << QByteArray(
            "sunset: 2026-12-09T14:52:10.000Z\ncivil_dusk: 2026-12-09T15:34:05.000Z\nnautical_dusk: 2026-12-09T16:15:40.000Z\n"
            "astronomical_dusk: 2026-12-09T16:58:00.000Z\nastronomical_dawn: 2026-12-10T04:56:00.000Z\n"
            "nautical_dawn: 2026-12-10T05:38:20.000Z\ncivil_dawn: 2026-12-10T06:20:45.000Z\nsunrise: 2026-12-10T07:02:30.000Z\n"
            "moonrise: 2026-12-09T21:28:00.000Z\nmoonset: 2026-12-10T03:56:00.000Z\ndate: 2026-12-09\nlatitude: 52\nlongitude: 13.4\n"
            "moon_illumination: 0.75\nmoon_phase: waning_gibbous\n"
            "dark: 2026-12-09T16:58:00.000Z/2026-12-09T21:28:00.000Z 2026-12-10T03:56:00.000Z/2026-12-10T04:56:00.000Z\n"
            "dark_hours: 5.5\n");
        QTest::newRow("two dark intervals, json") << winterNight << true << QByteArray(
            R"({"sunset":"2026-12-09T14:52:10.000Z","civil_dusk":"2026-12-09T15:34:05.000Z","nautical_dusk":"2026-12-09T16:15:40.000Z",)"
            R"("astronomical_dusk":"2026-12-09T16:58:00.000Z","astronomical_dawn":"2026-12-10T04:56:00.000Z",)"
            R"("nautical_dawn":"2026-12-10T05:38:20.000Z","civil_dawn":"2026-12-10T06:20:45.000Z","sunrise":"2026-12-10T07:02:30.000Z",)"
            R"("moonrise":"2026-12-09T21:28:00.000Z","moonset":"2026-12-10T03:56:00.000Z","date":"2026-12-09","latitude":52,"longitude":13.4,)"
            R"("moon_illumination":0.75,"moon_phase":"waning_gibbous",)"
            R"("dark":[["2026-12-09T16:58:00.000Z","2026-12-09T21:28:00.000Z"],["2026-12-10T03:56:00.000Z","2026-12-10T04:56:00.000Z"]],)"
            R"("dark_hours":5.5})" "\n");
        QTest::newRow("no dark, lines") << summerNight << false << QByteArray(
            "sunset: 2019-06-21T21:28:20.000Z\ncivil_dusk: 2019-06-21T23:30:00.000Z\nnautical_dusk: null\nastronomical_dusk: null\n"
            "astronomical_dawn: null\nnautical_dawn: null\ncivil_dawn: 2019-06-22T00:34:00.000Z\nsunrise: 2019-06-22T02:36:40.000Z\n"
            "moonrise: null\nmoonset: 2019-06-22T08:15:00.000Z\ndate: 2019-06-21\nlatitude: 60.5\nlongitude: -1.25\n"
            "moon_illumination: 0.875\nmoon_phase: waning_gibbous\ndark: \ndark_hours: 0\n");
    }

    void tonightText()
    {
        QFETCH(Night, night);
        QFETCH(bool, json);
        QFETCH(QByteArray, expected);
        const std::vector<SnapshotEntry> entries = tonightOf(night);
        QCOMPARE(json ? snapshotJson(entries) : snapshotLines(entries), expected);
    }

    void tonightCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("refusal"); // stderr's one line, exit status 1; none: answered
        QTest::newRow("60° N, 21 June 2019") << QStringList{u"--tonight"_s, u"--json"_s, u"--date"_s, u"2019-06-21"_s} << QString();
        QTest::newRow("no position") << QStringList{u"--tonight"_s} << u"horavane: no position: "_s; // then why, as this desktop has it
        QTest::newRow("before 1900") << QStringList{u"--tonight"_s, u"--date"_s, u"1850-01-01"_s}
                                     << u"horavane: no night for 1850-01-01: the almanac covers the years 1900 to 2100 only"_s;
    }

    // The stored position's night, against the USNO's published times; and the nights that cannot be told.
    void tonightCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, refusal);
        QFile settings(m_horavane->settingsPath());
        if (refusal.isEmpty()) // the USNO's table "Rise and Set for the Sun for 2019", Location: 000 00, N60 00
            QVERIFY(settings.open(QIODevice::WriteOnly) && settings.write("[General]\nPREFS_latitude=60\nPREFS_longitude=0\nPrefs_LocationSource=1\n") > 0);
        settings.close();
        m_horavane->environment().insert(u"TZ"_s, u"Europe/London"_s);
        m_horavane->start(arguments);
        QVERIFY(m_horavane->waitForExit());
        QCOMPARE(m_horavane->process().exitCode(), refusal.isEmpty() ? 0 : 1);
        const QStringList lines = m_horavane->lines();
        QCOMPARE(lines.size(), refusal.isEmpty() ? 0 : 1);
        QVERIFY(refusal.isEmpty() || lines.first().startsWith(refusal));
        if (!refusal.isEmpty())
            return;
        QVERIFY2(!m_horavane->chronycAsked(), "the night does not depend on the clock's synchronisation: nothing to wait for");
        const QByteArray out = m_horavane->process().readAllStandardOutput();
        const QJsonObject night = QJsonDocument::fromJson(out).object();
        qsizetype last = -1;
        for (const char *key : {"sunset", "civil_dusk", "nautical_dusk", "astronomical_dusk", "astronomical_dawn", "nautical_dawn", "civil_dawn",
                 "sunrise", "moonrise", "moonset", "date", "latitude", "longitude", "moon_illumination", "moon_phase", "dark", "dark_hours"}) {
            const qsizetype at = out.indexOf(QByteArray('"' + QByteArray(key) + "\":"));
            QVERIFY2(at > last, key);
            last = at;
        }
        QCOMPARE(night.size(), 17);
        // The Sun stays above −12° all night at 60° N in June: civil twilight, nothing darker.
        for (const char *key : {"nautical_dusk", "astronomical_dusk", "astronomical_dawn", "nautical_dawn"})
            QVERIFY2(night[QLatin1StringView(key)].isNull(), key);
        QCOMPARE(night[u"dark"_s].toArray(), QJsonArray());
        QCOMPARE(night[u"date"_s].toString(), u"2019-06-21"_s);
        // The USNO's 21 June sunset and 22 June sunrise, to the minute.
        const std::pair<const char *, const char *> published[] = {{"sunset", "2019-06-21T21:28:00Z"}, {"sunrise", "2019-06-22T02:36:00Z"}};
        for (const auto &[key, usno] : published) {
            const QDateTime ours = QDateTime::fromString(night[QLatin1StringView(key)].toString(), Qt::ISODateWithMs);
            QVERIFY2(std::abs(ours.secsTo(QDateTime::fromString(QString::fromLatin1(usno), Qt::ISODate))) <= 60, key);
        }
    }

    // Over the bus the same map, less what does not happen (a variant cannot be null), the dark
    // hours as pairs of texts; without a night, an error that says why.
    void tonightOverDBus()
    {
        qDBusRegisterMetaType<QList<QStringList>>();
        ClockReading reading;
        reading.observer = NoPosition::storedPositionUnusable;
        ClockService clock([&reading] { return reading; });
        clock.serve(QDBusConnection::SessionBus);
        const QDBusMessage call = QDBusMessage::createMethodCall(busName, objectPath, u"org.horavane.Horavane1"_s, u"Tonight"_s);
        QDBusPendingReply<QVariantMap> none = QDBusConnection::sessionBus().asyncCall(call); // answered by this thread's loop
        QTRY_VERIFY(none.isFinished());
        QCOMPARE(none.error().name(), u"org.horavane.Horavane1.Error.NoNight"_s);
        QCOMPARE(none.error().message(), u"The stored position is not one on Earth: type it again in Preferences"_s);

        Night night = winterNight;
        night.events[static_cast<std::size_t>(NightEvent::moonrise)].reset();
        reading.observer = ObserverPosition{52, 13.4};
        reading.night = std::make_shared<const Night>(night);
        QDBusPendingReply<QVariantMap> tonight = QDBusConnection::sessionBus().asyncCall(call);
        QTRY_VERIFY(tonight.isFinished());
        const QVariantMap map = tonight.value();
        QVERIFY(!map.contains(u"moonrise"_s));
        QCOMPARE(map.size(), 16);
        QCOMPARE(map[u"moonset"_s].toString(), u"2026-12-10T03:56:00.000Z"_s);
        const QDBusArgument dark = map[u"dark"_s].value<QDBusArgument>();
        QCOMPARE(dark.currentSignature(), u"aas"_s);
        QCOMPARE(qdbus_cast<QList<QStringList>>(dark),
            (QList<QStringList>{{u"2026-12-09T16:58:00.000Z"_s, u"2026-12-09T21:28:00.000Z"_s}, {u"2026-12-10T03:56:00.000Z"_s, u"2026-12-10T04:56:00.000Z"_s}}));
    }

    // The sites come last, each a map, in lines as JSON; over the bus a list of maps.
    void sitesComeLast()
    {
        ClockReading reading;
        reading.instant = std::chrono::sys_days(std::chrono::December / 7 / 2026) + std::chrono::hours(23);
        SiteReading site;
        site.site = Site{u"Calar Alto"_s, 37.2236, -2.5463, 2168, "Europe/Madrid"};
        site.utcOffsetSeconds = 3600;
        site.siderealSeconds = 66600; // 18 h 30 m
        site.daylight = Daylight::night;
        reading.sites = {site};
        QVERIFY(snapshotLines(snapshotOf(reading)).endsWith("\nsites: [{\"daylight\":\"night\",\"last\":18.5,"
                                                             "\"local_time\":\"2026-12-08T00:00:00.000+01:00\",\"name\":\"Calar Alto\","
                                                             "\"zone\":\"Europe/Madrid\"}]\n"));
        ClockService clock([&reading] { return reading; });
        clock.serve(QDBusConnection::SessionBus);
        const QDBusMessage call = QDBusMessage::createMethodCall(busName, objectPath, u"org.horavane.Horavane1"_s, u"Now"_s);
        QDBusPendingReply<QVariantMap> now = QDBusConnection::sessionBus().asyncCall(call);
        QTRY_VERIFY(now.isFinished());
        QVERIFY2(!now.isError(), qPrintable(now.error().message()));
        const QDBusArgument sites = now.value()[u"sites"_s].value<QDBusArgument>();
        QCOMPARE(sites.currentSignature(), u"av"_s);
    }

    // What the GPS receiver says comes last, each part once it is known.
    void gpsKeys()
    {
        ClockReading reading;
        reading.settings.source = LocationSource::useGpsd;
        reading.gps = GpsState{GpsState::Fix::threeD, 1029, 8, 812.3};
        QVERIFY(snapshotLines(snapshotOf(reading)).endsWith("source: gpsd\nclock_synchronised: false\ngps_fix: 3d\ngps_satellites: 8\ngps_time_offset: 812.3\n"));
        reading.gps = GpsState{};
        QVERIFY(snapshotLines(snapshotOf(reading)).endsWith("clock_synchronised: false\ngps_fix: none\n"));
    }

    // Each change is announced once, with only what changed; a reading like the last, nothing.
    void propertiesAnnounceChanges()
    {
        ClockReading reading;
        reading.settings.source = LocationSource::useManual;
        reading.observer = ObserverPosition{latitude, longitude};
        ClockService clock([&reading] { return reading; });
        clock.serve(QDBusConnection::SessionBus);
        QDBusConnection listener = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"listener"_s);
        QVERIFY(listener.connect(busName, objectPath, u"org.freedesktop.DBus.Properties"_s, u"PropertiesChanged"_s, this,
            SLOT(propertiesChanged(QString, QVariantMap, QStringList))));

        reading.settings.source = LocationSource::useCoreLocation;
        reading.observer = NoPosition::waitingForFix;
        reading.time.clock = ClockHealth{true, std::chrono::milliseconds(3), {}};
        reading.time.sync = ClockSync{ClockSync::Daemon::chrony, u"PPS"_s, 1, std::chrono::duration<double>(-2e-6), std::chrono::duration<double>(2.05e-5), {}};
        clock.publish(reading);
        clock.publish(reading);
        clock.setNightVision(true);
        QTRY_COMPARE(m_changes.size(), 2);
        QCOMPARE(QStringList(m_changes[0].keys()), QStringList({u"ClockErrorBound"_s, u"ClockReference"_s, u"ClockSynchronised"_s, u"Latitude"_s, u"Longitude"_s, u"Source"_s}));
        QCOMPARE(m_changes[0][u"ClockErrorBound"_s].toDouble(), 21e-6); // the daemon's, to the microsecond above
        const QVariantMap now = clock.Now();
        QCOMPARE((QVariantList{now[u"clock_reference"_s], now[u"clock_stratum"_s], now[u"clock_offset"_s], now[u"clock_error_bound"_s]}),
            (QVariantList{u"PPS"_s, 1, -2e-6, 21e-6}));
        QCOMPARE(m_changes[0][u"Source"_s].toString(), u"location-service"_s);
        QVERIFY(std::isnan(m_changes[0][u"Latitude"_s].toDouble()));
        QCOMPARE(m_changes[1], QVariantMap({{u"NightVision"_s, true}}));
    }

private:
    std::optional<HoravaneProcess> m_horavane;
    QList<QVariantMap> m_changes;
};

QTEST_GUILESS_MAIN(tst_Scripting)
#include "tst_scripting.moc"
