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
    FixedPane(QString title, QSize extent) : m_title(std::move(title)), m_extent(extent) {}
    QString toolbarItemTitle() const override { return m_title; }
    QIcon toolbarItemIcon() const override { return QIcon(); }
    QWidget *view() override { return Platform::ViewController::view(); }

protected:
    void loadView(QWidget &view) override
    {
        (new QVBoxLayout(&view))->addItem(new QSpacerItem(m_extent.width(), m_extent.height(), QSizePolicy::Fixed, QSizePolicy::Fixed));
    }

private:
    QString m_title;
    QSize m_extent;
};

} // namespace

class TestPreferencesWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_controller.reset();
        // The second pane is narrower and taller: the window keeps the wider width throughout.
        m_general = std::make_unique<FixedPane>(u"General"_s, QSize(300, 80));
        m_updates = std::make_unique<FixedPane>(u"Updates"_s, QSize(200, 260));
        m_general->view();   // loaded before the window, as the application does
        m_controller = std::make_unique<Preferences::PreferencesWindowController>(
            QList<Preferences::Preferenceable *>{m_general.get(), m_updates.get()}, u"Horavane Preferences"_s);
        m_controller->selectPane(7);   // out of range: ignored
        m_controller->showWindow();
    }

    void switching_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("byButton");   // else by selectPane()
        QTest::addColumn<bool>("animated");
        QTest::newRow("button, shown window") << true << true << true;
        QTest::newRow("button, hidden window") << false << true << false;
        QTest::newRow("selectPane") << true << false << false;
    }

    // The window fits each pane's height and keeps its width; its height moves smoothly only
    // when the user switches panes in view.
    void switching()
    {
        QFETCH(bool, shown);
        QFETCH(bool, byButton);
        QFETCH(bool, animated);
        QMainWindow &window = *m_controller->window();
        QToolBar &toolBar = *window.findChild<QToolBar *>();
        const QList<QAction *> buttons = toolBar.actions();
        QCOMPARE(toolBar.widgetForAction(buttons.at(1))->accessibleName(), u"Updates"_s);
        QStackedWidget &stack = *window.findChild<QStackedWidget *>();
        QCOMPARE(stack.currentWidget(), m_general->view());
        const QSize small = window.size();
        window.setVisible(shown);

        const auto select = [&](int i) { byButton ? buttons.at(i)->trigger() : m_controller->selectPane(i); };
        select(1);
        QCOMPARE(stack.currentWidget(), m_updates->view());
        QCOMPARE(window.height() == small.height(), animated);
        QTRY_COMPARE(window.size(), QSize(small.width(), small.height() + 260 - 80));
        select(0);
        QVERIFY(buttons.at(0)->isChecked());
        QTRY_COMPARE(window.size(), small);
    }

    // The panes own their views: the window hands them back, whole and parentless, when it goes.
    void destroyingTheWindowKeepsTheViews()
    {
        const QPointer<QWidget> general = m_general->view();
        m_controller.reset();
        QVERIFY(general && !general->parent());
        m_general.reset();
        QVERIFY(!general);
    }

private:
    std::unique_ptr<FixedPane> m_general;
    std::unique_ptr<FixedPane> m_updates;
    std::unique_ptr<Preferences::PreferencesWindowController> m_controller;
};

QTEST_MAIN(TestPreferencesWindow)
#include "tst_preferenceswindow.moc"
