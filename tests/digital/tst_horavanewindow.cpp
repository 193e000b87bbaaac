#include "FakeClock.h"
#include "digital/HoravaneWindow.h"
#include "engine/WindowRegistry.h"

#include <QLabel>
#include <QMainWindow>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono;

class TestHoravaneWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void showsBothTimesFromOneInstant_data();
    void showsBothTimesFromOneInstant();
    void registersWhileOpen();
};

namespace {
QString field(const std::shared_ptr<ClockWindow> &controller, const char *name)
{
    return controller->window()->findChild<QLabel *>(QLatin1StringView(name))->text();
}
} // namespace

void TestHoravaneWindow::cleanup()
{
    windowRegistry() = {};
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qunsetenv("TZ");
}

void TestHoravaneWindow::showsBothTimesFromOneInstant_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<qint64>("msecs");
    QTest::addColumn<QString>("utc");
    QTest::addColumn<QString>("local");

    QTest::newRow("east, next date") << "Pacific/Auckland"_ba << qint64(1796503001123)
                                     << u"2026-12-05T20:36:41.123Z"_s << u"2026-12-06T09:36:41.123+13:00"_s;
    QTest::newRow("zero offset ends in Z") << "Europe/London"_ba << qint64(1796503001999)
                                           << u"2026-12-05T20:36:41.999Z"_s << u"2026-12-05T20:36:41.999Z"_s;
}

void TestHoravaneWindow::showsBothTimesFromOneInstant()
{
    QFETCH(QByteArray, zone);
    QFETCH(qint64, msecs);
    QFETCH(QString, utc);
    QFETCH(QString, local);

    qputenv("TZ", zone);
    FakeClock clock;
    clock.set(system_clock::time_point(milliseconds(msecs)));
    auto controller = makeClockWindow<HoravaneWindow>(clock);
    controller->showWindow();
    controller->update();

    QCOMPARE(field(controller, "m_utc"), utc);
    QCOMPARE(field(controller, "m_localtime"), local);
}

void TestHoravaneWindow::registersWhileOpen()
{
    {
        auto controller = makeClockWindow<HoravaneWindow>();
        QVERIFY(!windowRegistry().openHoravaneWindow);
        controller->showWindow();
        QCOMPARE(windowRegistry().openHoravaneWindow, controller);
    }
    QPointer<QMainWindow> window = windowRegistry().openHoravaneWindow->window();
    QCOMPARE(window->windowTitle(), u"Horavane"_s);
    window->close();
    QVERIFY(!windowRegistry().openHoravaneWindow);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(window.isNull(), "the registry held the last reference: the window goes with it");
}

QTEST_MAIN(TestHoravaneWindow)
#include "tst_horavanewindow.moc"
