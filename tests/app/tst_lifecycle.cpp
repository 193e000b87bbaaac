#include "HoravaneProcess.h"

#include <QSettings>
#include <QStandardPaths>
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
    void signalsEndInOrder_data();
    void signalsEndInOrder();
    void noDisplayGivesOneLine();
};

void TestLifecycle::reopensTheWindowsOpenAtLastEnd_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("quitFromOutside");   // QCoreApplication::quit() called in, as a session manager ends it

    const QString digital = u"APP_Horavane"_s;
    const QString analog = u"APP_AnalogClock"_s;
    QTest::newRow("first launch") << QVariantMap{} << QStringList{digital} << false;
    QTest::newRow("garbage flag reads false") << QVariantMap{{digital, u"perhaps"_s}} << QStringList{digital} << false;
    QTest::newRow("analog only") << QVariantMap{{digital, false}, {analog, true}} << QStringList{analog} << false;
    QTest::newRow("both") << QVariantMap{{digital, true}, {analog, true}} << QStringList{digital, analog} << false;
    QTest::newRow("both, quit()") << QVariantMap{{digital, true}, {analog, true}} << QStringList{digital, analog} << true;
}

void TestLifecycle::reopensTheWindowsOpenAtLastEnd()
{
    QFETCH(QVariantMap, stored);
    QFETCH(QStringList, shown);
    QFETCH(bool, quitFromOutside);
    if (quitFromOutside && QStandardPaths::findExecutable(u"gdb"_s).isEmpty())
        QSKIP("needs gdb to call quit() in the running program");

    HoravaneProcess horavane;
    {
        QSettings settings(horavane.settingsPath(), QSettings::IniFormat);
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            settings.setValue(it.key(), it.value());
    }
    horavane.start();
    QVERIFY(horavane.waitForLine(u"launched"_s));
    QStringList shownNow;
    for (const QString &line : horavane.lines().filter(u"window shown \""_s))
        shownNow.append(line.section(u'"', 1, 1));
    QCOMPARE(shownNow, shown);

    if (quitFromOutside) {
        QProcess gdb;
        gdb.start(u"gdb"_s, {u"-batch"_s, u"-p"_s, QString::number(horavane.process().processId()),
                             u"-ex"_s, u"call (void)_ZN16QCoreApplication4quitEv()"_s});
        QVERIFY(gdb.waitForFinished(30000));
    } else {
        horavane.process().terminate();
    }
    QVERIFY(horavane.waitForExit());
    QCOMPARE(horavane.process().exitCode(), 0);
    const QSettings after(horavane.settingsPath(), QSettings::IniFormat);
    for (const QString &key : {u"APP_Horavane"_s, u"APP_AnalogClock"_s})
        QCOMPARE(after.value(key).toBool(), shown.contains(key));
}

void TestLifecycle::signalsEndInOrder_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void TestLifecycle::signalsEndInOrder()
{
    QFETCH(int, signalNumber);
    HoravaneProcess horavane;
    horavane.start();
    QVERIFY(horavane.waitForLine(u"launched"_s));
    ::kill(pid_t(horavane.process().processId()), signalNumber);
    QVERIFY(horavane.waitForExit());
    QCOMPARE(horavane.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(horavane.process().exitCode(), 0);
    QVERIFY(QSettings(horavane.settingsPath(), QSettings::IniFormat).value(u"APP_Horavane"_s).toBool());

    const QStringList lines = horavane.lines();
    QCOMPARE(lines.filter(u"master timer stopped"_s).size(), 1);
    qsizetype previous = -1;
    for (const QString &step : {u"settings loaded"_s, u"master timer started"_s, u"tick started"_s,
                                u"window shown"_s, u"launched"_s, u"tick stopped"_s,
                                u"saved \"APP_Horavane\""_s, u"settings saved"_s, u"master timer stopped"_s}) {
        const auto at = std::find_if(lines.cbegin(), lines.cend(), [&](const QString &l) { return l.contains(step); });
        QVERIFY2(at - lines.cbegin() > previous && at != lines.cend(), qPrintable(step + u" out of order in:\n"_s + lines.join(u'\n')));
        previous = at - lines.cbegin();
    }
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
