#include "TestPane.h"
#include "engine/Location.h"

#include <QGeoPositionInfoSource>
#include <QTest>

using namespace Qt::StringLiterals;
using Source = PreferencesGeneral::LocationSource;

namespace {
// A position service the test drives by hand: it grants, refuses and delivers on cue.
class ScriptedGeoSource : public QGeoPositionInfoSource
{
public:
    ScriptedGeoSource() : QGeoPositionInfoSource(nullptr) {}

    void deliver(double latitude, double longitude)
    {
        m_last = QGeoPositionInfo(QGeoCoordinate(latitude, longitude), QDateTime::currentDateTimeUtc());
        Q_EMIT positionUpdated(m_last);
    }
    void refuse() { Q_EMIT errorOccurred(AccessError); }

    bool started = false;

    QGeoPositionInfo lastKnownPosition(bool) const override { return m_last; }
    PositioningMethods supportedPositioningMethods() const override { return AllPositioningMethods; }
    int minimumUpdateInterval() const override { return 1000; }
    Error error() const override { return NoError; }
    void startUpdates() override { started = true; }
    void stopUpdates() override {}
    void requestUpdate(int) override {}

private:
    QGeoPositionInfo m_last;
};

enum class Service { None, Silent, Fix, Refused, FixThenRefused };

std::unique_ptr<PositionSource> makeService(Service service)
{
    if (service == Service::None)
        return std::make_unique<PositionSource>(nullptr);
    auto geo = std::make_unique<ScriptedGeoSource>();
    ScriptedGeoSource &script = *geo;
    auto source = std::make_unique<PositionSource>(std::move(geo));
    if (service == Service::Fix || service == Service::FixThenRefused)
        script.deliver(-33.8568, 151.2153);
    if (service == Service::Refused || service == Service::FixThenRefused)
        script.refuse();
    return source;
}
} // namespace

class TestLocation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void positionForSource_data();
    void positionForSource();
    void authorizationFollowsTheService_data();
    void authorizationFollowsTheService();
    void startsTheServiceOnce();
    void followsAnNmeaLog();
    void switchingSourceShowsAtOnce();
};

void TestLocation::initTestCase()
{
    // Qt Positioning hides plugins marked untestable, the NMEA one among them, from processes
    // that Qt Test runs; this test wants the real plugin.
    qunsetenv("QT_QTESTLIB_RUNNING");
}

void TestLocation::positionForSource_data()
{
    QTest::addColumn<Source>("source");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("longitude");
    QTest::addColumn<Service>("service");
    QTest::addColumn<bool>("known");
    QTest::addColumn<double>("expectedLatitude");
    QTest::addColumn<double>("expectedLongitude");

    QTest::newRow("server never") << Source::useSiTech << u"51.5"_s << u"-0.1"_s << Service::Fix << false << 0.0 << 0.0;
    QTest::newRow("manual") << Source::useManual << u"51.5"_s << u"-0.1"_s << Service::None << true << 51.5 << -0.1;
    QTest::newRow("manual, service has a fix") << Source::useManual << u"51.5"_s << u"-0.1"_s << Service::Fix << true << 51.5 << -0.1;
    QTest::newRow("manual, emptied field") << Source::useManual << u""_s << u"-0.1"_s << Service::None << true << 0.0 << -0.1;
    QTest::newRow("manual, not a number") << Source::useManual << u"abc"_s << u"12abc"_s << Service::None << true << 0.0 << 12.0;
    QTest::newRow("manual, beyond range kept") << Source::useManual << u"-91"_s << u"200"_s << Service::None << true << -91.0 << 200.0;
    QTest::newRow("manual, overflow is 0") << Source::useManual << u"1e999"_s << u"nan"_s << Service::None << true << 0.0 << 0.0;
    QTest::newRow("service, none on system") << Source::useCoreLocation << u"1"_s << u"2"_s << Service::None << false << 0.0 << 0.0;
    QTest::newRow("service, before first fix") << Source::useCoreLocation << u"1"_s << u"2"_s << Service::Silent << false << 0.0 << 0.0;
    QTest::newRow("service, fix") << Source::useCoreLocation << u"1"_s << u"2"_s << Service::Fix << true << -33.8568 << 151.2153;
    QTest::newRow("service, refused") << Source::useCoreLocation << u"1"_s << u"2"_s << Service::Refused << false << 0.0 << 0.0;
    QTest::newRow("service, refused after a fix") << Source::useCoreLocation << u"1"_s << u"2"_s << Service::FixThenRefused << false << 0.0 << 0.0;
}

