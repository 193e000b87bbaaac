#include "preferences/AppPreferences.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>
#include <QToolBar>

#include <algorithm>

using namespace Qt::StringLiterals;

// The one preferences object: built at first use with nothing on screen, its General pane's
// controls ready for loadSettings(), and one window shown and hidden again and again.
class TestAppPreferences : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstUseBuildsPanesAndShowsNothing();
    void windowComesBackWithWhatWasTyped();
};

void TestAppPreferences::firstUseBuildsPanesAndShowsNothing()
{
    AppPreferences &preferences = sharedPreferences();
    QCOMPARE(&sharedPreferences(), &preferences);
    QVERIFY(preferences.prefsGeneral().isViewLoaded());
    QVERIFY(preferences.prefsUpdate().isViewLoaded());
    QVERIFY(!preferences.window().window());   // built at the first showWindow()
    QVERIFY(std::ranges::none_of(QApplication::topLevelWidgets(), &QWidget::isVisible));
}

void TestAppPreferences::windowComesBackWithWhatWasTyped()
{
    AppPreferences &preferences = sharedPreferences();
    preferences.window().showWindow();
    QMainWindow *window = preferences.window().window();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));

    const QList<QAction *> panes = window->findChild<QToolBar *>()->actions();
    QCOMPARE(panes.size(), 2);
    QCOMPARE(panes.at(0)->text(), u"General"_s);
    QCOMPARE(panes.at(1)->text(), preferences.prefsUpdate().toolbarItemTitle());
    QCOMPARE(preferences.window().currentPane(), 0);
    QVERIFY(preferences.prefsGeneral().view()->isVisibleTo(window));

    preferences.prefsGeneral().view()->findChild<QLineEdit *>(u"m_latitude"_s)->setText(u"-33.8568"_s);
    QVERIFY(window->close());
    QVERIFY(!window->isVisible());

    preferences.window().showWindow();
    QCOMPARE(preferences.window().window(), window);
    QVERIFY(window->isVisible());
    QCOMPARE(preferences.prefsGeneral().latitudeField().text(), u"-33.8568"_s);
}

QTEST_MAIN(TestAppPreferences)
#include "tst_apppreferences.moc"
