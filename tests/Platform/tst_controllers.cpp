#include <AppUtils/DefaultSettings.h>
#include <Platform/FrameAutosave.h>
#include <Platform/WindowController.h>

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Controller : Platform::WindowController {
    void loadWindow(QMainWindow &) override {}
};

const QString NAME = u"Horavane"_s;
const QString KEY = Platform::FrameAutosave::settingsKey(NAME);

// The application's settings, where window frames must land beside the rest.
QSettings appSettings() { return QSettings(AppUtils::DefaultSettings::userFilePath(), QSettings::IniFormat); }

QRect onScreen(QPoint offset, QSize size) { return QRect(QGuiApplication::primaryScreen()->availableGeometry().topLeft() + offset, size); }

} // namespace

// Window controllers, and the frames their windows keep (saving them is checked with the clock windows).
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

    // Later calls bring back the same window, minimised or closed.
    void showWindow()
    {
        Controller controller;
        controller.showWindow();
        QMainWindow *window = controller.window();
        window->showMinimized();
        controller.showWindow();
        QVERIFY(window->isVisible() && !window->isMinimized());
        QVERIFY(window->close());
        controller.showWindow();
        QVERIFY(controller.window() == window && window->isVisible());
    }

    // The owner of a clock window drops its controller when the window closes; under
    // AddressSanitizer a window destroyed inside its own close event fails here.
    void releasedOnClose()
    {
        QPointer<Controller> controller = new Controller;
        controller->showWindow();
        const QPointer<QMainWindow> window = controller->window();
        connect(controller, &Platform::WindowController::windowClosed, this, [&controller] { delete controller; });
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!controller && !window);
    }

    void reachableFrame_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QRect>("expected");
        const QRect laptop(0, 0, 1920, 1080), right(1920, 0, 1280, 1024);
        QTest::newRow("title bar under a panel") << QRect(100, 10, 400, 300) << QList{laptop.adjusted(0, 32, 0, 0)} << QRect(100, 32, 400, 300);
        QTest::newRow("onto the screen it overlaps most") << QRect(2500, -99, 400, 300) << QList{laptop, right} << QRect(2500, 0, 400, 300);
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

    // A frame stored on a screen since unplugged opens, at its size, where it can be reached.
    void offScreenFrameComesBack()
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget saved;
        saved.setGeometry(area.right() + 3000, area.bottom() + 2000, 300, 200);
        appSettings().setValue(KEY, saved.saveGeometry());
        QWidget window;
        window.setGeometry(onScreen(QPoint(20, 20), QSize(250, 150)));
        QVERIFY(Platform::FrameAutosave::attach(window, NAME));
        QVERIFY(area.contains(window.frameGeometry()));
        QCOMPARE(window.size(), QSize(300, 200));
    }

    // Closing a window keeps its frame; the next window of that name opens with it.
    void frameKeptAtClose()
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        {
            QWidget first;
            Platform::FrameAutosave::attach(first, NAME);
            first.setGeometry(area.left() + 40, area.top() + 50, 320, 210);
            first.show();
            first.close();
        }
        QWidget second;
        QVERIFY(Platform::FrameAutosave::attach(second, NAME));
        QCOMPARE(second.size(), QSize(320, 210));
    }

    // Where only the size is ours (Wayland), the size is kept, and the frame an X11 session
    // stored stays for the next one, untouched.
    void sizeOnlyKeepsTheX11Frame()
    {
        QWidget x11;
        x11.setGeometry(onScreen(QPoint(60, 70), QSize(300, 200)));
        const QByteArray frame = x11.saveGeometry();
        appSettings().setValue(KEY, frame);
        appSettings().remove(Platform::FrameAutosave::sizeKey(NAME));
        {
            QWidget first;
            Platform::FrameAutosave::attach(first, NAME, Platform::WindowPlacement::sizeOnly);
            QCOMPARE(first.size(), QSize(300, 200));
            first.show();
            first.resize(420, 260);
            first.close();
        }
        QCOMPARE(appSettings().value(KEY).toByteArray(), frame);
        QWidget second;
        Platform::FrameAutosave::attach(second, NAME, Platform::WindowPlacement::sizeOnly);
        QCOMPARE(second.size(), QSize(420, 260));
    }
};

QTEST_MAIN(TestControllers)
#include "tst_controllers.moc"
