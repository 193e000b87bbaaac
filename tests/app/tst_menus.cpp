#include "HoravaneProcess.h"
#include "X11Windows.h"

#include <QLocalSocket>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace X11Windows;

namespace {
const QString digitalTitle = u"Horavane"_s, analogTitle = u"Analog Clock"_s,
              preferencesTitle = u"Horavane Preferences"_s, donationTitle = u"Support Horavane"_s;

// Horavane on the test's X server, with the donation offer already declined.
class RunningHoravane : public HoravaneProcess
{
public:
    explicit RunningHoravane(const QVariantMap &stored = {}, bool offerDonation = false)
    {
        QSettings settings(settingsPath(), QSettings::IniFormat);
        settings.setValue(u"Donation/hideAtLaunch"_s, !offerDonation);
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            settings.setValue(it.key(), it.value());
        settings.sync();
        environment().insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    }

    int count(const QString &title) { return int(visible(process().processId(), title).size()); }
    bool waitForCount(const QString &title, int expected) { return waitUntil([&] { return count(title) == expected; }); }
    void pressIn(const QString &title, const QString &keys)
    {
        if (!keys.isEmpty())
            press(visible(process().processId(), title).value(0), keys);
    }
    bool flag(const QString &key) { return QSettings(settingsPath(), QSettings::IniFormat).value(key).toBool(); }
};
enum class SocketAttack { None, IdleConnections, RuntimeFolderTaken };
} // namespace

Q_DECLARE_METATYPE(SocketAttack)

class TestMenus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X server: scripts/test runs the suite under Xvfb");
    }
    void commandsOpenEachWindowOnce_data();
    void commandsOpenEachWindowOnce();
    void quitRemembersTheOpenWindows_data();
    void quitRemembersTheOpenWindows();
    void lastClockWindowClosedWhilePreferencesOpen();
    void secondStartActivatesTheFirst_data();
    void secondStartActivatesTheFirst();
};

// Each key works from every window of the program, bound once (Qt warns of an ambiguous key).
void TestMenus::commandsOpenEachWindowOnce_data()
{
    QTest::addColumn<bool>("donation");     // offered at launch
    QTest::addColumn<QString>("opening");   // keys pressed in the digital window first
    QTest::addColumn<QString>("from");      // the window the keys are pressed in
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("analog");
    QTest::addColumn<int>("preferences");

    QTest::newRow("digital again: the same window") << false << u""_s << digitalTitle << u"ctrl+1"_s << 0 << 0;
    QTest::newRow("analog") << false << u""_s << digitalTitle << u"ctrl+2"_s << 1 << 0;
    QTest::newRow("preferences") << false << u""_s << digitalTitle << u"ctrl+comma"_s << 0 << 1;
    QTest::newRow("analog from preferences") << false << u"ctrl+comma"_s << preferencesTitle << u"ctrl+2"_s << 1 << 1;
    QTest::newRow("preferences from donation") << true << u""_s << donationTitle << u"ctrl+comma"_s << 0 << 1;
}

void TestMenus::commandsOpenEachWindowOnce()
{
    QFETCH(bool, donation);
    QFETCH(QString, opening);
    QFETCH(QString, from);
    QFETCH(QString, keys);
    QFETCH(int, analog);
    QFETCH(int, preferences);

    RunningHoravane horavane({}, donation);
    horavane.start();
    QVERIFY(horavane.waitForCount(digitalTitle, 1));
    horavane.pressIn(digitalTitle, opening);
    QVERIFY(horavane.waitForCount(from, 1));
    horavane.pressIn(from, keys);
    horavane.pressIn(from, keys);   // twice: an open window only comes forward
    QVERIFY(horavane.waitForCount(analogTitle, analog));
    QVERIFY(horavane.waitForCount(preferencesTitle, preferences));
    QCOMPARE(horavane.count(digitalTitle), 1);
    QVERIFY(waitUntil([&] {
        return horavane.lines().filter(u"window shown \"APP_AnalogClock\""_s).size() == analog * 2;
    }));
    QCOMPARE(horavane.lines().filter(u"Ambiguous"_s), QStringList());
}

// However Quit is reached, it closes the windows before the end: the ones open when it was
// asked for are those to reopen.
void TestMenus::quitRemembersTheOpenWindows_data()
{
    QTest::addColumn<bool>("digital");
    QTest::addColumn<bool>("analog");
    QTest::addColumn<bool>("fromPreferences");

    QTest::newRow("analog only") << false << true << false;
    QTest::newRow("both") << true << true << false;
    QTest::newRow("both, from preferences") << true << true << true;
}

