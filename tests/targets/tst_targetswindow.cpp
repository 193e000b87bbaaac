#include "ClockWindows.h"
#include "PixelDifference.h"
#include "preferences/SettingsKeys.h"
#include "targets/TargetStore.h"
#include "targets/TargetsWindow.h"

#include <Extensions/DirectionIsolates.h>

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>

using namespace Qt::StringLiterals;

namespace {
const Target m42{u"M42, Orion Nebula"_s, 5 + 35 / 60. + 17.3 / 3600, -(5 + 23 / 60. + 28 / 3600.)};
const Target polaris{u"Polaris"_s, 2 + 31 / 60. + 49.09 / 3600, 89 + 15 / 60. + 50.8 / 3600};
} // namespace

class TestTargetsWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    AppUtils::DefaultSettings m_store{m_dir.filePath(u"h.conf"_s)};
    std::shared_ptr<ClockWindow> shown(const std::vector<Target> &stored)
    {
        saveTargets(m_store, std::vector<TargetLine>(stored.begin(), stored.end()));
        auto controller = makeClockWindow<TargetsWindow>(ClockUpdate::shared(), m_store);
        controller->showWindow();
        return controller;
    }

private Q_SLOTS:
    void cleanup() { releaseClockWindows(); }

    // Through the INI file and back: the comma, the non-Latin name and every digit survive. A line
    // that holds no target is a row that says why, and an added target does not push it out.
    void storedList()
    {
        const std::vector<TargetLine> list{m42, Target{u"Ω Centauri"_s, 13.446, -47.479444444444447}};
        QVERIFY(saveTargets(m_store, list));
        QCOMPARE(loadTargets(AppUtils::DefaultSettings(m_store.fileName())), list);
        const QString typo = u"5.5\t-5.4\tM42\n24\t0\tTypo\n"_s;
        m_store.saveString(SettingsKeys::targets, typo);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"stored targets .* hold no target .1 of 2."_s));
        warnOfUnreadTargets(loadTargets(m_store));
        const auto controller = makeClockWindow<TargetsWindow>(ClockUpdate::shared(), m_store);
        controller->showWindow();
        const QMainWindow &window = *controller->window();
        const QTableWidget &table = *window.findChild<QTableWidget *>();
        QCOMPARE(table.rowCount(), 2);
        const QTableWidgetItem &unread = *table.item(1, 0);
        QCOMPARE(unread.text(), u"Typo"_s);
        QVERIFY(!unread.toolTip().isEmpty() && !unread.data(Qt::AccessibleDescriptionRole).toString().isEmpty());
        const QList<QLineEdit *> fields = window.findChildren<QLineEdit *>();
        fields[0]->setText(u"Polaris"_s), fields[1]->setText(u"2.5"_s), fields[2]->setText(u"89"_s);
        QTest::keyClick(fields[2], Qt::Key_Return);
        QCOMPARE(m_store.loadString(SettingsKeys::targets, {}), typo + u"2.5\t89\tPolaris\n"_s);
    }

    // A reading → the cells, for the rows whose target it holds a place or a night for; none
    // without a position. The night crosses the change to summer time at 01:00 UTC: each time is
    // in the zone in force then. Air mass at 45.25° by hand from Kasten and Young's formula: 1.4065.
    void cells()
    {
        const Target vega{u"Vega"_s, 18.6, 38.8};
        qputenv("TZ", "Europe/Berlin");
        const auto controller = shown({m42, polaris, vega});
        const QMainWindow &window = *controller->window();
        const QTableWidget &table = *window.findChild<QTableWidget *>();
        const auto row = [&](int r) { QStringList t; for (int c = 0; c < table.columnCount(); ++c) t << table.item(r, c)->text(); return t; };
        ClockReading reading;
        reading.observer = ObserverPosition{50, 10};
        reading.targets = {{m42, M_PI / 8, -5385.3, 45.25, Visibility::up}, {polaris, -0.01, 137.1, -0.04, Visibility::neverRises}};
        const auto at = [](qint64 unix) { return SkyInstant(std::chrono::seconds(unix)); };
        reading.targetNights = std::make_shared<const std::vector<TargetNight>>(std::vector<TargetNight>{
            {m42, at(1774740300), at(1774722600), at(1774758000), false, std::chrono::seconds(11520)},
            {polaris, at(1774753229), {}, {}, true, std::chrono::seconds(39571)}, {vega, at(1774755000), {}, {}, false, {}}});
        ClockUpdate::shared().show(reading);
        QCOMPARE(row(0), (QStringList{m42.name, u"05 35 17.3"_s, u"−05 23 28"_s, u"+01 30 00"_s, u"1 h 30 m ago"_s, u"45.3°"_s,
                             u"1.41"_s, u"up"_s, u"19:30"_s, u"00:25"_s, u"06:20"_s, u"3 h 12 m"_s}));
        QCOMPARE(row(1), (QStringList{u"Polaris"_s, u"02 31 49.1"_s, u"+89 15 51"_s, u"−00 02 18"_s, u"in 2 m"_s, u"0.0°"_s,
                             u""_s, u"never rises"_s, u"circumpolar"_s, u"05:00"_s, u"circumpolar"_s, u"11 h 0 m"_s}));
        QCOMPARE(row(2).mid(3), (QStringList(5) << u"—"_s << u"—"_s << u"—"_s << u"—"_s));
        QCOMPARE(table.item(0, 8)->toolTip(), u"2026-03-28T18:30:00.000Z"_s);
        // Drawn in a right-to-left layout, each cell still reads left to right: the cursor moves
        // right from one character to the next (an edge of the text is ambiguous: it is left out).
        for (int c = 0; c < table.columnCount(); ++c) {
            const QModelIndex index = table.model()->index(0, c);
            const QString text = index.data().toString();
            QTextLayout layout(qobject_cast<QStyledItemDelegate *>(table.itemDelegateForIndex(index))->displayText(text, {}));
            QTextOption rightToLeft;
            rightToLeft.setTextDirection(Qt::RightToLeft);
            layout.setTextOption(rightToLeft);
            layout.beginLayout();
            QTextLine line = layout.createLine();
            line.setLineWidth(1000);
            layout.endLayout();
            const int first = int(layout.text().indexOf(text)), last = first + int(text.size()) - 1;
            for (int i = first + 1; i < last; ++i)
                QVERIFY2(line.cursorToX(i) < line.cursorToX(i + 1), qPrintable(text));
        }
        reading.observer = NoPosition::notAllowed;
        reading.targetNights = nullptr;
        ClockUpdate::shared().show(reading);
        QCOMPARE(row(0).mid(3), QStringList(9));
        QCOMPARE(window.findChild<QLabel *>(u"m_positionStatus"_s)->text(), u"The location service does not allow Horavane to know the position"_s);
    }

    // The changing columns, drawn as cells, look as Qt's own delegate draws them, selected or
    // not, at 1× and 2×. (Right to left, Qt places the isolated text's glyphs at fractions of a
    // pixel and the antialiasing differs, though the cells are where its text is.)
    void cellsLookAsQtDrawsThem_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1x") << 1.0;
        QTest::newRow("2x") << 2.0;
    }

    void cellsLookAsQtDrawsThem()
    {
        QFETCH(qreal, ratio);
        const auto controller = shown({m42, polaris});
        QTableWidget &table = *controller->window()->findChild<QTableWidget *>();
        ClockReading reading;
        reading.observer = ObserverPosition{50, 10};
        reading.targets = {{m42, M_PI / 8, -5385.3, 45.25, Visibility::up}, {polaris, -0.01, 137.1, -0.04, Visibility::neverRises}};
        ClockUpdate::shared().show(reading);
        table.selectRow(1);
        const auto drawn = [&] {
            QImage image(table.viewport()->size() * ratio, QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            table.viewport()->render(&image);
            return image;
        };
        const QImage cells = drawn();
        // Qt's shaping of the text set apart as the window sets it apart, left to right.
        struct Isolating : QStyledItemDelegate
        {
            using QStyledItemDelegate::QStyledItemDelegate;
            QString displayText(const QVariant &value, const QLocale &) const override { return Extensions::ltrIsolated(value.toString()); }
        };
        for (const int column : {3, 4, 5})
            table.setItemDelegateForColumn(column, new Isolating(&table));
        const QImage shaped = drawn();
        const int most = largestDifference(cells, shaped);
        QVERIFY2(most <= 1, qPrintable(QString::number(most)));
    }

    // The altitude limit: one that reads is stored and heads its column; a bad one keeps the stored
    // limit and says why beside the field.
    void limit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("stored");
        QTest::newRow("45")          << u" 45 "_s << 45.0;
        QTest::newRow("above 89")    << u"89.5"_s << 25.0;
        QTest::newRow("below 0")     << u"-1"_s << 25.0;
        QTest::newRow("a unit")      << u"30 deg"_s << 25.0;
        QTest::newRow("empty")       << u""_s << 25.0;
    }

    void limit()
    {
        QFETCH(QString, text);
        QFETCH(double, stored);
        m_store.saveDouble(SettingsKeys::targetMinAltitude, 25);
        const auto controller = shown({m42});
        const QMainWindow &window = *controller->window();
        auto &field = *window.findChild<QLineEdit *>(u"m_limit"_s);
        field.setText(text);
        QTest::keyClick(&field, Qt::Key_Return);
        QCOMPARE(m_store.loadDouble(SettingsKeys::targetMinAltitude, 0), stored);
        QCOMPARE(window.findChild<QTableWidget *>()->horizontalHeaderItem(11)->text(), u"Dark hours above %1°"_s.arg(stored));
        QCOMPARE(window.findChild<QLabel *>(u"m_limitProblem"_s)->text().isEmpty(), stored != 25);
    }

    // A bad entry is selected, with its reason, and nothing stored; a good one is stored as the
    // 20th, a 21st is refused, and Delete removes the selected target from the store too.
    void editing_data()
    {
        QTest::addColumn<QString>("ra");
        QTest::addColumn<QString>("dec");
        QTest::addColumn<int>("badField"); // 0 name, 1 RA, 2 Dec; -1 none
        QTest::newRow("good")              << u"05:35:17.3"_s << u"-05 23 28"_s << -1;
        QTest::newRow("RA minutes 60")     << u"05 60"_s << u"0"_s << 1;
        QTest::newRow("Dec trailing junk") << u"05 35"_s << u"-05 23 28 S"_s << 2;
    }

    void editing()
    {
        QFETCH(QString, ra);
        QFETCH(QString, dec);
        QFETCH(int, badField);
        const auto controller = shown(std::vector(maxTargets - 1, polaris));
        QMainWindow &window = *controller->window();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QList<QLineEdit *> fields = window.findChildren<QLineEdit *>();
        for (const auto &[field, text] : {std::pair{fields[0], u"M42"_s}, {fields[1], ra}, {fields[2], dec}})
            field->setText(text);
        QTest::keyClick(fields[2], Qt::Key_Return);
        QCOMPARE(loadTargets(m_store).size(), std::size_t(badField == -1 ? maxTargets : maxTargets - 1));
        if (badField != -1) {
            QVERIFY(fields[badField]->hasFocus() && fields[badField]->selectedText() == fields[badField]->text());
            QVERIFY(!fields[badField]->accessibleDescription().isEmpty());
            return;
        }
        fields[0]->setText(u"21st"_s), fields[1]->setText(u"1"_s), fields[2]->setText(u"1"_s);
        QTest::keyClick(fields[2], Qt::Key_Return);
        QVERIFY(!window.findChild<QLabel *>(u"m_problem"_s)->text().isEmpty());
        auto &table = *window.findChild<QTableWidget *>();
        table.selectRow(maxTargets - 1);
        table.setFocus();
        QTest::keyClick(&table, Qt::Key_Delete);
        QCOMPARE(targetsAmong(loadTargets(m_store)), std::vector(maxTargets - 1, polaris));
    }
};

QTEST_MAIN(TestTargetsWindow)
#include "tst_targetswindow.moc"
