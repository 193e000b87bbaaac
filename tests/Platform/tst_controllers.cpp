#include <Platform/ViewController.h>
#include <Platform/WindowController.h>

#include <QMainWindow>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class RecordingController : public Platform::WindowController
{
public:
    QStringList log;

protected:
    void loadWindow(QMainWindow &) override { log << u"load"_s; }
    void windowDidLoad() override { log << (window()->isVisible() ? u"didLoad shown"_s : u"didLoad"_s); }
    void windowWillClose() override { log << u"willClose"_s; }
};

enum class Release { DeleteLater, Delete };

class CountingController : public Platform::ViewController
{
public:
    int loads = 0;

protected:
    void loadView(QWidget &) override { ++loads; }
};

enum class Home { None, StackOutlivesController, StackGoesFirst };

} // namespace

class TestControllers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void showWindow_data()
    {
        QTest::addColumn<bool>("minimise");
        QTest::newRow("after a close") << false;
        QTest::newRow("minimised") << true;
    }

    // Loaded once, before it shows; later calls bring back the same window.
    void showWindow()
    {
        QFETCH(bool, minimise);
        RecordingController controller;
        connect(&controller, &Platform::WindowController::windowLoaded, this, [&controller] {
            controller.log << (controller.window()->isVisible() ? u"loaded shown"_s : u"loaded"_s);
        });
        QVERIFY(!controller.window());
        controller.showWindow();
        QMainWindow *window = controller.window();
        QVERIFY(window && window->isVisible());
        const QSignalSpy closed(&controller, &Platform::WindowController::windowClosed);
        if (minimise)
            window->showMinimized();
        else
            QVERIFY(window->close());
        QCOMPARE(closed.count(), minimise ? 0 : 1);

        controller.showWindow();
        QCOMPARE(controller.window(), window);
        QVERIFY(window->isVisible() && !window->isMinimized());
        const QStringList loaded{u"load"_s, u"didLoad"_s, u"loaded"_s};
        QCOMPARE(controller.log, minimise ? loaded : loaded + QStringList{u"willClose"_s});
    }

    void releasedOnClose_data()
    {
        QTest::addColumn<Release>("release");
        QTest::newRow("deleteLater") << Release::DeleteLater;
        QTest::newRow("delete inside the close") << Release::Delete;
    }

    // The owner of a clock window drops its controller when the window closes; under
    // AddressSanitizer a window destroyed inside its own close event fails here.
    void releasedOnClose()
    {
        QFETCH(Release, release);
        QPointer<RecordingController> controller = new RecordingController;
        controller->showWindow();
        const QPointer<QMainWindow> window = controller->window();
        connect(controller, &Platform::WindowController::windowClosed, this, [&controller, release] {
            if (release == Release::DeleteLater)
                controller->deleteLater();
            else
                delete controller;
        });

        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!controller);
        QVERIFY(!window);
    }

    void viewOwnership_data()
    {
        QTest::addColumn<Home>("home");
        QTest::newRow("never placed") << Home::None;
        QTest::newRow("in a stack that outlives it") << Home::StackOutlivesController;
        QTest::newRow("in a stack destroyed first") << Home::StackGoesFirst;
    }

    // Under AddressSanitizer a double delete or a leak here fails the suite.
    void viewOwnership()
    {
        QFETCH(Home, home);
        auto controller = std::make_unique<CountingController>();
        auto stack = std::make_unique<QStackedWidget>();
        QVERIFY(!controller->isViewLoaded());
        const QPointer<QWidget> view = controller->view();
        QCOMPARE(controller->view(), view.data());
        QCOMPARE(controller->loads, 1);
        if (home != Home::None)
            stack->addWidget(view);

        if (home == Home::StackGoesFirst) {
            stack.reset();
            QVERIFY(!controller->isViewLoaded());
            QVERIFY(controller->view());   // built afresh
            QCOMPARE(controller->loads, 2);
        }
        controller.reset();
        QVERIFY(!view);
        if (stack)
            QCOMPARE(stack->count(), 0);
    }
};

QTEST_MAIN(TestControllers)
#include "tst_controllers.moc"
