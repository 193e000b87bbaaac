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
    void showWindow_data()
    {
        QTest::addColumn<bool>("minimise");
        QTest::addColumn<QStringList>("log");
        const QStringList loaded{u"load"_s, u"didLoad"_s, u"loaded"_s};
        QTest::newRow("after a close") << false << loaded + QStringList{u"willClose"_s, u"closed"_s};
        QTest::newRow("minimised") << true << loaded;
    }

    // Loaded once, before it shows; later calls bring back the same window.
    void showWindow()
    {
        QFETCH(bool, minimise);
        QFETCH(QStringList, log);
        RecordingController controller;
        controller.showWindow();
        QMainWindow *window = controller.window();
        QVERIFY(window && window->isVisible());
        if (minimise)
            window->showMinimized();
        else
            QVERIFY(window->close());
        controller.showWindow();
        QCOMPARE(controller.window(), window);
        QVERIFY(window->isVisible() && !window->isMinimized());
        QCOMPARE(controller.log, log);
    }

    void releasedOnClose_data()
    {
        QTest::addColumn<bool>("deleteLater");
        QTest::newRow("deleteLater") << true;
        QTest::newRow("delete inside the close") << false;
    }

    // The owner of a clock window drops its controller when the window closes; under
    // AddressSanitizer a window destroyed inside its own close event fails here.
    void releasedOnClose()
    {
        QFETCH(bool, deleteLater);
        QPointer<RecordingController> controller = new RecordingController;
        controller->showWindow();
        const QPointer<QMainWindow> window = controller->window();
        connect(controller, &Platform::WindowController::windowClosed, this, [&controller, deleteLater] {
            if (deleteLater)
                controller->deleteLater();
            else
                delete controller;
        });
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!controller && !window);
    }

    void viewOwnership_data()
    {
        QTest::addColumn<bool>("stackGoesFirst");
        QTest::newRow("in a stack that outlives it") << false;
        QTest::newRow("in a stack destroyed first") << true;
    }

    // Under AddressSanitizer a double delete or a leak here fails the suite.
    void viewOwnership()
    {
        QFETCH(bool, stackGoesFirst);
        auto controller = std::make_unique<CountingController>();
        auto stack = std::make_unique<QStackedWidget>();
        const QPointer<QWidget> view = controller->view();
        QCOMPARE(controller->view(), view.data());
        stack->addWidget(view);
        if (stackGoesFirst) {
            stack.reset();
            QVERIFY(controller->view());   // built afresh
        }
        QCOMPARE(controller->loads, stackGoesFirst ? 2 : 1);
        controller.reset();
        QVERIFY(!view);
        if (stack)
            QCOMPARE(stack->count(), 0);
    }
};

QTEST_MAIN(TestControllers)
#include "tst_controllers.moc"
