#include "timescales/ChronyReader.h"
#include "timescales/TimesyncReader.h"

#include <QDBusInterface>
#include <QDBusVariant>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

#include <csignal>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace std::chrono;

Q_DECLARE_METATYPE(std::optional<ClockSync>)

namespace {

// A daemon the test starts and ends: TERM, then KILL if it lingers.
struct Daemon
{
    QProcess process;
    ~Daemon()
    {
        process.terminate();
        if (!process.waitForFinished(3000))
            process.kill(), process.waitForFinished();
    }
};

// chronyd and chronyc: scripts/setup unpacks them into the developer's cache when chrony is not
// installed (installing it would remove systemd-timesyncd), else the system's.
QString chronyTool(const QString &path)
{
    const QString unpacked = QStringLiteral(CHRONY_ROOT) + path;
    return QFile::exists(unpacked) ? unpacked : QFile::exists(path) ? path : QString();
}

void writeScript(const QString &path, const QByteArray &body)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body + '\n');
    file.close();
    QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
}

ClockSync sync(ClockSync::Daemon daemon, const QString &reference, int stratum, double offset, double bound,
    ClockSync::Leap leap = ClockSync::Leap::none)
{
    return {daemon, reference, stratum, duration<double>(offset), duration<double>(bound), leap};
}

bool near(const std::optional<ClockSync> &a, const std::optional<ClockSync> &b)
{
    if (!a || !b)
        return a.has_value() == b.has_value();
    return a->daemon == b->daemon && a->reference == b->reference && a->stratum == b->stratum && a->leap == b->leap
        && std::abs((*a->offset - *b->offset).count()) < 1e-9 && std::abs((a->errorBound - b->errorBound).count()) < 1e-9;
}

} // namespace

