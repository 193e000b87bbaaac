#include "HoravaneProcess.h"

#include <QLocalSocket>
#include <QRegularExpression>

#include <algorithm>
#include <csignal>
#include <unistd.h>

using namespace Qt::StringLiterals;

// The real binary on the X server scripts/test starts, its keys pressed with xdotool as a person would.
namespace {
const QString digitalTitle = u"Horavane"_s, analogTitle = u"Analog Clock"_s, preferencesTitle = u"Horavane Preferences"_s;
const QString digitalKey = u"APP_Horavane"_s, analogKey = u"APP_AnalogClock"_s;
constexpr int quitThroughGdb = -1, ctrlQInPreferences = -2;   // ends besides the signals

QStringList xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start(u"xdotool"_s, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

template <typename Condition>
bool waitUntil(const Condition &condition)
{
    for (QDeadlineTimer deadline(15000); !condition(); QTest::qWait(100))
        if (deadline.hasExpired())
            return false;
    return true;
}

class RunningHoravane : public HoravaneProcess
{
public:
    explicit RunningHoravane(const QVariantMap &stored = {})   // the donation offer declined unless stored says
    {
        QSettings settings(settingsPath(), QSettings::IniFormat);
        settings.setValue(u"Donation/hideAtLaunch"_s, true);
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            settings.setValue(it.key(), it.value());
        environment().insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    }
    QStringList windows(const QString &title)
    {
        return xdotool({u"search"_s, u"--all"_s, u"--onlyvisible"_s, u"--pid"_s, QString::number(process().processId()),
                        u"--name"_s, u'^' + QRegularExpression::escape(title) + u'$'});
    }
    bool waitForCount(const QString &title, int expected) { return waitUntil([&] { return windows(title).size() == expected; }); }
    // Without a window manager a window still opening may take the focus back: the keys go only once the focus
    // has stayed on the window for three looks in a row, so a late window cannot take them.
    void pressIn(const QString &title, const QString &keys)
    {
        QVERIFY(waitForCount(title, 1));
        const QString id = windows(title).value(0);
        int steadyLooks = 0;
        QVERIFY2(waitUntil([&] {
                     if (xdotool({u"getwindowfocus"_s}).value(0) == id)
                         return ++steadyLooks == 3;
                     steadyLooks = 0;
                     xdotool({u"windowfocus"_s, u"--sync"_s, id});
                     return false;
                 }),
                 qPrintable(title + u" never kept the focus"_s));
        xdotool({u"key"_s, keys});
    }
};
} // namespace

class TestApp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // However it ends, the windows open when it was asked for reopen; each step happens once, in order.
    void reopensTheWindowsOpenAtTheEnd_data()
    {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("end");
        const QVariantMap both{{digitalKey, true}, {analogKey, true}};
        QTest::newRow("first launch, SIGTERM") << QVariantMap{} << QStringList{digitalKey} << SIGTERM;
        QTest::newRow("analog only, SIGHUP") << QVariantMap{{digitalKey, false}, {analogKey, true}} << QStringList{analogKey} << SIGHUP;
        QTest::newRow("both, SIGINT") << both << QStringList{digitalKey, analogKey} << SIGINT;
        QTest::newRow("both, quit() from outside") << both << QStringList{digitalKey, analogKey} << quitThroughGdb;
        QTest::newRow("both, Ctrl+Q in preferences") << both << QStringList{digitalKey, analogKey} << ctrlQInPreferences;
    }

    void reopensTheWindowsOpenAtTheEnd()
    {
        QFETCH(QVariantMap, stored);
        QFETCH(QStringList, shown);
        QFETCH(int, end);
        RunningHoravane horavane(stored);
        horavane.start();
        QVERIFY(horavane.waitForLine(u"launched"_s));
        QCOMPARE(horavane.lines().filter(u"window shown \""_s).replaceInStrings(QRegularExpression(u"^.*window shown \"|\"$"_s), QString()), shown);

        if (end == quitThroughGdb) {
            QProcess gdb;
            gdb.start(u"gdb"_s, {u"-batch"_s, u"-p"_s, QString::number(horavane.process().processId()),
                                 u"-ex"_s, u"call (void)_ZN16QCoreApplication4quitEv()"_s});
            QVERIFY2(gdb.waitForFinished(30000) && gdb.exitCode() == 0, "gdb did not run");
        } else if (end == ctrlQInPreferences) {
            horavane.pressIn(digitalTitle, u"ctrl+comma"_s);
            horavane.pressIn(preferencesTitle, u"ctrl+q"_s);
        } else {
            ::kill(pid_t(horavane.process().processId()), end);
        }
        QVERIFY(horavane.waitForExit());
        QCOMPARE(horavane.process().exitCode(), 0);   // a signal's number when it killed
        for (const QString &key : {digitalKey, analogKey})
            QCOMPARE(QSettings(horavane.settingsPath(), QSettings::IniFormat).value(key).toBool(), shown.contains(key));

        const QStringList lines = horavane.lines();
        qsizetype previous = -1;
        for (const QString &step : {u"settings loaded"_s, u"master timer started"_s, u"tick started"_s, u"window shown"_s,
                                    u"launched"_s, u"tick stopped"_s, u"saved \"APP_Horavane\""_s, u"settings saved"_s,
                                    u"master timer stopped"_s}) {
            const qsizetype at = std::find_if(lines.cbegin(), lines.cend(), [&](const QString &l) { return l.contains(step); }) - lines.cbegin();
            QVERIFY2(at > previous && at < lines.size() && (step == u"window shown"_s || lines.filter(step).size() == 1),
                     qPrintable(step + u" not once in order in:\n"_s + lines.join(u'\n')));
            previous = at;
        }
        // The clocks come first: the preferences are built once, after every window is shown.
        QCOMPARE(lines.filter(u"preferences loaded"_s).size(), 1);
        QVERIFY(lines.indexOf(QRegularExpression(u".*preferences loaded.*"_s))
                > lines.lastIndexOf(QRegularExpression(u".*window shown.*"_s)));
    }

