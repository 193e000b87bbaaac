#include "Snapshot.h"

#include "engine/IsoTime.h"

#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

constexpr double secondsPerHour = 3600;

QString qualityToken(Ut1Quality quality)
{
    switch (quality) {
    case Ut1Quality::observed:
        return u"observed"_s;
    case Ut1Quality::predicted:
        return u"predicted"_s;
    case Ut1Quality::extrapolated:
        return u"extrapolated"_s;
    case Ut1Quality::stale:
        return u"stale"_s;
    }
    return {};
}

// Numbers with as many digits as it takes to read back the same double, and no more.
QString valueText(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QMetaType::Bool:
        return value.toBool() ? u"true"_s : u"false"_s;
    default:
        return value.toString();
    }
}

QString gpsFixToken(GpsState::Fix fix)
{
    switch (fix) {
    case GpsState::Fix::none:
        break;
    case GpsState::Fix::twoD:
        return u"2d"_s;
    case GpsState::Fix::threeD:
        return u"3d"_s;
    }
    return u"none"_s;
}

} // namespace

QString sourceToken(LocationSource source)
{
    switch (source) {
    case LocationSource::useSiTech:
        return u"sitech-server"_s;
    case LocationSource::useManual:
        return u"manual"_s;
    case LocationSource::useCoreLocation:
        return u"location-service"_s;
    case LocationSource::useGpsd:
        return u"gpsd"_s;
    }
    return {};
}

QString dut1SourceToken(const Ut1Source &ut1)
{
    switch (ut1.origin) {
    case Ut1Source::Origin::file:
        return u"file:"_s + ut1.fileName + u':' + qualityToken(ut1.estimate.quality);
    case Ut1Source::Origin::typed:
        return u"typed:"_s + ut1.typedOn.toString(Qt::ISODate);
    case Ut1Source::Origin::assumed:
        break;
    }
    return u"assumed"_s;
}

std::vector<SnapshotEntry> snapshotOf(const ClockReading &reading)
{
    // Milliseconds over 1000, which reads back as the same millisecond ("….561", not "….5609999").
    const auto milliseconds = std::chrono::floor<std::chrono::milliseconds>(reading.instant).time_since_epoch();
    std::vector<SnapshotEntry> snapshot{
        {"unix"_L1, static_cast<double>(milliseconds.count()) / 1000.0},
        {"utc"_L1, isoText(reading.instant, 0)},
        {"jd"_L1, reading.julianDate},
        {"mjd"_L1, reading.modifiedJulianDate()},
        {"dut1"_L1, reading.time.ut1.estimate.seconds},
        {"dut1_source"_L1, dut1SourceToken(reading.time.ut1)},
    };
    if (const auto &greenwich = reading.greenwichSidereal) {
        snapshot.push_back({"gmst"_L1, greenwich->mean / secondsPerHour});
        snapshot.push_back({"gast"_L1, greenwich->apparent / secondsPerHour});
    }
    if (reading.localMeanSiderealSeconds && reading.siderealSeconds) {
        snapshot.push_back({"lmst"_L1, *reading.localMeanSiderealSeconds / secondsPerHour});
        snapshot.push_back({"last"_L1, *reading.siderealSeconds / secondsPerHour});
    }
    if (const auto *position = std::get_if<ObserverPosition>(&reading.observer)) {
        snapshot.push_back({"latitude"_L1, position->latitude});
        snapshot.push_back({"longitude"_L1, position->longitude});
    }
    snapshot.push_back({"source"_L1, sourceToken(reading.settings.source)});
    const std::optional<ClockHealth> &clock = reading.time.clock;
    snapshot.push_back({"clock_synchronised"_L1, clock && clock->synchronised});
    if (clock)
        snapshot.push_back({"clock_max_error"_L1, std::chrono::duration<double>(clock->maximumError).count()});
    if (const std::optional<ClockSync> &sync = reading.time.sync) {
        snapshot.push_back({"clock_reference"_L1, sync->reference});
        snapshot.push_back({"clock_stratum"_L1, sync->stratum});
        if (sync->offset)
            snapshot.push_back({"clock_offset"_L1, sync->offset->count()});
        snapshot.push_back({"clock_error_bound"_L1, std::chrono::duration<double>(*reading.time.errorBound()).count()});
    }
    if (const std::optional<GpsState> &gps = reading.gps) {
        snapshot.push_back({"gps_fix"_L1, gpsFixToken(gps->fix)});
        if (gps->satellitesUsed)
            snapshot.push_back({"gps_satellites"_L1, *gps->satellitesUsed});
        if (gps->timeOffset)
            snapshot.push_back({"gps_time_offset"_L1, *gps->timeOffset});
    }
    return snapshot;
}

QVariantMap snapshotMap(const std::vector<SnapshotEntry> &snapshot)
{
    QVariantMap map;
    for (const SnapshotEntry &entry : snapshot)
        map.insert(entry.key, entry.value);
    return map;
}

QByteArray snapshotLines(const std::vector<SnapshotEntry> &snapshot)
{
    QString lines;
    for (const SnapshotEntry &entry : snapshot)
        lines += entry.key + u": " + valueText(entry.value) + u'\n';
    return lines.toUtf8();
}

QByteArray snapshotJson(const std::vector<SnapshotEntry> &snapshot)
{
    return QJsonDocument(QJsonObject::fromVariantMap(snapshotMap(snapshot))).toJson(QJsonDocument::Compact) + '\n';
}
