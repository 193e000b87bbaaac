#include <Platform/ViewController.h>
#include <Platform/WindowController.h>

#include <QMainWindow>
#include <QStackedWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Logs its hooks and signals, noting whether the window already shows.
class RecordingController : public Platform::WindowController
{
public:
    RecordingController()
    {
        connect(this, &WindowController::windowLoaded, this, [this] { note(u"loaded"_s); });
        connect(this, &WindowController::windowClosed, this, [this] { log << u"closed"_s; });
    }

    QStringList log;

protected:
    void loadWindow(QMainWindow &) override { log << u"load"_s; }
    void windowDidLoad() override { note(u"didLoad"_s); }
    void windowWillClose() override { log << u"willClose"_s; }

private:
    void note(const QString &what) { log << (window()->isVisible() ? what + u" shown"_s : what); }
};

class CountingController : public Platform::ViewController
{
public:
    int loads = 0;

protected:
    void loadView(QWidget &) override { ++loads; }
};

} // namespace

class TestControllers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Loaded once, before it shows; later calls bring back the same window, minimised or closed.
    void showWindow()
    {
        RecordingController controller;
        controller.showWindow();
        QMainWindow *window = controller.window();
        QVERIFY(window && window->isVisible());
        window->showMinimized();
        controller.showWindow();
        QVERIFY(window->isVisible() && !window->isMinimized());
        QVERIFY(window->close());
        controller.showWindow();
        QCOMPARE(controller.window(), window);
        QVERIFY(window->isVisible());
        QCOMPARE(controller.log, (QStringList{u"load"_s, u"didLoad"_s, u"loaded"_s, u"willClose"_s, u"closed"_s}));
    }

    // The owner of a clock window drops its controller when the window closes; under
    // AddressSanitizer a window destroyed inside its own close event fails here.
    void releasedOnClose()
    {
        QPointer<RecordingController> controller = new RecordingController;
        controller->showWindow();
        const QPointer<QMainWindow> window = controller->window();
        connect(controller, &Platform::WindowController::windowClosed, this, [&controller] { delete controller; });
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!controller && !window);
    }

    // A view taken by a stack destroyed first is built afresh; one in a stack that outlives the
    // controller goes with the controller. Under AddressSanitizer a double delete or leak fails.
    void viewOwnership()
    {
        auto controller = std::make_unique<CountingController>();
        auto first = std::make_unique<QStackedWidget>();
        first->addWidget(controller->view());
        QCOMPARE(controller->view(), first->widget(0));
        first.reset();
        QStackedWidget second;
        const QPointer<QWidget> view = controller->view();
        second.addWidget(view);
        QCOMPARE(controller->loads, 2);
        controller.reset();
        QVERIFY(!view && second.count() == 0);
    }
};

QTEST_MAIN(TestControllers)
#include "tst_controllers.moc"