    // Each key works in the windows that are not clocks too, bound once there (Qt warns of an
    // ambiguous key), and pressed twice only brings the open window forward.
    void keysOpenEachWindowOnce()
    {
        RunningHoravane horavane({{u"Donation/hideAtLaunch"_s, false}});
        horavane.start();
        const struct { QString from, keys, opens, says; } steps[] = {
            {u"Support Horavane"_s, u"ctrl+comma"_s, preferencesTitle, u"preferences shown"_s},
            {preferencesTitle, u"ctrl+2"_s, analogTitle, u"window shown \"APP_AnalogClock\""_s},
            {digitalTitle, u"ctrl+1"_s, digitalTitle, u"window shown \"APP_Horavane\""_s},
        };
        for (const auto &step : steps) {
            const qsizetype before = horavane.lines().filter(step.says).size();
            horavane.pressIn(step.from, step.keys);
            horavane.pressIn(step.from, step.keys);
            QVERIFY2(waitUntil([&] { return horavane.lines().filter(step.says).size() == before + 2; }), qPrintable(step.keys));
        }
        for (const QString &title : {digitalTitle, analogTitle, preferencesTitle})
            QCOMPARE(horavane.windows(title).size(), 1);
        QCOMPARE(horavane.lines().filter(u"Ambiguous"_s), QStringList());
    }

    void secondStartActivatesTheFirst_data()
    {
        QTest::addColumn<int>("idleConnections");
        QTest::addColumn<bool>("runtimeFolderTaken");   // no XDG_RUNTIME_DIR, and /tmp/runtime-<user> not ours
        QTest::newRow("50 idle connections") << 50 << false;
        QTest::newRow("no XDG_RUNTIME_DIR, /tmp/runtime-<user> taken") << 0 << true;
    }

    void secondStartActivatesTheFirst()
    {
        QFETCH(int, idleConnections);
        QFETCH(bool, runtimeFolderTaken);
        RunningHoravane first;
        if (runtimeFolderTaken) {
            if (::getuid() != 0)
                QSKIP("needs root to give a folder to another user");
            const QString tmp = first.homePath() + u"/tmp"_s, taken = tmp + u"/runtime-root"_s;
            QVERIFY(QDir().mkpath(taken) && ::chown(qPrintable(taken), 65534, 65534) == 0);
            first.environment().remove(u"XDG_RUNTIME_DIR"_s);
            first.environment().insert(u"TMPDIR"_s, tmp);
        }
        first.start();
        QVERIFY(first.waitForCount(digitalTitle, 1));
        std::vector<std::unique_ptr<QLocalSocket>> idle(static_cast<std::size_t>(idleConnections));
        for (auto &socket : idle) {
            socket = std::make_unique<QLocalSocket>();
            socket->connectToServer(first.homePath() + u"/run/horavane.socket"_s);
        }
        // Kept open, they would use up the clock's descriptors: all but a few are dropped.
        QVERIFY(idle.empty() || waitUntil([&] {
            return std::count_if(idle.cbegin(), idle.cend(), [](const auto &socket) {
                       return socket->state() == QLocalSocket::UnconnectedState;
                   }) >= idleConnections - 5;
        }));

        QProcess second;
        second.setProcessEnvironment(first.environment());
        second.start(QStringLiteral(HORAVANE_BINARY), {});
        QVERIFY(second.waitForFinished(15000));
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(first.waitForLine(u"activated"_s));
        QCOMPARE(first.windows(digitalTitle).size(), 1);
        QVERIFY(!QFile::exists(u"/horavane.socket"_s));
    }
};

QTEST_GUILESS_MAIN(TestApp)
#include "tst_app.moc"
