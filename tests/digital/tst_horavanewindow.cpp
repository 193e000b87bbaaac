#include "FakeClock.h"
#include "TestPane.h"
#include "engine/Location.h"
#include "digital/HoravaneWindow.h"
#include "engine/WindowRegistry.h"

#include <AppUtils/Sidereal.h>

#include <QCheckBox>
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
    void showsTheObserver_data();
    void showsTheObserver();
    void registersWhileOpen();
};

using Source = PreferencesGeneral::LocationSource;

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
    TestPane pane;
    Location location(std::make_unique<PositionSource>(nullptr), pane.pane());
    auto controller = makeClockWindow<HoravaneWindow>(clock, [&]() -> Location & { return location; });
    controller->showWindow();
    controller->update();

    QCOMPARE(field(controller, "m_utc"), utc);
    QCOMPARE(field(controller, "m_localtime"), local);
}

void TestHoravaneWindow::showsTheObserver_data()
{
    QTest::addColumn<Source>("source");
    QTest::addColumn<bool>("decimal");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("position");
    QTest::addColumn<bool>("hasSidereal");

    QTest::newRow("manual, decimal") << Source::useManual << true << u"Manual"_s << u"51.4769° , -0.0005°"_s << true;
    QTest::newRow("manual, sexagesimal") << Source::useManual << false << u"Manual"_s << u"51° 28′ 36.8″ , -0° 00′ 01.8″"_s << true;
    QTest::newRow("server: name only") << Source::useSiTech << true << u"SiTech NTP Server"_s << QString() << false;
    QTest::newRow("service without a fix") << Source::useCoreLocation << true << u"WiFi (Location Service)"_s << QString() << false;
}

// 51.4769 N, 0.0005 W typed in by hand, at an instant nine tenths of a second into a second:
// the sidereal time is that of the whole second.
void TestHoravaneWindow::showsTheObserver()
{
    QFETCH(Source, source);
    QFETCH(bool, decimal);
    QFETCH(QString, name);
    QFETCH(QString, position);
    QFETCH(bool, hasSidereal);

    const qint64 unixSeconds = 1796503001;
    FakeClock clock;
    clock.set(system_clock::time_point(milliseconds(unixSeconds * 1000 + 900)));
    TestPane pane;
    pane.type("m_latitude", u"51.4769"_s);
    pane.type("m_longitude", u"-0.0005"_s);
    pane.pane().view()->findChild<QCheckBox *>(u"m_location_decimal"_s)->setChecked(decimal);
    pane.choose(source);
    Location location(std::make_unique<PositionSource>(nullptr), pane.pane());
    auto controller = makeClockWindow<HoravaneWindow>(clock, [&]() -> Location & { return location; });
    controller->showWindow();
    controller->update();

    QCOMPARE(field(controller, "m_locn_source"), name);
    QCOMPARE(field(controller, "m_location"), position);
    const QString expectedSidereal = hasSidereal ? *AppUtils::Sidereal::local(unixSeconds, -0.0005) : QString();
    QCOMPARE(field(controller, "m_localsidereal"), expectedSidereal);
    QCOMPARE(field(controller, "m_utc"), u"2026-12-05T20:36:41.900Z"_s);
}

void TestHoravaneWindow::registersWhileOpen()
{
    {
        auto controller = makeClockWindow<HoravaneWindow>(AppUtils::systemClock(), [] () -> Location & {
            qFatal("no refresh in this test");
        });
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
