#include <Platform/FrameAutosave.h>
#include <Platform/TextField.h>
#include <Platform/ViewController.h>
#include <Preferences/Preferenceable.h>
#include <Preferences/PreferencesWindowController.h>

#include <QLineEdit>
#include <QMainWindow>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTest>
#include <QToolBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString TITLE = u"Horavane Preferences"_s;

// Like the General pane, selects its field again when an edit ends on text that is not a number.
class FieldPane : public Platform::ViewController, public Preferences::Preferenceable
{
public:
    FieldPane(QString title, int height) : m_title(std::move(title)), m_height(height) {}
    QString toolbarItemTitle() const override { return m_title; }
    QIcon toolbarItemIcon() const override { return QIcon(); }
    QWidget *view() override { return Platform::ViewController::view(); }

    QLineEdit *field = nullptr;
    int reselections = 0;

protected:
    void loadView(QWidget &view) override
    {
        auto *layout = new QVBoxLayout(&view);
        layout->addWidget(field = new QLineEdit(&view));
        layout->addSpacing(m_height);
        connect(field, &QLineEdit::editingFinished, this, [this] {
            bool number = false;
            field->text().toDouble(&number);
            reselections += number ? 0 : 1;
            if (!number)
                Platform::TextField::selectText(*field);
        });
    }

private:
    QString m_title;
    int m_height;
};

} // namespace

class TestPreferencesWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(u"Horavane"_s);
        QCoreApplication::setApplicationName(u"Horavane"_s);
    }

    void init()
    {
        m_controller.reset();
        m_general = std::make_unique<FieldPane>(u"General"_s, 80);
        m_updates = std::make_unique<FieldPane>(u"Updates"_s, 260);
        m_general->view();   // loaded before the window, as the application does
        m_controller = std::make_unique<Preferences::PreferencesWindowController>(
            QList<Preferences::Preferenceable *>{m_general.get(), m_updates.get()}, TITLE);
    }

    // The tool bar switches panes and the window fits each; an index out of range is ignored.
    void switchingFitsThePane()
    {
        m_controller->selectPane(7);
        m_controller->showWindow();
        QMainWindow &window = *m_controller->window();
        const QList<QAction *> buttons = toolBar().actions();
        QStringList titles;
        for (QAction *button : buttons)
            titles << button->text() + u'/' + toolBar().widgetForAction(button)->accessibleName();
        QCOMPARE(titles, QStringList({u"General/General"_s, u"Updates/Updates"_s}));
        QCOMPARE(stack().currentWidget(), m_general->view());
        const QSize small = window.size();

        buttons.at(1)->trigger();
        QCOMPARE(m_controller->currentPane(), 1);
        QCOMPARE(stack().currentWidget(), m_updates->view());
        QCOMPARE(stack().size(), m_updates->view()->sizeHint());
        QVERIFY(window.height() > small.height());
        m_controller->selectPane(0);
        QVERIFY(buttons.at(0)->isChecked());
        QCOMPARE(window.size(), small);
    }

    void closeHidesAndShowBringsBack_data()
    {
        QTest::addColumn<bool>("byShortcut");
        QTest::newRow("close button") << false;
        QTest::newRow("Ctrl+W") << true;
    }

    // Hiding ends the edit and the pane reselects the bad entry: that must not hold the window open.
    void closeHidesAndShowBringsBack()
    {
        QFETCH(bool, byShortcut);
        m_controller->showWindow();
        const QPointer<QMainWindow> window = m_controller->window();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QLineEdit &field = *m_general->field;
        field.setFocus();
        QTest::keyClicks(&field, u"abc"_s);

        if (byShortcut)
            QTest::keyClick(&field, Qt::Key_W, Qt::ControlModifier);
        else
            window->close();
        QCoreApplication::processEvents();
        QVERIFY(window && !window->isVisible());
        QVERIFY(m_general->reselections > 0);
        const QString conf = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/Horavane/Horavane.conf"_s;
        QVERIFY(QSettings(conf, QSettings::IniFormat).contains(Platform::FrameAutosave::settingsKey(TITLE)));

        m_controller->showWindow();
        QVERIFY(m_controller->window() == window && window->isVisible());
        QCOMPARE(field.text(), u"abc"_s);
    }

    void destructionOrder_data()
    {
        QTest::addColumn<bool>("panesFirst");
        QTest::newRow("panes first") << true;
        QTest::newRow("window first") << false;
    }

    // Each view is destroyed once, by its pane (AddressSanitizer checks the "once").
    void destructionOrder()
    {
        QFETCH(bool, panesFirst);
        m_controller->showWindow();
        const QPointer<QWidget> general = m_general->view();
        if (!panesFirst) {
            m_controller.reset();
            QVERIFY(general && !general->parent());
        }
        m_general.reset();
        QVERIFY(!general);
        QVERIFY(!panesFirst || stack().count() == 1);
    }

private:
    QToolBar &toolBar() const { return *m_controller->window()->findChild<QToolBar *>(); }
    QStackedWidget &stack() const { return *m_controller->window()->findChild<QStackedWidget *>(); }

    std::unique_ptr<FieldPane> m_general;
    std::unique_ptr<FieldPane> m_updates;
    std::unique_ptr<Preferences::PreferencesWindowController> m_controller;
};

QTEST_MAIN(TestPreferencesWindow)
#include "tst_preferenceswindow.moc"
