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
    // The window fits each pane's height and keeps its width; its height moves smoothly only
    // when the user switches panes in view. The panes keep their views when it goes.
    void switching()
    {
        FixedPane general(QSize(300, 80)), updates(QSize(200, 260));   // the second narrower and taller
        auto controller = std::make_unique<Preferences::PreferencesWindowController>(
            QList<Preferences::Preferenceable *>{&general, &updates}, u"Horavane Preferences"_s);
        controller->showWindow();
        QMainWindow &window = *controller->window();
        const QList<QAction *> buttons = window.findChild<QToolBar *>()->actions();
        const QSize small = window.size(), tall(small.width(), small.height() + 260 - 80);
        buttons.at(1)->trigger();
        QCOMPARE(window.findChild<QStackedWidget *>()->currentWidget(), updates.view());
        QCOMPARE(window.height(), small.height());   // on its way
        QTRY_COMPARE(window.size(), tall);
        controller->selectPane(0);
        QVERIFY(window.height() != tall.height());   // at once
        QTRY_COMPARE(window.size(), small);

        const QPointer<QWidget> view = general.view();
        controller.reset();
        QVERIFY(view && !view->parent());
    }
};

QTEST_MAIN(TestPreferencesWindow)
#include "tst_preferenceswindow.moc"
