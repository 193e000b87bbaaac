#include "Snapshot.h"

#include "engine/IsoTime.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <array>

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

using Intervals = QList<QStringList>; // [start, end] pairs

} // namespace

QString snapshotValueText(const QVariant &value)
{
    // Numbers with as many digits as it takes to read back the same double, and no more.
    if (!value.isValid())
        return u"null"_s;
    if (value.typeId() == QMetaType::QVariantList) // maps, with names of any text: as JSON
        return QString::fromUtf8(QJsonDocument(QJsonArray::fromVariantList(value.toList())).toJson(QJsonDocument::Compact));
    if (value.metaType() == QMetaType::fromType<Intervals>()) {
        QStringList intervals;
        for (const QStringList &pair : value.value<Intervals>())
            intervals.append(pair.join(u'/'));
        return intervals.join(u' ');
    }
    switch (value.typeId()) {
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QMetaType::Bool:
        return value.toBool() ? u"true"_s : u"false"_s;
    default:
        return value.toString();
    }
}

namespace {

QJsonValue jsonValue(const QVariant &value)
{
    if (value.metaType() != QMetaType::fromType<Intervals>())
        return QJsonValue::fromVariant(value); // null for none
    QJsonArray intervals;
    for (const QStringList &pair : value.value<Intervals>())
        intervals.append(QJsonArray::fromStringList(pair));
    return intervals;
}

QString daylightToken(Daylight daylight)
{
    switch (daylight) {
    case Daylight::day:
        break;
    case Daylight::civilTwilight:
        return u"civil_twilight"_s;
    case Daylight::nauticalTwilight:
        return u"nautical_twilight"_s;
    case Daylight::astronomicalTwilight:
        return u"astronomical_twilight"_s;
    case Daylight::night:
        return u"night"_s;
    }
    return u"day"_s;
}

QString moonPhaseToken(MoonPhase phase)
{
    switch (phase) {
    case MoonPhase::newMoon:
        break;
    case MoonPhase::waxingCrescent:
        return u"waxing_crescent"_s;
    case MoonPhase::firstQuarter:
        return u"first_quarter"_s;
    case MoonPhase::waxingGibbous:
        return u"waxing_gibbous"_s;
    case MoonPhase::full:
        return u"full"_s;
    case MoonPhase::waningGibbous:
        return u"waning_gibbous"_s;
    case MoonPhase::lastQuarter:
        return u"last_quarter"_s;
    case MoonPhase::waningCrescent:
        return u"waning_crescent"_s;
    }
    return u"new"_s;
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

bool isSnapshotKey(QStringView key)
{
    // Every key snapshotOf() may give, present or not in a given reading.
    static constexpr std::array keys{"unix"_L1, "utc"_L1, "jd"_L1, "mjd"_L1, "dut1"_L1, "dut1_source"_L1, "gmst"_L1,
        "gast"_L1, "lmst"_L1, "last"_L1, "latitude"_L1, "longitude"_L1, "source"_L1, "clock_synchronised"_L1,
        "clock_max_error"_L1, "clock_reference"_L1, "clock_stratum"_L1, "clock_offset"_L1, "clock_error_bound"_L1,
        "gps_fix"_L1, "gps_satellites"_L1, "gps_time_offset"_L1, "sun_altitude"_L1, "moon_altitude"_L1,
        "daylight"_L1};
    return std::find(keys.begin(), keys.end(), key) != keys.end();
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
    if (const std::optional<SkyNow> &sky = reading.sky) {
        snapshot.push_back({"sun_altitude"_L1, sky->sunAltitude});
        snapshot.push_back({"moon_altitude"_L1, sky->moonAltitude});
        snapshot.push_back({"daylight"_L1, daylightToken(sky->daylight)});
    }
    if (!reading.sites.empty()) {
        QVariantList sites;
        for (const SiteReading &site : reading.sites) {
            // The same instant as utc, on the site's clock. None is left out: D-Bus cannot carry it.
            QVariantMap entry{{u"name"_s, site.site.name}, {u"zone"_s, QString::fromLatin1(site.site.zone)},
                {u"local_time"_s, isoText(reading.instant, site.utcOffsetSeconds)}};
            if (site.siderealSeconds)
                entry.insert(u"last"_s, *site.siderealSeconds / secondsPerHour);
            if (site.daylight)
                entry.insert(u"daylight"_s, daylightToken(*site.daylight));
            sites.append(entry);
        }
        snapshot.push_back({"sites"_L1, sites});
    }
    return snapshot;
}

std::vector<SnapshotEntry> tonightOf(const Night &night)
{
    static constexpr std::array<QLatin1StringView, nightEventCount> eventKeys{"sunset"_L1, "civil_dusk"_L1,
        "nautical_dusk"_L1, "astronomical_dusk"_L1, "astronomical_dawn"_L1, "nautical_dawn"_L1, "civil_dawn"_L1,
        "sunrise"_L1, "moonrise"_L1, "moonset"_L1};
    std::vector<SnapshotEntry> entries;
    for (std::size_t event = 0; event < eventKeys.size(); ++event) {
        const std::optional<SkyInstant> &at = night.events[event];
        entries.push_back({eventKeys[event], at ? QVariant(isoText(*at, 0)) : QVariant()});
    }
    Intervals dark;
    for (const DarkInterval &interval : night.dark)
        dark.append({isoText(interval.start, 0), isoText(interval.end, 0)});
    entries.insert(entries.end(),
        {
            {"date"_L1, night.date.toString(Qt::ISODate)},
            {"latitude"_L1, night.latitude},
            {"longitude"_L1, night.longitude},
            {"moon_illumination"_L1, night.moonIllumination},
            {"moon_phase"_L1, moonPhaseToken(night.moonPhase)},
            {"dark"_L1, QVariant::fromValue(dark)},
            {"dark_hours"_L1, night.darkHours()},
        });
    return entries;
}

QString almanacYearsText()
{
    return QCoreApplication::translate("Snapshot", "the almanac covers the years 1900 to 2100 only");
}

QVariantMap snapshotMap(const std::vector<SnapshotEntry> &snapshot)
{
    QVariantMap map;
    for (const SnapshotEntry &entry : snapshot)
        if (entry.value.isValid())
            map.insert(entry.key, entry.value);
    return map;
}

QByteArray snapshotLines(const std::vector<SnapshotEntry> &snapshot)
{
    QString lines;
    for (const SnapshotEntry &entry : snapshot)
        lines += entry.key + u": " + snapshotValueText(entry.value) + u'\n';
    return lines.toUtf8();
}

QByteArray snapshotJson(const std::vector<SnapshotEntry> &snapshot)
{
    // Keys in the snapshot's order, which a QJsonObject (sorted by key) would lose; each value
    // written by Qt's own writer, as the one element of an array whose brackets are then cut.
    QByteArray json = "{";
    for (const SnapshotEntry &entry : snapshot) {
        const QByteArray value = QJsonDocument(QJsonArray{jsonValue(entry.value)}).toJson(QJsonDocument::Compact);
        if (json.size() > 1)
            json += ',';
        json += '"' + QByteArray(entry.key.data(), entry.key.size()) + "\":" + value.sliced(1, value.size() - 2);
    }
    return json + "}\n";
}
