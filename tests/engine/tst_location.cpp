#include "TestObserver.h"
#include "digital/HoravaneWindow.h"

#include <QCheckBox>
#include <QGeoPositionInfoSource>
#include <QLabel>
#include <QMainWindow>
#include <QTest>

using namespace Qt::StringLiterals;
using Source = PreferencesGeneral::LocationSource;

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

enum Service { None, Silent, Fix, Refused, FixThenRefused };
struct Row { const char *name; Source source; QString latitude, longitude; Service service; QString position, status; };
} // namespace

Q_DECLARE_METATYPE(Row)

class TestLocation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Qt Positioning hides plugins marked untestable, the NMEA one among them, from processes
    // that Qt Test runs; this test wants the real plugin.
    void initTestCase() { qunsetenv("QT_QTESTLIB_RUNNING"); }
    void cleanup() { releaseClockWindows(); }

    void digitalWindowShows_data()
    {
        QTest::addColumn<Row>("row");
        const Source manual = Source::useManual, service = Source::useCoreLocation;
        const QString refused = u"The location service does not allow Horavane to know the position"_s;
        const Row rows[] = {
            {"server never", Source::useSiTech, u"51.5"_s, u"-0.1"_s, Fix, {}, u"SiTech NTP Server gives no position"_s},
            {"manual ignores a fix", manual, u"51.5"_s, u"-0.1"_s, Fix, u"51.5000° , -0.1000°"_s, {}},
            {"manual, not a number", manual, u"abc"_s, u"12abc"_s, None, u"0.0000° , 12.0000°"_s, {}},
            {"manual, beyond range kept", manual, u"-91"_s, u"200"_s, None, u"-91.0000° , 200.0000°"_s, {}},
            {"manual, inf/nan is 0", manual, u"1e999"_s, u"nan"_s, None, u"0.0000° , 0.0000°"_s, {}},
            {"no service", service, u"1"_s, u"2"_s, None, {}, u"No location service on this desktop: choose Manual in Preferences"_s},
            {"before the first fix", service, u"1"_s, u"2"_s, Silent, {}, u"Waiting for the first fix from the location service"_s},
            {"service fix", service, u"1"_s, u"2"_s, Fix, u"-33.8568° , 151.2153°"_s, {}},
            {"refused", service, u"1"_s, u"2"_s, Refused, {}, refused},
            {"refused after a fix", service, u"1"_s, u"2"_s, FixThenRefused, {}, refused},
        };
        for (const Row &row : rows)
            QTest::newRow(row.name) << row;
    }

    // The position read-out, or the line under it saying why there is none.
    void digitalWindowShows()
    {
        QFETCH(Row, row);
        TestPane pane;
        pane.choose(row.source);
        pane.type("m_latitude", row.latitude);
        pane.type("m_longitude", row.longitude);
        pane.pane().view()->findChild<QCheckBox *>(u"m_location_decimal"_s)->setChecked(true);
        auto geo = std::make_unique<ScriptedGeoSource>();
        ScriptedGeoSource &script = *geo;
        Location location(std::make_unique<PositionSource>(row.service == None ? nullptr : std::move(geo)), pane.pane());
        if (row.service == Fix || row.service == FixThenRefused)
            script.deliver();
        if (row.service == Refused || row.service == FixThenRefused)
            Q_EMIT script.errorOccurred(QGeoPositionInfoSource::AccessError);
        const auto window = makeClockWindow<HoravaneWindow>(AppUtils::systemClock(), [&]() -> Location & { return location; });
        window->showWindow();
        window->update();
        const auto field = [&](const char *name) { return window->window()->findChild<QLabel *>(QLatin1StringView(name))->text(); };
        QCOMPARE(field("m_location"), row.position);
        QCOMPARE(field("m_positionStatus"), row.status);
    }

    // The service starts with the program, whatever the source, so a switch to it shows at once.
    void switchingSourceShowsAtOnce()
    {
        TestPane pane;
        pane.type("m_latitude", u"10"_s);
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
    void followsAnNmeaLog()
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
};

QTEST_MAIN(TestLocation)
#include "tst_location.moc"