void TestMenus::quitRemembersTheOpenWindows()
{
    QFETCH(bool, digital);
    QFETCH(bool, analog);
    QFETCH(bool, fromPreferences);

    RunningHoravane horavane({{u"APP_Horavane"_s, digital}, {u"APP_AnalogClock"_s, analog}});
    horavane.start();
    QString from = analog ? analogTitle : digitalTitle;
    QVERIFY(horavane.waitForCount(from, 1));
    if (fromPreferences) {
        horavane.pressIn(from, u"ctrl+comma"_s);
        from = preferencesTitle;
        QVERIFY(horavane.waitForCount(from, 1));
    }
    horavane.pressIn(from, u"ctrl+q"_s);
    QVERIFY(horavane.waitForExit());
    QCOMPARE(horavane.process().exitCode(), 0);
    QCOMPARE(horavane.flag(u"APP_Horavane"_s), digital);
    QCOMPARE(horavane.flag(u"APP_AnalogClock"_s), analog);
}

// The preferences window keeps Horavane running; closing it last ends Horavane with no clock
// window to reopen, so the next launch shows the digital one.
void TestMenus::lastClockWindowClosedWhilePreferencesOpen()
{
    RunningHoravane horavane;
    horavane.start();
    QVERIFY(horavane.waitForCount(digitalTitle, 1));
    horavane.pressIn(digitalTitle, u"ctrl+comma"_s);
    QVERIFY(horavane.waitForCount(preferencesTitle, 1));
    horavane.pressIn(digitalTitle, u"ctrl+w"_s);
    QVERIFY(horavane.waitForCount(digitalTitle, 0));
    QCOMPARE(horavane.process().state(), QProcess::Running);

    horavane.pressIn(preferencesTitle, u"ctrl+w"_s);
    QVERIFY(horavane.waitForExit());
    QCOMPARE(horavane.process().exitCode(), 0);
    QVERIFY(!horavane.flag(u"APP_Horavane"_s));
    QVERIFY(!horavane.flag(u"APP_AnalogClock"_s));
}

void TestMenus::secondStartActivatesTheFirst_data()
{
    QTest::addColumn<SocketAttack>("attack");
    QTest::newRow("plain") << SocketAttack::None;
    QTest::newRow("50 idle connections") << SocketAttack::IdleConnections;
    QTest::newRow("no XDG_RUNTIME_DIR, /tmp/runtime-<user> taken") << SocketAttack::RuntimeFolderTaken;
}

void TestMenus::secondStartActivatesTheFirst()
{
    QFETCH(SocketAttack, attack);
    RunningHoravane first;
    if (attack == SocketAttack::RuntimeFolderTaken) {
        if (::getuid() != 0)
            QSKIP("needs root to give a folder to another user");
        const QString tmp = first.homePath() + u"/tmp"_s, taken = tmp + u"/runtime-root"_s;
        QVERIFY(QDir().mkpath(taken) && ::chown(qPrintable(taken), 65534, 65534) == 0);
        first.environment().remove(u"XDG_RUNTIME_DIR"_s);
        first.environment().insert(u"TMPDIR"_s, tmp);
    }
    first.start();
    QVERIFY(first.waitForCount(digitalTitle, 1));

    std::vector<std::unique_ptr<QLocalSocket>> idle;
    if (attack == SocketAttack::IdleConnections) {
        for (int i = 0; i < 50; ++i) {
            idle.push_back(std::make_unique<QLocalSocket>());
            idle.back()->connectToServer(first.homePath() + u"/run/horavane.socket"_s);
        }
        QVERIFY(waitUntil([&] {   // the first keeps a few and drops the rest
            return std::count_if(idle.cbegin(), idle.cend(), [](const auto &socket) {
                       return socket->state() == QLocalSocket::UnconnectedState;
                   }) >= 45;
        }));
    }

    QProcess second;
    second.setProcessEnvironment(first.environment());
    second.start(QStringLiteral(HORAVANE_BINARY), {});
    QVERIFY(second.waitForFinished(15000));
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(first.waitForLine(u"activated"_s));
    QCOMPARE(first.count(digitalTitle), 1);
    QVERIFY(!QFile::exists(u"/horavane.socket"_s));
}

QTEST_GUILESS_MAIN(TestMenus)
#include "tst_menus.moc"
