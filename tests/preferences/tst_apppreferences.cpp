#include "preferences/AppPreferences.h"

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>
#include <QToolBar>

#include <algorithm>

using namespace Qt::StringLiterals;

class TestAppPreferences : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Built once with its panes loaded and nothing on screen; the one window then hides on
    // close and comes back as it was left.
    void oneWindowShownAgainAndAgain()
    {
        AppPreferences &preferences = sharedPreferences();
        QCOMPARE(&sharedPreferences(), &preferences);
        QVERIFY(preferences.prefsGeneral().isViewLoaded() && preferences.prefsUpdate().isViewLoaded());
        QVERIFY(std::ranges::none_of(QApplication::topLevelWidgets(), &QWidget::isVisible));

        preferences.window().showWindow();
        QMainWindow *window = preferences.window().window();
        QVERIFY(window && QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->findChild<QToolBar *>()->actions().size(), 2);
        QVERIFY(preferences.prefsGeneral().view()->isVisibleTo(window));
        preferences.prefsGeneral().view()->findChild<QLineEdit *>(u"m_latitude"_s)->setText(u"-33.8568"_s);
        QVERIFY(window->close() && !window->isVisible());

        preferences.window().showWindow();
        QVERIFY(preferences.window().window() == window && window->isVisible());
        QCOMPARE(preferences.prefsGeneral().latitudeField().text(), u"-33.8568"_s);
    }
};

QTEST_MAIN(TestAppPreferences)
#include "tst_apppreferences.moc"
