#include "HoravaneProcess.h"

#include <QSettings>
#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;

// Launch and shutdown of the real binary, twice, as a person would see them across runs.
class TestLifecycle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reopensTheWindowsOpenAtLastEnd_data();
    void reopensTheWindowsOpenAtLastEnd();
    void launchAndShutdownRunInOrder();
    void signalsEndCleanly_data();
    void signalsEndCleanly();
    void noDisplayGivesOneLine();
};

namespace {
int indexOf(const QStringList &lines, const QString &needle)
{
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].contains(needle))
            return int(i);
    return -1;
}

void writeFlags(const QString &path, const QVariantMap &flags)
{
    QSettings settings(path, QSettings::IniFormat);
    for (auto it = flags.cbegin(); it != flags.cend(); ++it)
        settings.setValue(it.key(), it.value());
}
} // namespace

void TestLifecycle::reopensTheWindowsOpenAtLastEnd_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("first launch") << QVariantMap{} << QStringList{u"APP_Horavane"_s};
    QTest::newRow("digital was open") << QVariantMap{{u"APP_Horavane"_s, true}} << QStringList{u"APP_Horavane"_s};
    QTest::newRow("both flags false") << QVariantMap{{u"APP_Horavane"_s, false}, {u"APP_AnalogClock"_s, false}}
                                      << QStringList{u"APP_Horavane"_s};
    QTest::newRow("garbage flag reads false") << QVariantMap{{u"APP_Horavane"_s, u"perhaps"_s}}
                                              << QStringList{u"APP_Horavane"_s};
    QTest::newRow("analog only") << QVariantMap{{u"APP_Horavane"_s, false}, {u"APP_AnalogClock"_s, true}}
                                 << QStringList{u"APP_AnalogClock"_s};
    QTest::newRow("both") << QVariantMap{{u"APP_Horavane"_s, true}, {u"APP_AnalogClock"_s, true}}
                          << QStringList{u"APP_Horavane"_s, u"APP_AnalogClock"_s};
}

void TestLifecycle::reopensTheWindowsOpenAtLastEnd()
{
    QFETCH(QVariantMap, stored);
    QFETCH(QStringList, shown);

    HoravaneProcess horavane;
    writeFlags(horavane.settingsPath(), stored);
    horavane.start();
    QVERIFY(horavane.waitForLine(u"launched"_s));
    QStringList shownNow;
    for (const QString &line : horavane.lines())
        if (line.contains(u"window shown \""_s))
            shownNow.append(line.section(u'"', 1, 1));
    QCOMPARE(shownNow, shown);

    horavane.process().terminate();
    QVERIFY(horavane.waitForExit());
    QCOMPARE(horavane.process().exitCode(), 0);
    QSettings after(horavane.settingsPath(), QSettings::IniFormat);
    QCOMPARE(after.value(u"APP_Horavane"_s).toBool(), shown.contains(u"APP_Horavane"_s));
    QCOMPARE(after.value(u"APP_AnalogClock"_s).toBool(), shown.contains(u"APP_AnalogClock"_s));
}

void TestLifecycle::launchAndShutdownRunInOrder()
{
    HoravaneProcess horavane;
    horavane.start();
    QVERIFY(horavane.waitForLine(u"launched"_s));
    horavane.process().terminate();
    QVERIFY(horavane.waitForExit());

    const QStringList lines = horavane.lines();
    const QStringList order{u"settings loaded"_s, u"master timer started"_s, u"tick started"_s,
                            u"window shown"_s, u"launched"_s, u"tick stopped"_s,
                            u"saved \"APP_Horavane\""_s, u"settings saved"_s, u"master timer stopped"_s};
    int previous = -1;
    for (const QString &step : order) {
        const int at = indexOf(lines, step);
        QVERIFY2(at > previous, qPrintable(step + u" out of order in:\n"_s + lines.join(u'\n')));
        previous = at;
    }
    QCOMPARE(lines.filter(u"master timer stopped"_s).size(), 1);
}

void TestLifecycle::signalsEndCleanly_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void TestLifecycle::signalsEndCleanly()
{
    QFETCH(int, signalNumber);
    HoravaneProcess horavane;
    horavane.start();
    QVERIFY(horavane.waitForLine(u"launched"_s));
    ::kill(pid_t(horavane.process().processId()), signalNumber);
    QVERIFY(horavane.waitForExit());
    QCOMPARE(horavane.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(horavane.process().exitCode(), 0);
    QCOMPARE(horavane.lines().filter(u"master timer stopped"_s).size(), 1);
    QVERIFY(QSettings(horavane.settingsPath(), QSettings::IniFormat).value(u"APP_Horavane"_s).toBool());
}

void TestLifecycle::noDisplayGivesOneLine()
{
    HoravaneProcess horavane;
    horavane.environment().insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    horavane.environment().insert(u"DISPLAY"_s, u":987"_s);
    horavane.environment().remove(u"WAYLAND_DISPLAY"_s);
    horavane.environment().remove(u"QT_LOGGING_RULES"_s);
    horavane.start();
    QVERIFY(horavane.waitForExit());
    QCOMPARE(horavane.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(horavane.process().exitCode(), 1);
    const QStringList lines = horavane.lines();
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().startsWith(u"horavane: cannot open display \":987\""_s), qPrintable(lines.first()));
}

QTEST_GUILESS_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
