#include <Platform/ViewController.h>
#include <Preferences/Preferenceable.h>
#include <Preferences/PreferencesWindowController.h>

#include <QMainWindow>
#include <QStackedWidget>
#include <QTest>
#include <QToolBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// A pane that asks for a fixed extent, so the window's expected sizes are known here.
class FixedPane : public Platform::ViewController, public Preferences::Preferenceable
{
public:
    explicit FixedPane(QSize extent) : m_extent(extent) {}
    QString toolbarItemTitle() const override { return u"Pane"_s; }
    QIcon toolbarItemIcon() const override { return QIcon(); }
    QWidget *view() override { return Platform::ViewController::view(); }

protected:
    void loadView(QWidget &view) override
    {
        (new QVBoxLayout(&view))->addItem(new QSpacerItem(m_extent.width(), m_extent.height(), QSizePolicy::Fixed, QSizePolicy::Fixed));
    }

private:
    QSize m_extent;
};

} // namespace

class TestPreferencesWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void switching_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("byButton");   // else by selectPane()
        QTest::newRow("button, shown window") << true << true;
        QTest::newRow("button, hidden window") << false << true;
        QTest::newRow("selectPane") << true << false;
    }

    // The window fits each pane's height and keeps its width; its height moves smoothly only
    // when the user switches panes in view. The panes keep their views when it goes.
    void switching()
    {
        QFETCH(bool, shown);
        QFETCH(bool, byButton);
        // The second pane is narrower and taller.
        FixedPane general(QSize(300, 80)), updates(QSize(200, 260));
        auto controller = std::make_unique<Preferences::PreferencesWindowController>(
            QList<Preferences::Preferenceable *>{&general, &updates}, u"Horavane Preferences"_s);
        controller->showWindow();
        QMainWindow &window = *controller->window();
        const QList<QAction *> buttons = window.findChild<QToolBar *>()->actions();
        const QSize small = window.size();
        window.setVisible(shown);

        const auto select = [&](int i) { byButton ? buttons.at(i)->trigger() : controller->selectPane(i); };
        select(1);
        QCOMPARE(window.findChild<QStackedWidget *>()->currentWidget(), updates.view());
        QCOMPARE(window.height() == small.height(), shown && byButton);
        QTRY_COMPARE(window.size(), QSize(small.width(), small.height() + 260 - 80));
        select(0);
        QTRY_COMPARE(window.size(), small);

        const QPointer<QWidget> view = general.view();
        controller.reset();
        QVERIFY(view && !view->parent());
    }
};

QTEST_MAIN(TestPreferencesWindow)
#include "tst_preferenceswindow.moc"
