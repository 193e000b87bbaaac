#include "engine/GpsdReport.h"
#include "engine/Location.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>

using namespace Qt::StringLiterals;

namespace {

QString describe(const GpsdReport &report)
{
    if (const auto *fix = std::get_if<GpsdFix>(&report))
        return u"fix %1 %2 %3 %4"_s.arg(fix->mode).arg(fix->latitude).arg(fix->longitude)
            .arg(fix->altitude ? QString::number(*fix->altitude) : u"-"_s);
    if (const auto *sky = std::get_if<GpsdSatellites>(&report))
        return u"sky %1/%2"_s.arg(sky->used).arg(sky->seen);
    if (const auto *offset = std::get_if<GpsdTimeOffset>(&report))
        return u"%1 %2"_s.arg(offset->pulse ? u"pps"_s : u"toff"_s).arg(offset->seconds, 0, 'g', 12);
    return std::holds_alternative<GpsdIgnored>(report) ? u"ignored"_s : u"malformed"_s;
}

// An NMEA sentence with its checksum: the XOR of the characters between '$' and '*'.
QByteArray sentence(const QByteArray &body)
{
    char sum = 0;
    for (const char c : body)
        sum ^= c;
    return '$' + body + '*' + QByteArray::number(uchar(sum), 16).toUpper().rightJustified(2, '0') + "\r\n";
}

// Mount John University Observatory, 43.9856° S, 170.4650° E, 1029 m: a receiver using 8 of
// the 10 satellites it sees, whose clock runs timeShift ahead of the system's.
QByteArray mountJohnLog(std::chrono::seconds timeShift)
{
    QByteArray log;
    const QDateTime start = QDateTime::currentDateTimeUtc().addSecs(timeShift.count());
    for (int i = 0; i < 120; ++i) {
        const QDateTime t = start.addSecs(i);
        const QByteArray time = t.toString(u"HHmmss.00"_s).toLatin1(), date = t.toString(u"ddMMyy"_s).toLatin1();
        log += sentence("GPRMC," + time + ",A,4359.136,S,17027.900,E,0.0,0.0," + date + ",,,A");
        log += sentence("GPGGA," + time + ",4359.136,S,17027.900,E,1,08,0.9,1029.0,M,10.0,M,,");
        log += sentence("GPGSA,A,3,01,03,07,08,11,14,17,22,,,,,1.5,0.9,1.2");
        log += sentence("GPGSV,3,1,10,01,40,083,45,03,60,120,44,07,20,200,40,08,33,300,41");
        log += sentence("GPGSV,3,2,10,11,50,010,43,14,15,050,38,17,70,180,46,22,25,250,39");
        log += sentence("GPGSV,3,3,10,28,05,100,20,30,08,330,22");
    }
    return log;
}

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

// A real gpsd on port, fed log at about one fix a second, over and over, by gpsfake; ended by
// its pid (gpsfake takes its gpsd with it), killed if it will not end.
class Gpsfake
{
public:
    Gpsfake(quint16 port, const QString &log)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"PATH"_s, u"/usr/sbin:/usr/bin:/sbin:/bin"_s); // where gpsd lives
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // A Python script of Debian's own Python: not whichever python3 comes first on PATH.
        m_process.start(u"/usr/bin/gpsfake"_s, {u"-q"_s, u"-c"_s, u"0.16"_s, u"-P"_s, QString::number(port), log});
    }
    ~Gpsfake() { stop(); }
    bool started() { return m_process.waitForStarted(); }
    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        ::kill(pid_t(m_process.processId()), SIGTERM);
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished();
    }

private:
    QProcess m_process;
};

ObserverSettings gpsdAt(quint16 port)
{
    ObserverSettings settings;
    settings.source = LocationSource::useGpsd;
    settings.gpsdHost = u"127.0.0.1"_s;
    settings.gpsdPort = port;
    return settings;
}

Location noServiceLocation()
{
    return Location([] { return std::make_unique<PositionSource>(nullptr); });
}

// The socket of the client that location opens to fakeGpsd once gpsd is its source.
QTcpSocket *connectedTo(QTcpServer &fakeGpsd, Location &location)
{
    if (!fakeGpsd.listen(QHostAddress::LocalHost))
        return nullptr;
    location.setSettings(gpsdAt(fakeGpsd.serverPort()));
    location.observe(std::chrono::system_clock::now());
    return fakeGpsd.waitForNewConnection(5000) ? fakeGpsd.nextPendingConnection() : nullptr;
}

QString statusOf(Location &location)
{
    const auto observed = location.observe(std::chrono::system_clock::now());
    if (const auto *position = std::get_if<ObserverPosition>(&observed))
        return u"at %1 %2"_s.arg(position->latitude).arg(position->longitude);
    return noPositionText(std::get<NoPosition>(observed));
}

} // namespace

