#include "ClockWindows.h"
#include "preferences/SettingsKeys.h"
#include "sites/SitesWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSitesWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    AppUtils::DefaultSettings m_store{m_dir.filePath(u"h.conf"_s)};

private Q_SLOTS:
    void cleanup() { releaseClockWindows(); }

    // A stored list with garbage and a zone this system lacks: each is a row that says why, the
    // window says so in one line, and adding a site keeps them. A typed zone the system lacks is
    // refused beside the fields. "Observe from here" hands the keeper the selected site's place.
    void storedListAndObserve()
    {
        const QString stored = u"garbage\n0\t0\t0\tMars/Olympus_Mons\tMars\n"_s;
        m_store.saveString(SettingsKeys::sites, stored);
        std::optional<std::pair<double, double>> kept;
        const auto controller = makeClockWindow<SitesWindow>(ClockUpdate::shared(), m_store,
            [&kept](double latitude, double longitude) { return kept.emplace(latitude, longitude), true; });
        controller->showWindow();
        const QMainWindow &window = *controller->window();
        QTableWidget &table = *window.findChild<QTableWidget *>();
        const QLabel &problem = *window.findChild<QLabel *>(u"m_problem"_s);
        QCOMPARE(table.rowCount(), 2);
        QCOMPARE(problem.text(), u"2 stored rows hold no site: they are kept as they are, and their tooltips say why"_s);
        QCOMPARE(table.item(1, 0)->data(Qt::AccessibleDescriptionRole).toString(),
            u"This system has no such time zone: choose one from the list"_s);

        const QList<QLineEdit *> fields = window.findChildren<QLineEdit *>();
        QComboBox &zone = *window.findChild<QComboBox *>();
        fields[0]->setText(u"Calar Alto"_s), fields[1]->setText(u"37.2236"_s), fields[2]->setText(u"−2.5463"_s);
        zone.setEditText(u"Europe/Atlantis"_s);
        QTest::keyClick(fields[2], Qt::Key_Return);
        QCOMPARE(problem.text(), u"This system has no such time zone: choose one from the list"_s);
        zone.setEditText(u"Europe/Madrid"_s);
        QTest::keyClick(fields[2], Qt::Key_Return);
        QCOMPARE(m_store.loadString(SettingsKeys::sites, {}), stored + u"37.2236\t-2.5463\t0\tEurope/Madrid\tCalar Alto\n"_s);

        table.selectRow(2);
        window.findChild<QPushButton *>(u"m_observe"_s)->click();
        QVERIFY(kept == std::pair(37.2236, -2.5463));
    }
};

QTEST_MAIN(TestSitesWindow)
#include "tst_siteswindow.moc"
