#include "ClockWindows.h"
#include "alarms/AlarmStore.h"
#include "alarms/AlarmsWindow.h"
#include "engine/AlarmTexts.h"
#include "preferences/SettingsKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// n lines of sidereal alarms "A000", "A001", …, 21 characters each.
QString siderealAlarms(int n)
{
    QString text;
    for (int i = 0; i < n; ++i)
        text += u"lst\t00:00:00\t\t0\tA%1\n"_s.arg(i, 3, 10, QChar(u'0'));
    return text;
}

template <typename Widget>
Widget &control(const QMainWindow &window, const QString &accessibleName)
{
    for (Widget *widget : window.findChildren<Widget *>())
        if (widget->accessibleName() == accessibleName)
            return *widget;
    qFatal("no control %s", qPrintable(accessibleName));
}

} // namespace

class TestAlarms : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    AppUtils::DefaultSettings m_store{m_dir.filePath(u"h.conf"_s)};

private Q_SLOTS:
    void cleanup() { releaseClockWindows(); }

    // A stored list as the launch reads it: what each line holds, what stderr says, and what is
    // written back, which is everything read.
    void storedList_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("alarms"); // each as "<name>: <what it waits for>"
        QTest::addColumn<QList<int>>("unread"); // each unread line's AlarmLineProblem
        QTest::addColumn<QStringList>("warnings");
        QTest::addColumn<int>("written"); // how many characters of stored are written back; −1 all

        using P = AlarmLineProblem;
        const auto problems = [](std::initializer_list<P> list) {
            QList<int> ints;
            for (const P p : list)
                ints << int(p);
            return ints;
        };
        QTest::newRow("every kind")
            << u"lst\t05:12:33\t\t10\tDrift scan\nlocal\t2026-12-24T21:00:00\t\t0\tDinner\nutc\t23:59:59\t\t1440\tLog\n"
               "target\t-0.5\tM42\t10\tFlip M42\ntonight\tdark-start\t\t0\tDark\nhealth\tut1-stale\t\t0\tUT1\n"_s
            << QStringList{u"Drift scan: 10 min before LST 05:12:33"_s, u"Dinner: 2026-12-24 21:00:00 local time"_s,
                   u"Log: 1440 min before 23:59:59 UTC, every day"_s,
                   u"Flip M42: 10 min before M42 at hour angle \u22120.5 h"_s, u"Dark: the start of dark"_s,
                   u"UT1: the Earth-orientation data goes stale"_s}
            << QList<int>() << QStringList() << -1;
        QTest::newRow("garbage")
            << u"garbage\nlst\t05:00:00\t\t0\n\u0001\u0002\n"_s << QStringList() << problems({P::fields, P::fields, P::fields})
            << QStringList{u"lines that hold no alarm (3 of 3)"_s} << -1;
        QTest::newRow("LST 24:00:00, unknown kind")
            << u"lst\t24:00:00\t\t0\tMidnight\ntide\t12:00:00\t\t0\tHigh water\n"_s << QStringList()
            << problems({P::when, P::kind}) << QStringList{u"(2 of 2)"_s} << -1;
        QTest::newRow("offsets beyond a day, health with one")
            << u"lst\t05:00:00\t\t1441\tLate\nlst\t05:00:00\t\t-1\tAfter\nhealth\tunsynchronised\t\t5\tSync\n"_s
            << QStringList() << problems({P::minutesBefore, P::minutesBefore, P::minutesBefore})
            << QStringList{u"(3 of 3)"_s} << -1;
        // 190 lines of 21 characters are the whole lines within 4000: 50 alarms, 140 waiting.
        QList<int> waiting;
        waiting.fill(int(P::tooMany), 140);
        QStringList first50;
        for (int i = 0; i < 50; ++i)
            first50 << u"A%1: LST 00:00:00"_s.arg(i, 3, 10, QChar(u'0'));
        QTest::newRow("1000 alarms")
            << siderealAlarms(1000) << first50 << waiting
            << QStringList{u"longer than 4000 characters: the last 17010 are not read"_s,
                   u"are 190: only the first 50 are kept as alarms"_s}
            << 3990;
        QTest::newRow("huge line") << QString(5000, u'x') << QStringList() << QList<int>()
                                   << QStringList{u"the last 5000 are not read"_s} << 0;
    }
    void storedList()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, alarms);
        QFETCH(QList<int>, unread);
        QFETCH(QStringList, warnings);
        QFETCH(int, written);
        QTest::failOnWarning(QRegularExpression(u".*"_s)); // but those expected
        for (const QString &warning : warnings)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(warning)));
        // As the launch reads the text: the settings keep at most 4000 characters, a hand edit more.
        const AlarmListRead read = alarmListFromText(stored);
        warnOfUnreadAlarms(read);
        QStringList kept;
        QList<int> problems;
        for (const AlarmLine &line : read.lines) {
            if (const auto *alarm = std::get_if<Alarm>(&line))
                kept << alarm->name + u": "_s + AlarmTexts::whenWithOffset(*alarm);
            else
                problems << int(std::get<UnreadAlarmLine>(line).problem);
        }
        QCOMPARE(kept, alarms);
        QCOMPARE(problems, unread);
        QCOMPARE(alarmListText(read.lines), written < 0 ? stored : stored.first(written));
    }

    // What the window makes of a typed alarm: a line added to the stored list and handed to the
    // tick, or the line beside the controls that says why, with nothing stored changed.
    void typedAlarm_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("kind"); // index in the kind chooser: LST, local time, UTC, target, tonight, health
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("when"); // the time, or the hour angle for a target
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<int>("ringing"); // the alarms the tick holds after
        const QString timeProblem = u"The time is not HH:MM:SS from 00:00:00 to 23:59:59 (24:00:00 is the next day's "
                                    "00:00:00), with a date YYYY-MM-DD before it for once"_s;
        QTest::newRow("local, once") << u"garbage\n"_s << 1 << u"Dinner"_s << u"21:00"_s
                                     << u"local\t2026-12-24T21:00:00\t\t15\tDinner\n"_s << QString() << 1;
        QTest::newRow("target, past the meridian") << QString() << 3 << u"Flip"_s << u"\u22120.25"_s
                                                   << u"target\t-0.25\tM42\t15\tFlip\n"_s << QString() << 1;
        QTest::newRow("LST 24:00:00") << u"garbage\n"_s << 0 << u"Midnight"_s << u"24:00:00"_s << QString()
                                      << timeProblem << 0;
        QTest::newRow("hour angle 13") << QString() << 3 << u"Flip"_s << u"13"_s << QString()
                                       << u"The hour angle is not a number of hours from −12 to +12"_s << 0;
        QTest::newRow("empty name") << QString() << 0 << u"  "_s << u"05:00:00"_s << QString()
                                    << u"Give the alarm a name of at most 64 characters"_s << 0;
        QTest::newRow("51st alarm") << siderealAlarms(50) << 0 << u"One more"_s << u"05:00:00"_s << QString()
                                    << u"The list holds at most 50 alarms: remove one to add another"_s << 50;
    }
    void typedAlarm()
    {
        QFETCH(QString, stored);
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QString, when);
        QFETCH(QString, added);
        QFETCH(QString, problem);
        QFETCH(int, ringing);
        m_store.saveString(SettingsKeys::alarms, stored);
        ClockUpdate::shared().setTargets({Target{u"M42"_s, 5.5881, -5.3911}});
        const auto controller = makeClockWindow<AlarmsWindow>(ClockUpdate::shared(), m_store);
        controller->showWindow();
        const QMainWindow &window = *controller->window();
        control<QComboBox>(window, u"Kind of alarm"_s).setCurrentIndex(kind);
        control<QLineEdit>(window, u"Alarm name"_s).setText(name);
        control<QLineEdit>(window, kind == 3 ? u"Hour angle, hours, positive past the meridian"_s : u"Time, HH:MM:SS"_s)
            .setText(when);
        window.findChild<QCheckBox *>()->setChecked(true);
        control<QDateEdit>(window, u"Date of the one alarm"_s).setDate(QDate(2026, 12, 24));
        control<QSpinBox>(window, u"Minutes before"_s).setValue(15);
        QTest::keyClick(&control<QLineEdit>(window, u"Alarm name"_s), Qt::Key_Return);
        QCOMPARE(window.findChild<QLabel *>(u"m_problem"_s)->text(), problem);
        QCOMPARE(m_store.loadString(SettingsKeys::alarms, {}), stored + added);
        QCOMPARE(int(ClockUpdate::shared().alarms().size()), ringing);
    }

    // A stored line that holds no alarm and an alarm for a target the list lacks each say so on
    // their row; removing another row keeps them, stored and handed to the tick.
    void rowsSayWhyAndRemovalKeepsThem()
    {
        const QString kept = u"garbage\ntarget\t0\tM99\t10\tFlip M99\n"_s;
        m_store.saveString(SettingsKeys::alarms, kept + u"lst\t05:00:00\t\t0\tScan\n"_s);
        ClockUpdate::shared().setTargets({Target{u"M42"_s, 5.5881, -5.3911}});
        const auto controller = makeClockWindow<AlarmsWindow>(ClockUpdate::shared(), m_store);
        controller->showWindow();
        QTableWidget &table = *controller->window()->findChild<QTableWidget *>();
        QCOMPARE(table.item(0, 2)->text(),
            u"This line is not a kind, a time, a target, minutes before and a name separated by tabs"_s);
        QCOMPARE(table.item(1, 2)->text(), u"M99 crosses the meridian — not in the Targets list: it will not ring"_s);
        table.selectRow(2);
        controller->window()->findChild<QPushButton *>()->click();
        QCOMPARE(m_store.loadString(SettingsKeys::alarms, {}), kept);
        QCOMPARE(ClockUpdate::shared().alarms(), (std::vector{Alarm{u"Flip M99"_s, TargetAlarm{u"M99"_s, 0}, 10}}));
    }
};

QTEST_MAIN(TestAlarms)
#include "tst_alarms.moc"
