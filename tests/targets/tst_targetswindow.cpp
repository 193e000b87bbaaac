#include "ClockWindows.h"
#include "preferences/SettingsKeys.h"
#include "targets/TargetStore.h"
#include "targets/TargetsWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const Target m42{u"M42, Orion Nebula"_s, 5 + 35 / 60. + 17.3 / 3600, -(5 + 23 / 60. + 28 / 3600.)};
const Target polaris{u"Polaris"_s, 2 + 31 / 60. + 49.09 / 3600, 89 + 15 / 60. + 50.8 / 3600};
const Target vega{u"Vega"_s, 18 + 36 / 60. + 56.3 / 3600, 38 + 47 / 60. + 1 / 3600.};

QStringList row(QTableWidget &table, int r)
{
    QStringList texts;
    for (int c = 0; c < table.columnCount(); ++c)
        texts << table.item(r, c)->text();
    return texts;
}
} // namespace

class TestTargetsWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    AppUtils::DefaultSettings store() { return AppUtils::DefaultSettings(m_dir.filePath(u"h.conf"_s)); }

private Q_SLOTS:
    void cleanup()
    {
        releaseClockWindows();
        QFile::remove(m_dir.filePath(u"h.conf"_s));
    }

    // Through the INI file and back: the comma, the non-Latin name and every digit survive.
    void storedList()
    {
        AppUtils::DefaultSettings settings = store();
        const std::vector<Target> list{m42, {u"Ω Centauri"_s, 13.446, -47.479444444444447}};
        QVERIFY(saveTargets(settings, list));
        QCOMPARE(loadTargets(store()), list);
    }

    void garbageLoadsEmpty()
    {
        AppUtils::DefaultSettings settings = store();
        settings.saveDouble(SettingsKeys::latitude, 51.5);
        settings.saveString(SettingsKeys::targets, u"5.5\tM42\n"_s);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"stored targets .* not a list"_s));
        QVERIFY(loadTargets(store()).empty());
        QCOMPARE(store().loadDouble(SettingsKeys::latitude, 0), 51.5);
    }

    // A reading → the cells: places shown where the reading holds them for that row's target.
    void cells()
    {
        AppUtils::DefaultSettings settings = store();
        saveTargets(settings, std::vector{m42, polaris, vega});
        const auto controller = makeClockWindow<TargetsWindow>(ClockUpdate::shared(), settings);
        controller->showWindow();
        auto &table = *controller->window()->findChild<QTableWidget *>();
        ClockReading reading;
        reading.observer = ObserverPosition{50, 10};
        reading.targets = {{m42, M_PI / 8, -5385.3, 45.25, Visibility::up}, {polaris, -0.01, 137.1, -0.04, Visibility::neverRises}};
        ClockUpdate::shared().show(reading);
        QCOMPARE(row(table, 0), (QStringList{m42.name, u"05 35 17.3"_s, u"−05 23 28"_s, u"+01 30 00"_s, u"1 h 30 m ago"_s, u"45.3°"_s, u"up"_s}));
        QCOMPARE(row(table, 1), (QStringList{u"Polaris"_s, u"02 31 49.1"_s, u"+89 15 51"_s, u"−00 02 18"_s, u"in 2 m"_s, u"0.0°"_s, u"never rises"_s}));
        QCOMPARE(row(table, 2).mid(3), QStringList(4)); // no place for Vega in this reading
        reading.observer = NoPosition::notAllowed;
        ClockUpdate::shared().show(reading);
        QCOMPARE(row(table, 0).mid(3), QStringList(4));
        QCOMPARE(controller->window()->findChild<QLabel *>(u"m_positionStatus"_s)->text(), u"The location service does not allow Horavane to know the position"_s);
    }

    // A bad entry is selected with its reason beside it and nothing is stored; a good one is
    // stored; the 21st is refused; Delete removes the selected row from the store too.
    void editing_data()
    {
        QTest::addColumn<QString>("ra");
        QTest::addColumn<QString>("dec");
        QTest::addColumn<int>("badField"); // 0 name, 1 RA, 2 Dec; -1 none
        QTest::newRow("good")            << u"05:35:17.3"_s << u"-05 23 28"_s << -1;
        QTest::newRow("RA minutes 60")   << u"05 60"_s << u"0"_s << 1;
        QTest::newRow("Dec trailing junk") << u"05 35"_s << u"-05 23 28 S"_s << 2;
    }

    void editing()
    {
        QFETCH(QString, ra);
        QFETCH(QString, dec);
        QFETCH(int, badField);
        AppUtils::DefaultSettings settings = store();
        const auto controller = makeClockWindow<TargetsWindow>(ClockUpdate::shared(), settings);
        controller->showWindow();
        QMainWindow &window = *controller->window();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QList<QLineEdit *> fields = window.findChildren<QLineEdit *>();
        fields[0]->setText(u"M42"_s);
        fields[1]->setText(ra);
        fields[2]->setText(dec);
        QTest::keyClick(fields[2], Qt::Key_Return);
        QCOMPARE(loadTargets(store()).size(), badField == -1 ? 1u : 0u);
        if (badField != -1) {
            QCOMPARE(QApplication::focusWidget(), fields[badField]);
            QCOMPARE(fields[badField]->selectedText(), fields[badField]->text());
            QVERIFY(!fields[badField]->accessibleDescription().isEmpty());
            return;
        }
        for (int i = 1; i < maxTargets; ++i) {
            fields[0]->setText(QString::number(i));
            fields[1]->setText(u"1"_s);
            fields[2]->setText(u"1"_s);
            QTest::keyClick(fields[2], Qt::Key_Return);
        }
        fields[0]->setText(u"21st"_s);
        QTest::keyClick(fields[2], Qt::Key_Return);
        auto &table = *window.findChild<QTableWidget *>();
        QCOMPARE(table.rowCount(), maxTargets);
        QVERIFY(!window.findChild<QLabel *>(u"m_problem"_s)->text().isEmpty());
        table.selectRow(0);
        table.setFocus();
        QTest::keyClick(&table, Qt::Key_Delete);
        const std::vector<Target> kept = loadTargets(store());
        QCOMPARE(kept.size(), std::size_t(maxTargets - 1));
        QCOMPARE(kept.front().name, u"1"_s);
    }
};

QTEST_MAIN(TestTargetsWindow)
#include "tst_targetswindow.moc"