class tst_Gpsd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsOneLine_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("expected");
        const auto tpv = [](const char *name, const QByteArray &fields) -> QTestData & {
            return QTest::newRow(name) << "{\"class\":\"TPV\",\"device\":\"/dev/ttyACM0\"," + fields + '}';
        };
        tpv("3-D, above sea level", "\"mode\":3,\"lat\":-43.9856,\"lon\":170.465,\"altHAE\":1039.0,\"altMSL\":1029.0,\"alt\":1029.0")
            << u"fix 3 -43.9856 170.465 1029"_s;
        tpv("3-D, older gpsd", "\"mode\":3,\"lat\":51.4769,\"lon\":-0.0005,\"alt\":46.2") << u"fix 3 51.4769 -0.0005 46.2"_s;
        tpv("2-D: no altitude", "\"mode\":2,\"lat\":51.5,\"lon\":-0.1,\"alt\":12") << u"fix 2 51.5 -0.1 -"_s;
        tpv("mode 1: no fix", "\"mode\":1,\"lat\":\"nan\"") << u"fix 1 0 0 -"_s;
        tpv("north pole", "\"mode\":2,\"lat\":90,\"lon\":0") << u"fix 2 90 0 -"_s;
        tpv("date line east", "\"mode\":2,\"lat\":-16.5,\"lon\":180") << u"fix 2 -16.5 180 -"_s;
        tpv("date line west", "\"mode\":2,\"lat\":-16.5,\"lon\":-180") << u"fix 2 -16.5 -180 -"_s;
        tpv("beyond the pole", "\"mode\":2,\"lat\":90.0001,\"lon\":0") << u"malformed"_s;
        tpv("beyond the date line", "\"mode\":2,\"lat\":0,\"lon\":-180.5") << u"malformed"_s;
        tpv("NaN", "\"mode\":2,\"lat\":NaN,\"lon\":0") << u"malformed"_s;
        tpv("latitude as text", "\"mode\":3,\"lat\":\"nan\",\"lon\":0") << u"malformed"_s;
        tpv("fix without longitude", "\"mode\":2,\"lat\":10") << u"malformed"_s;
        tpv("mode 7", "\"mode\":7,\"lat\":10,\"lon\":10") << u"malformed"_s;
        QTest::newRow("cut short") << QByteArray("{\"class\":\"TPV\",\"mode\":3,\"lat\":-43.98") << u"malformed"_s;
        QTest::newRow("not an object") << QByteArray("[{\"class\":\"TPV\"}]") << u"malformed"_s;
        QTest::newRow("junk after the object") << QByteArray("{\"class\":\"SKY\",\"nSat\":9,\"uSat\":5} x") << u"malformed"_s;
        QTest::newRow("a name without quotes") << QByteArray("{class:\"SKY\",\"nSat\":9,\"uSat\":5}") << u"malformed"_s;
        QTest::newRow("a list left open") << QByteArray("{\"class\":\"SKY\",\"satellites\":[{\"used\":true},\"nSat\":9,\"uSat\":5}") << u"malformed"_s;
        QTest::newRow("no class") << QByteArray("{\"mode\":3,\"lat\":1,\"lon\":1}") << u"malformed"_s;
        QTest::newRow("unknown class") << QByteArray("{\"class\":\"GST\",\"rms\":2.1}") << u"ignored"_s;
        QTest::newRow("VERSION") << QByteArray("{\"class\":\"VERSION\",\"release\":\"3.22\",\"proto_major\":3}") << u"ignored"_s;
        QTest::newRow("SKY, used flags") << QByteArray("{\"class\":\"SKY\",\"satellites\":[{\"PRN\":1,\"used\":true},"
                                                       "{\"PRN\":3,\"used\":false},{\"PRN\":7,\"used\":true}]}")
                                         << u"sky 2/3"_s;
        QTest::newRow("SKY, counts") << QByteArray("{\"class\":\"SKY\",\"nSat\":9,\"uSat\":5}") << u"sky 5/9"_s;
        QTest::newRow("SKY, dilutions") << QByteArray("{\"class\":\"SKY\",\"hdop\":0.9}") << u"ignored"_s;
        // 1796800000.0 − 1796799187.7 = 812.3: the clock is behind.
        QTest::newRow("TOFF, clock slow") << QByteArray("{\"class\":\"TOFF\",\"real_sec\":1796800000,\"real_nsec\":0,"
                                                        "\"clock_sec\":1796799187,\"clock_nsec\":700000000}")
                                          << u"toff 812.3"_s;
        // 1796800000.000000000 − 1796800000.000002000: 2 µs ahead.
        QTest::newRow("PPS, clock fast") << QByteArray("{\"class\":\"PPS\",\"real_sec\":1796800000,\"real_nsec\":0,"
                                                       "\"clock_sec\":1796800000,\"clock_nsec\":2000}")
                                         << u"pps -2e-06"_s;
        // 1796800001.000000000 − 1796800000.999999000 = +1 µs, across the second.
        QTest::newRow("PPS, across a second") << QByteArray("{\"class\":\"PPS\",\"real_sec\":1796800001,\"real_nsec\":0,"
                                                            "\"clock_sec\":1796800000,\"clock_nsec\":999999000}")
                                              << u"pps 1e-06"_s;
        QTest::newRow("TOFF, no clock") << QByteArray("{\"class\":\"TOFF\",\"real_sec\":1796800000,\"real_nsec\":0}")
                                        << u"malformed"_s;
    }

    void readsOneLine()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, expected);
        QCOMPARE(describe(readGpsdLine(line)), expected);
    }

    // No gpsd yet, then a real one, then none again: the position comes with the first fix and
    // stays when gpsd goes, and what the receiver says goes with it.
    void followsARealGpsd()
    {
        if (!QFile::exists(u"/usr/bin/gpsfake"_s) || !QFile::exists(u"/usr/sbin/gpsd"_s))
            QSKIP("needs gpsd and gpsfake (Debian's gpsd and gpsd-clients)");
        QTemporaryDir folder;
        QFile log(folder.filePath(u"mount-john.nmea"_s));
        QVERIFY(log.open(QIODevice::WriteOnly) && log.write(mountJohnLog(std::chrono::seconds(812))) > 0);
        log.close();
        const quint16 port = freePort();
        const QString server = u"127.0.0.1:"_s + QString::number(port);
        Location location = noServiceLocation();
        location.setSettings(gpsdAt(port));
        QCOMPARE(statusOf(location), u"Waiting for gpsd at "_s + server);
        QTRY_COMPARE(statusOf(location), u"No gpsd at "_s + server);

        Location oneShot = noServiceLocation(); // waits for gpsd: found absent, it is not waited for
        oneShot.setSettings(gpsdAt(port));
        oneShot.awaitGpsdFix(std::chrono::seconds(20));
        QCOMPARE(statusOf(oneShot), u"No gpsd at "_s + server);

        Gpsfake gpsd(port, log.fileName());
        QVERIFY(gpsd.started());
        QTRY_COMPARE_WITH_TIMEOUT(statusOf(location), u"at -43.9856 170.465"_s, 20000);
        Location another = noServiceLocation(); // and, present, until its first fix
        another.setSettings(gpsdAt(port));
        another.awaitGpsdFix(std::chrono::seconds(20));
        QCOMPARE(statusOf(another), u"at -43.9856 170.465"_s);
        // gpsd reports the sky and a 2-D fix before it has read the whole of the first second.
        const auto settled = [&location] {
            const std::optional<GpsState> gps = location.gps();
            return gps && gps->fix == GpsState::Fix::threeD && gps->altitude == 1029.0 && gps->satellitesUsed == 8
                && gps->timeOffset;
        };
        QTRY_VERIFY_WITH_TIMEOUT(settled(), 10000);
        const GpsState gps = *location.gps();
        // The log's clock runs 812 s ahead: the system clock is that much slow. Replayed a
        // little faster or slower than real time, give or take a few seconds.
        QVERIFY2(std::abs(*gps.timeOffset - 812) < 10, qPrintable(QString::number(*gps.timeOffset)));

        gpsd.stop();
        QTRY_VERIFY(!location.gps());
        QCOMPARE(statusOf(location), u"at -43.9856 170.465"_s);
    }

    // A line of megabytes is passed over whole, without being held: what follows it still reads.
    void passesOverAHugeLine()
    {
        QTcpServer fakeGpsd;
        Location location = noServiceLocation();
        QTcpSocket *peer = connectedTo(fakeGpsd, location);
        QVERIFY(peer);
        peer->write("{\"class\":\"TPV\",\"mode\":2,\"lat\":-43.9856,\"lon\":170.465}"
                    "\n");
        peer->write("{\"class\":\"TPV\",\"mode\":2,\"lat\":10,\"lon\":10,\"pad\":\"" + QByteArray(3 << 20, 'x') + "\"}\n");
        peer->write("{\"class\":\"SKY\",\"nSat\":9,\"uSat\":5}"
                    "\n");
        QTRY_VERIFY(location.gps() && location.gps()->satellitesUsed == 5);
        QCOMPARE(statusOf(location), u"at -43.9856 170.465"_s);
    }

    // The pulse's time while pulses come, the messages' time once they stop.
    void prefersThePulse()
    {
        QTcpServer fakeGpsd;
        Location location = noServiceLocation();
        QTcpSocket *peer = connectedTo(fakeGpsd, location);
        QVERIFY(peer);
        const QByteArray toff = "{\"class\":\"TOFF\",\"real_sec\":100,\"real_nsec\":0,\"clock_sec\":99,\"clock_nsec\":0}\n";
        const QByteArray pps = "{\"class\":\"PPS\",\"real_sec\":100,\"real_nsec\":0,\"clock_sec\":100,\"clock_nsec\":0}\n";
        const QByteArray sky = "{\"class\":\"SKY\",\"nSat\":9,\"uSat\":%1}\n";
        const auto offsetAfter = [&](const QByteArray &reports, int mark) {
            peer->write(reports + QByteArray(sky).replace("%1", QByteArray::number(mark)));
            return QTest::qWaitFor([&] { return location.gps() && location.gps()->satellitesUsed == mark; })
                ? location.gps()->timeOffset.value_or(-1) : -1;
        };
        QCOMPARE(offsetAfter(toff + pps + toff, 1), 0.0);
        QCOMPARE(offsetAfter(toff, 2), 1.0);
    }
};

QTEST_GUILESS_MAIN(tst_Gpsd)
#include "tst_gpsd.moc"
