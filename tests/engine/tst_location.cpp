#include "TestPane.h"
#include "engine/Location.h"

#include <QGeoPositionInfoSource>
#include <QTest>

using namespace Qt::StringLiterals;
using Source = PreferencesGeneral::LocationSource;
using Status = PositionSource::AuthorizationStatus;

namespace {
// A position service the test drives by hand: it grants, refuses and delivers on cue.
class ScriptedGeoSource : public QGeoPositionInfoSource
{
public:
    ScriptedGeoSource() : QGeoPositionInfoSource(nullptr) {}

    void deliver()
    {
        m_last = QGeoPositionInfo(QGeoCoordinate(-33.8568, 151.2153), QDateTime::currentDateTimeUtc());
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
} // namespace

Q_DECLARE_METATYPE(NoPosition)

class TestLocation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void positionForSource_data();
    void positionForSource();
    void switchingSourceShowsAtOnce();
    void followsAnNmeaLog();
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
    QTest::addColumn<Status>("status");
    QTest::addColumn<QVariant>("expected"); // {latitude, longitude}, or why there is none

    QTest::newRow("server never") << Source::useSiTech << u"51.5"_s << u"-0.1"_s << Service::Fix << Status::authorizedAlways << QVariant::fromValue(NoPosition::serverGivesNone);
    QTest::newRow("manual, service has a fix") << Source::useManual << u"51.5"_s << u"-0.1"_s << Service::Fix << Status::authorizedAlways << QVariant(QVariantList{51.5, -0.1});
    QTest::newRow("manual, not a number") << Source::useManual << u"abc"_s << u"12abc"_s << Service::None << Status::restricted << QVariant(QVariantList{0.0, 12.0});
    QTest::newRow("manual, beyond range kept") << Source::useManual << u"-91"_s << u"200"_s << Service::None << Status::restricted << QVariant(QVariantList{-91.0, 200.0});
    QTest::newRow("manual, inf/nan is 0") << Source::useManual << u"1e999"_s << u"nan"_s << Service::None << Status::restricted << QVariant(QVariantList{0.0, 0.0});
    QTest::newRow("service, none on system") << Source::useCoreLocation << u"1"_s << u"2"_s << Service::None << Status::restricted << QVariant::fromValue(NoPosition::noService);
    QTest::newRow("service, before first fix") << Source::useCoreLocation << u"1"_s << u"2"_s << Service::Silent << Status::notDetermined << QVariant::fromValue(NoPosition::waitingForFix);
    QTest::newRow("service, fix") << Source::useCoreLocation << u"1"_s << u"2"_s << Service::Fix << Status::authorizedAlways << QVariant(QVariantList{-33.8568, 151.2153});
    QTest::newRow("service, refused") << Source::useCoreLocation << u"1"_s << u"2"_s << Service::Refused << Status::denied << QVariant::fromValue(NoPosition::notAllowed);
    QTest::newRow("service, refused after a fix") << Source::useCoreLocation << u"1"_s << u"2"_s << Service::FixThenRefused << Status::denied << QVariant::fromValue(NoPosition::notAllowed);
}

void TestLocation::positionForSource()
{
    QFETCH(Source, source);
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    QFETCH(Service, service);
    QFETCH(Status, status);
    QFETCH(QVariant, expected);

    TestPane pane;
    pane.choose(source);
    pane.type("m_latitude", latitude);
    pane.type("m_longitude", longitude);
    auto geo = std::make_unique<ScriptedGeoSource>();
    ScriptedGeoSource &script = *geo;
    auto positions = std::make_unique<PositionSource>(service == Service::None ? nullptr : std::move(geo));
    if (service == Service::Fix || service == Service::FixThenRefused)
        script.deliver();
    if (service == Service::Refused || service == Service::FixThenRefused)
        script.refuse();
    QCOMPARE(positions->authorizationStatus(), status);
    const Location location(std::move(positions), pane.pane());

    const std::variant<ObserverPosition, NoPosition> observed = location.observe();
    const auto *position = std::get_if<ObserverPosition>(&observed);
    QCOMPARE(position ? QVariant(QVariantList{position->latitude, position->longitude})
                      : QVariant::fromValue(std::get<NoPosition>(observed)),
             expected);
    QCOMPARE(location.currentPosition().has_value(), position != nullptr);
}

// The service starts with the program, whatever the source, so a switch to it shows at once.
void TestLocation::switchingSourceShowsAtOnce()
{
    TestPane pane;
    pane.type("m_latitude", u"10"_s);
    pane.type("m_longitude", u"20"_s);
    pane.choose(Source::useManual);
    auto geo = std::make_unique<ScriptedGeoSource>();
    ScriptedGeoSource &script = *geo;
    const Location location(std::make_unique<PositionSource>(std::move(geo)), pane.pane());
    QVERIFY(script.started);
    script.deliver();
    pane.choose(Source::useCoreLocation);
    QCOMPARE(location.currentPosition()->latitude, -33.8568);
    pane.choose(Source::useManual);
    QCOMPARE(location.currentPosition()->latitude, 10.0);
    pane.choose(Source::useSiTech);
    QVERIFY(!location.currentPosition());
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
    const auto at = [&] { return QList{qRound(location.currentPosition()->latitude * 1e4), qRound(location.currentPosition()->longitude * 1e4)}; };

    QVERIFY(!location.currentPosition());
    QTRY_VERIFY_WITH_TIMEOUT(location.currentPosition().has_value(), 10000);
    QCOMPARE(at(), QList({514769, -5}));
    QTRY_COMPARE_WITH_TIMEOUT(at(), QList({488363, 23365}), 10000);
}

QTEST_MAIN(TestLocation)
#include "tst_location.moc"