class TestClockSync : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // chronyc's CSV answers: the first two as chronyd 4.3 gave them to this suite's daemon
    // (synchronised to the fed PPS refclock, and just started), the rest what else may come.
    // Bound = |offset| + root dispersion + root delay / 2.
    void chronyAnswers_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<std::optional<ClockSync>>("expected");
        const auto chrony = ClockSync::Daemon::chrony;
        QTest::newRow("refclock") << "50505300,PPS,1,1796798811.206313258,0.001000000,-0.000000000,0.000000000,-0.000,-0.000,0.000,0.000000001,0.000009001,2.0,Normal\n"_ba
                                  << std::optional(sync(chrony, u"PPS"_s, 1, 0.001, 0.001 + 0.000009001 + 0.0000000005));
        QTest::newRow("not synchronised") << "00000000,,0,0.000000000,0.000000000,0.000000000,0.000000000,0.000,0.000,0.000,1.000000000,1.000000000,0.0,Not synchronised\n"_ba << std::optional<ClockSync>();
        QTest::newRow("server, slow clock, leap second") << "C0A80105,192.168.1.5,3,1796798811.2,-0.000800000,0,0,0,0,0,0.004000000,0.000300000,64.0,Insert second"_ba
                                  << std::optional(sync(chrony, u"192.168.1.5"_s, 3, -0.0008, 0.0008 + 0.0003 + 0.002, ClockSync::Leap::insertSecond));
        QTest::newRow("daemon absent") << "506 Cannot talk to daemon\n"_ba << std::optional<ClockSync>();
        QTest::newRow("empty") << QByteArray() << std::optional<ClockSync>();
        QTest::newRow("NaN offset") << "50505300,PPS,1,0,nan,0,0,0,0,0,0,0,2.0,Normal"_ba << std::optional<ClockSync>();
        QTest::newRow("negative dispersion") << "50505300,PPS,1,0,0.001,0,0,0,0,0,0,-1,2.0,Normal"_ba << std::optional<ClockSync>();
        QTest::newRow("control characters") << "50505300,P\x1b[2JS,1,0,0.001,0,0,0,0,0,0,0,2.0,Normal"_ba << std::optional<ClockSync>();
        QTest::newRow("two answers") << "50505300,PPS,1,0,0.001,0,0,0,0,0,0,0,2.0,Normal\n50505300,PPS,1,0,0.001,0,0,0,0,0,0,0,2.0,Normal\n"_ba << std::optional<ClockSync>();
    }

    void chronyAnswers()
    {
        QFETCH(QByteArray, csv);
        QFETCH(std::optional<ClockSync>, expected);
        QVERIFY(near(clockSyncFromChrony(csv), expected));
    }

    // A real chronyd, which never touches the clock (-x), follows a SOCK refclock the test
    // feeds with the system clock 2.5 ms behind; chronyc, reached through a wrapper first on
    // PATH, reads it over the loopback command port.
    void chronyDaemon()
    {
        const QString chronyd = chronyTool(u"/usr/sbin/chronyd"_s), chronyc = chronyTool(u"/usr/bin/chronyc"_s);
        if (chronyd.isEmpty() || chronyc.isEmpty())
            QSKIP("chrony is neither installed nor unpacked by scripts/setup");
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        QUdpSocket probe; // a free port for the command socket
        QVERIFY(probe.bind(QHostAddress::LocalHost, 0));
        const QString port = QString::number(probe.localPort());
        probe.close();
        const QString refclock = dir.filePath(u"refclock.sock"_s);
        QFile conf(dir.filePath(u"chrony.conf"_s));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(QStringLiteral("port 0\ncmdport %1\nbindcmdaddress 127.0.0.1\nbindcmdaddress %2/chronyd.sock\n"
                                  "cmdallow 127.0.0.1\npidfile %2/chronyd.pid\ndriftfile %2/drift\n"
                                  "refclock SOCK %3 refid PPS poll 0\n")
                       .arg(port, dir.path(), refclock)
                       .toUtf8());
        conf.close();
        Daemon daemon;
        daemon.process.setStandardErrorFile(dir.filePath(u"chronyd.log"_s));
        // As whoever runs the test: -U lets it start without root, and -u keeps root, when the
        // test has it, from switching to a _chrony user that an unpacked chrony lacks.
        daemon.process.start(chronyd, {u"-x"_s, u"-d"_s, u"-U"_s, u"-u"_s, QString::fromLocal8Bit(getpwuid(geteuid())->pw_name), u"-f"_s, conf.fileName()});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(refclock), 10000);
        writeScript(dir.filePath(u"chronyc"_s), "exec '" + chronyc.toLocal8Bit() + "' -h 127.0.0.1 -p " + port.toLatin1() + " \"$@\"");

        // struct sock_sample of chrony's refclock_sock.c: the system time of the sample and the
        // reference minus it.
        struct Sample
        {
            timeval tv;
            double offset;
            int pulse, leap, pad, magic;
        };
        const int feed = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_un to{};
        to.sun_family = AF_UNIX;
        std::strncpy(to.sun_path, QFile::encodeName(refclock).constData(), sizeof to.sun_path - 1);
        const double fed = 0.0025;
        QByteArray answer;
        for (int i = 0; i < 120 && !answer.contains(",PPS,1,"); ++i) { // selected after about five samples
            Sample sample{{}, fed, 0, 0, 0, 0x534f434b};
            ::gettimeofday(&sample.tv, nullptr);
            ::sendto(feed, &sample, sizeof sample, 0, reinterpret_cast<sockaddr *>(&to), sizeof to);
            QProcess ask;
            ask.start(dir.filePath(u"chronyc"_s), {u"-c"_s, u"-n"_s, u"tracking"_s});
            ask.waitForFinished();
            answer = ask.readAllStandardOutput();
            QTest::qWait(250); // samples come at the rate of a reference clock
        }
        ::close(feed);
        QVERIFY2(answer.contains(",PPS,1,"), [&] { QFile log(dir.filePath(u"chronyd.log"_s)); log.open(QIODevice::ReadOnly); return QByteArray(log.readAll() + answer); }().constData());

        qputenv("PATH", dir.path().toLocal8Bit() + ':' + qgetenv("PATH"));
        ChronyReader reader;
        QSignalSpy answered(&reader, &ChronyReader::answered);
        QVERIFY(answered.wait(10000));
        const std::optional<ClockSync> read = reader.latest();
        QVERIFY2(read, answer.constData());
        QCOMPARE(read->reference, u"PPS"_s);
        QCOMPARE(read->stratum, 1);
        QVERIFY2(std::abs(read->offset->count() - fed) < 1e-6, qPrintable(QString::number(read->offset->count())));
        QVERIFY(read->errorBound.count() >= fed && read->errorBound.count() < fed + 1e-3);
    }

    // A chronyc that hangs, prints junk without end or fails is passed over: one answer of
    // nothing, the process ended; a missing one is never run.
    void chronycMisbehaves_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QByteArray>("said"); // on stderr
        const QByteArray junk = "tst_clocksync: chrony passed over: chronyc answered something other than chrony's tracking report";
        QTest::newRow("hangs") << "echo $$ > \"$0.pid\"; exec sleep 600"_ba << "tst_clocksync: chrony passed over: chronyc did not answer within 0.3 s"_ba;
        QTest::newRow("endless junk") << "echo $$ > \"$0.pid\"; exec yes 50505300,PPS,1"_ba << junk;
        QTest::newRow("a page of help") << "echo $$ > \"$0.pid\"; echo 'Usage: chronyc [OPTION]... [COMMAND]...'"_ba << junk;
        QTest::newRow("daemon absent") << "echo $$ > \"$0.pid\"; echo '506 Cannot talk to daemon'; exit 1"_ba << QByteArray();
        QTest::newRow("missing") << QByteArray() << QByteArray();
    }

    void chronycMisbehaves()
    {
        QFETCH(QByteArray, script);
        QFETCH(QByteArray, said);
        if (!said.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, said.constData());
        QTemporaryDir dir;
        const QString program = dir.filePath(u"chronyc"_s);
        if (!script.isEmpty())
            writeScript(program, script);
        ChronyReader reader(program, milliseconds(300));
        QSignalSpy answered(&reader, &ChronyReader::answered);
        if (script.isEmpty()) {
            QVERIFY(reader.hasAnswered());
            QCoreApplication::processEvents();
            QCOMPARE(answered.count(), 0); // not even once
            return;
        }
        QVERIFY(answered.wait(10000));
        QVERIFY(!reader.latest());
        QFile pidFile(program + u".pid"_s);
        QVERIFY(pidFile.open(QIODevice::ReadOnly));
        const pid_t pid = pidFile.readAll().trimmed().toInt();
        QVERIFY(pid > 0 && ::kill(pid, 0) == -1); // ended, and reaped
    }

    // systemd-timesyncd as python3-dbusmock plays it on a private system bus. Its last answer,
    // worked by hand: T1 = t, T2 = t + 10.5 ms, T3 = t + 10.6 ms, T4 = t + 1.1 ms, so the offset
    // is ((T2 − T1) + (T3 − T4)) / 2 = (10.5 + 9.5) / 2 = +10 ms; root delay 2 ms and root
    // dispersion 0.5 ms bound the error at 10 + 0.5 + 2 / 2 = 11.5 ms. The server is at
    // stratum 2, the clock it sets at 3. Then a change of NTPMessage to a string, announced,
    // and timesyncd's end.
    void timesyncd()
    {
        QTemporaryDir dir;
        Daemon bus;
        bus.process.start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address=1"_s});
        QVERIFY(bus.process.waitForReadyRead(10000));
        const QString address = QString::fromUtf8(bus.process.readLine().trimmed());
        Daemon mock;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"DBUS_SYSTEM_BUS_ADDRESS"_s, address);
        mock.process.setProcessEnvironment(environment);
        mock.process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        mock.process.setStandardOutputFile(QProcess::nullDevice()); // its log of every call
        const qint64 t = 1796800000000000;
        mock.process.start(u"/usr/bin/python3"_s, {u"-m"_s, u"dbusmock"_s, u"--system"_s, u"--template"_s,
            QFINDTESTDATA("data/timesyncd.py"), u"--parameters"_s,
            uR"({"ServerName": "ntp.example.org", "NTPMessage": [0, 4, 4, 2, -20, 2000, 500, [71, 80, 83, 0],
                  %1, %2, %3, %4, false, 12, 30]})"_s.arg(t).arg(t + 10500).arg(t + 10600).arg(t + 1100)});

        QDBusConnection system = QDBusConnection::connectToBus(address, u"system"_s);
        QVERIFY(system.isConnected());
        TimesyncReader reader(system);
        QTRY_VERIFY_WITH_TIMEOUT(reader.latest(), 20000);
        QVERIFY(near(reader.latest(), sync(ClockSync::Daemon::timesyncd, u"ntp.example.org"_s, 3, 0.010, 0.0115)));

        // A ServerName of another type, announced: passed over, once on stderr, till it is right again.
        QTest::ignoreMessage(QtWarningMsg, "tst_clocksync: systemd-timesyncd passed over: ServerName is not a string");
        QDBusInterface control(u"org.freedesktop.timesync1"_s, u"/org/freedesktop/timesync1"_s, u"org.freedesktop.DBus.Mock"_s, system);
        const auto setServerName = [&control](const QVariant &name) {
            const QDBusMessage reply = control.call(u"UpdateProperties"_s, u"org.freedesktop.timesync1.Manager"_s,
                QVariantMap{{u"ServerName"_s, QVariant::fromValue(QDBusVariant(name))}});
            QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
        };
        setServerName(42);
        QTRY_VERIFY_WITH_TIMEOUT(!reader.latest(), 10000);
        setServerName(u"ntp2.example.org"_s);
        QTRY_VERIFY_WITH_TIMEOUT(reader.latest() && reader.latest()->reference == u"ntp2.example.org"_s, 10000);
        mock.process.kill();
        QTRY_VERIFY_WITH_TIMEOUT(!reader.latest(), 10000);
        // An NTPMessage that is not one.
        QString why;
        QVERIFY(!TimesyncReader::fromProperties({{u"ServerName"_s, u"ntp.example.org"_s}, {u"NTPMessage"_s, u"garbage"_s}}, &why));
        QCOMPARE(why, u"NTPMessage is not an NTP message"_s);
    }
};

QTEST_GUILESS_MAIN(TestClockSync)
#include "tst_clocksync.moc"
