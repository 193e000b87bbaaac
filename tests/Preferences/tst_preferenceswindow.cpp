#include <Platform/TextField.h>
#include <Platform/ViewController.h>
#include <Preferences/Preferenceable.h>
#include <Preferences/PreferencesWindowController.h>

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QStackedWidget>
#include <QStyle>
#include <QTest>
#include <QToolBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Like the General pane, selects its field again when an edit ends on text that is not a number.
class FieldPane : public Platform::ViewController, public Preferences::Preferenceable
{
public:
    FieldPane(QString title, QSize extent) : m_title(std::move(title)), m_extent(extent) {}
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
        layout->addItem(new QSpacerItem(m_extent.width(), m_extent.height(), QSizePolicy::Fixed, QSizePolicy::Fixed));
        connect(field, &QLineEdit::editingFinished, this, [this] {
            bool number = false;
            field->text().toDouble(&number);
            if (number)
                return;
            ++reselections;
            Platform::TextField::selectText(*field);
        });
    }

private:
    QString m_title;
    QSize m_extent;
};

// The mean lightness of what the icon draws, 0 to 255; -1 when it draws nothing.
int inkLightness(const QIcon &icon)
{
    const QImage image = icon.pixmap(32).toImage();
    int sum = 0, count = 0;
    for (int i = 0; i < image.width() * image.height(); ++i) {
        const QColor pixel = image.pixelColor(i % image.width(), i / image.width());
        sum += pixel.alpha() > 128 ? pixel.lightness() : 0;
        count += pixel.alpha() > 128 ? 1 : 0;
    }
    return count ? sum / count : -1;
}

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
        // The second pane is narrower and taller: the window keeps the wider width throughout.
        m_general = std::make_unique<FieldPane>(u"General"_s, QSize(300, 80));
        m_updates = std::make_unique<FieldPane>(u"Updates"_s, QSize(200, 260));
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
        QCOMPARE(stack().currentWidget(), m_general->view());
        const QSize small = window.size();
        window.setVisible(shown);

        const auto select = [&](int i) { byButton ? buttons.at(i)->trigger() : m_controller->selectPane(i); };
        select(1);
        QCOMPARE(stack().currentWidget(), m_updates->view());
        QCOMPARE(window.height() == small.height(), animated);
        QTRY_COMPARE(window.size(), QSize(small.width(), small.height() + 260 - 80));
        select(0);
        QVERIFY(buttons.at(0)->isChecked());
        QTRY_COMPARE(window.size(), small);
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

        m_controller->showWindow();
        QVERIFY(m_controller->window() == window && window->isVisible());
        QCOMPARE(field.text(), u"abc"_s);
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

    void fallbackIcon_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("General") << u"preferences-system"_s;
        QTest::newRow("Updates") << u"system-software-update"_s;
    }

    // Where the desktop's icon theme lacks the panes' icons, they are still drawn, in ink that
    // shows on the palette, also after the palette changes.
    void fallbackIcon()
    {
        QFETCH(QString, name);
        QIcon::setThemeName(u"hicolor"_s);
        QApplication::setPalette(QPalette(Qt::black, QColor(0xef, 0xef, 0xef)));
        const QIcon icon = QIcon::fromTheme(name, QApplication::style()->standardIcon(QStyle::SP_ComputerIcon));
        const int onLight = inkLightness(icon);
        QApplication::setPalette(QPalette(Qt::white, QColor(0x2b, 0x2d, 0x30)));
        const int onDark = inkLightness(icon);
        QApplication::setPalette(QPalette());
        QVERIFY2(onLight >= 0 && onLight < 0xef - 100 && onDark > 0x2d + 100,
                 qPrintable(u"%1 %2"_s.arg(onLight).arg(onDark)));
    }

private:
    QStackedWidget &stack() const { return *m_controller->window()->findChild<QStackedWidget *>(); }
    std::unique_ptr<FieldPane> m_general;
    std::unique_ptr<FieldPane> m_updates;
    std::unique_ptr<Preferences::PreferencesWindowController> m_controller;
};

QTEST_MAIN(TestPreferencesWindow)
#include "tst_preferenceswindow.moc"
