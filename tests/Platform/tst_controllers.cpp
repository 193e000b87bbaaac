#include <Platform/FrameAutosave.h>
#include <Platform/ViewController.h>
#include <Platform/WindowController.h>

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
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

const QString NAME = u"Horavane"_s;

QSettings appSettings()
{
    return QSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                         + u"/Horavane/Horavane.conf"_s,
                     QSettings::IniFormat);
}

QRect onScreen(QPoint offset, QSize size)
{
    return QRect(QGuiApplication::primaryScreen()->availableGeometry().topLeft() + offset, size);
}

QByteArray savedGeometry(const QRect &frame)
{
    QWidget window;
    window.setGeometry(frame);
    return window.saveGeometry();
}

} // namespace

// Window and view controllers, and the frames their windows keep.
class TestControllers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(u"Horavane"_s);
        QCoreApplication::setApplicationName(u"Horavane"_s);
    }

    void init() { appSettings().remove(u"WindowFrames"_s); }

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

    void reachableFrame_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QRect>("expected");
        const QRect laptop(0, 0, 1920, 1080);
        const QRect right(1920, 0, 1280, 1024);
        const QRect underPanel = laptop.adjusted(0, 32, 0, 0);
        QTest::newRow("title bar under a panel") << QRect(100, 10, 400, 300) << QList{underPanel} << QRect(100, 32, 400, 300);
        QTest::newRow("onto the screen it overlaps most") << QRect(2500, -99, 400, 300) << QList{laptop, right}
                                                          << QRect(2500, 0, 400, 300);
        QTest::newRow("grabbable edge") << QRect(-300, 100, 400, 300) << QList{laptop} << QRect(-300, 100, 400, 300);
        QTest::newRow("edge too thin") << QRect(-350, 100, 400, 300) << QList{laptop} << QRect(0, 100, 400, 300);
        QTest::newRow("far away and too large") << QRect(-9000, 9000, 3000, 2000) << QList{laptop, right} << laptop;
    }

    void reachableFrame()
    {
        QFETCH(QRect, frame);
        QFETCH(QList<QRect>, screens);
        QFETCH(QRect, expected);
        QCOMPARE(Platform::reachableFrame(frame, 24, screens), expected);
    }

    void savesOnHideAndRestores()
    {
        QWidget window;
        Platform::FrameAutosave::attach(window, NAME);
        window.setGeometry(onScreen(QPoint(10, 10), QSize(300, 200)));
        window.show();
        window.move(window.pos() + QPoint(25, 15));
        window.resize(310, 210);
        QVERIFY(!appSettings().contains(Platform::FrameAutosave::settingsKey(NAME)));   // not at each step of a drag

        const QRect last = window.geometry();
        window.hide();
        QWidget next;
        Platform::FrameAutosave::attach(next, NAME);
        QCOMPARE(next.geometry(), last);
    }

    void restoresOnlyUsableFrames_data()
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("used");   // else the window keeps its own frame
        QTest::newRow("zero size") << QVariant(savedGeometry(QRect(50, 60, 0, 0))) << false;
        QTest::newRow("screen unplugged")
            << QVariant(savedGeometry(QRect(area.right() + 3000, area.bottom() + 2000, 300, 200))) << true;
    }

    // Whatever is stored, the window opens where it can be reached.
    void restoresOnlyUsableFrames()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, used);
        appSettings().setValue(Platform::FrameAutosave::settingsKey(NAME), stored);
        QWidget window;
        const QRect own = onScreen(QPoint(20, 20), QSize(250, 150));
        window.setGeometry(own);
        QVERIFY(Platform::FrameAutosave::attach(window, NAME));
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(window.frameGeometry()));
        QCOMPARE(window.size(), used ? QSize(300, 200) : own.size());
        if (!used)
            QCOMPARE(window.pos(), own.topLeft());
    }
};

QTEST_MAIN(TestControllers)
#include "tst_controllers.moc"