void TestLocation::positionForSource()
{
    QFETCH(Source, source);
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    QFETCH(Service, service);
    QFETCH(bool, known);
    QFETCH(double, expectedLatitude);
    QFETCH(double, expectedLongitude);

    TestPane pane;
    pane.choose(source);
    pane.type("m_latitude", latitude);
    pane.type("m_longitude", longitude);
    const Location location(makeService(service), pane.pane());

    const std::optional<ObserverPosition> position = location.currentPosition();
    QCOMPARE(position.has_value(), known);
    if (known) {
        QCOMPARE(position->latitude, expectedLatitude);
        QCOMPARE(position->longitude, expectedLongitude);
    }
}

void TestLocation::authorizationFollowsTheService_data()
{
    QTest::addColumn<Service>("service");
    QTest::addColumn<PositionSource::AuthorizationStatus>("expected");

    QTest::newRow("no service") << Service::None << PositionSource::AuthorizationStatus::restricted;
    QTest::newRow("nothing yet") << Service::Silent << PositionSource::AuthorizationStatus::notDetermined;
    QTest::newRow("delivered") << Service::Fix << PositionSource::AuthorizationStatus::authorizedAlways;
    QTest::newRow("refused") << Service::Refused << PositionSource::AuthorizationStatus::denied;
    QTest::newRow("refused after a fix") << Service::FixThenRefused << PositionSource::AuthorizationStatus::denied;
}

void TestLocation::authorizationFollowsTheService()
{
    QFETCH(Service, service);
    QFETCH(PositionSource::AuthorizationStatus, expected);
    QCOMPARE(makeService(service)->authorizationStatus(), expected);
}

void TestLocation::startsTheServiceOnce()
{
    TestPane pane;
    pane.choose(Source::useManual);   // started whatever the source
    auto geo = std::make_unique<ScriptedGeoSource>();
    const ScriptedGeoSource &script = *geo;
    const Location location(std::make_unique<PositionSource>(std::move(geo)), pane.pane());
    QVERIFY(script.started);
}

// Qt's NMEA plugin replays a recorded log: a receiver without a fix yet, then
// Greenwich, then a fix two seconds later at the Paris Observatory.
void TestLocation::followsAnNmeaLog()
{
    const QVariantMap parameters{{u"nmea.source"_s, QFINDTESTDATA("data/observatory-move.nmea")}};
    std::unique_ptr<QGeoPositionInfoSource> nmea(QGeoPositionInfoSource::createSource(u"nmea"_s, parameters, nullptr));
    QVERIFY2(nmea, "Qt's NMEA position plugin is missing");
    TestPane pane;
    pane.choose(Source::useCoreLocation);
    const Location location(std::make_unique<PositionSource>(std::move(nmea)), pane.pane());

    QVERIFY(!location.currentPosition());
    QTRY_VERIFY_WITH_TIMEOUT(location.currentPosition().has_value(), 10000);
    QCOMPARE(qRound(location.currentPosition()->latitude * 1e4), 514769);
    QCOMPARE(qRound(location.currentPosition()->longitude * 1e4), -5);
    QTRY_COMPARE_WITH_TIMEOUT(qRound(location.currentPosition()->latitude * 1e4), 488363, 10000);
    QCOMPARE(qRound(location.currentPosition()->longitude * 1e4), 23365);
}

void TestLocation::switchingSourceShowsAtOnce()
{
    TestPane pane;
    pane.type("m_latitude", u"10"_s);
    pane.type("m_longitude", u"20"_s);
    const Location location(makeService(Service::Fix), pane.pane());
    pane.choose(Source::useCoreLocation);
    QCOMPARE(location.currentPosition()->latitude, -33.8568);
    pane.choose(Source::useManual);
    QCOMPARE(location.currentPosition()->latitude, 10.0);
    pane.choose(Source::useSiTech);
    QVERIFY(!location.currentPosition());
}

QTEST_MAIN(TestLocation)
#include "tst_location.moc"
