#include "FakeClock.h"
#include "TestObserver.h"
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
using Source = PreferencesGeneral::LocationSource;

class TestHoravaneWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsTheObserver_data();
    void showsTheObserver();
};

void TestHoravaneWindow::showsTheObserver_data()
{
    QTest::addColumn<Source>("source");
    QTest::addColumn<bool>("decimal");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("status");   // why the position is empty

    QTest::newRow("manual, decimal") << Source::useManual << true << u"Manual"_s << u"51.4769° , -0.0005°"_s << QString();
    QTest::newRow("manual, sexagesimal") << Source::useManual << false << u"Manual"_s << u"51° 28′ 36.8″ , -0° 00′ 01.8″"_s << QString();
    QTest::newRow("server: name only") << Source::useSiTech << true << u"SiTech NTP Server"_s << QString() << u"SiTech NTP Server gives no position"_s;
    QTest::newRow("no location service") << Source::useCoreLocation << true << u"WiFi (Location Service)"_s << QString()
                                         << u"No location service on this desktop: choose Manual in Preferences"_s;
}

// 51.4769 N, 0.0005 W typed in by hand, seen from Auckland (the next date) nine tenths of a
// second into a second: both times come from one instant, the sidereal time from the whole second.
void TestHoravaneWindow::showsTheObserver()
{
    QFETCH(Source, source);
    QFETCH(bool, decimal);
    QFETCH(QString, name);
    QFETCH(QString, position);
    QFETCH(QString, status);

    qputenv("TZ", "Pacific/Auckland");
    const qint64 unixSeconds = 1796503001;
    const FakeClock clock{system_clock::time_point(milliseconds(unixSeconds * 1000 + 900))};
    TestObserver pane;
    pane.type("m_latitude", u"51.4769"_s);
    pane.type("m_longitude", u"-0.0005"_s);
    pane.pane().view()->findChild<QCheckBox *>(u"m_location_decimal"_s)->setChecked(decimal);
    pane.choose(source);
    auto controller = makeClockWindow<HoravaneWindow>(clock, pane.locate());
    controller->showWindow();
    QCOMPARE(windowRegistry().openHoravaneWindow, controller);
    QVERIFY(!windowRegistry().openAnalogWindow);
    controller->update();

    const auto field = [&](const char *label) {
        return controller->window()->findChild<QLabel *>(QLatin1StringView(label))->text();
    };
    QCOMPARE(controller->window()->windowTitle(), u"Horavane"_s);
    QCOMPARE(field("m_locn_source"), name);
    QCOMPARE(field("m_location"), position);
    QCOMPARE(field("m_positionStatus"), status);
    QCOMPARE(field("m_localsidereal"), position.isEmpty() ? QString() : *AppUtils::Sidereal::local(unixSeconds, -0.0005));
    QCOMPARE(field("m_utc"), u"2026-12-05T20:36:41.900Z"_s);
    QCOMPARE(field("m_localtime"), u"2026-12-06T09:36:41.900+13:00"_s);
    controller->window()->close();
    QVERIFY(!windowRegistry().openHoravaneWindow);
    releaseClockWindows();
}

QTEST_MAIN(TestHoravaneWindow)
#include "tst_horavanewindow.moc"
