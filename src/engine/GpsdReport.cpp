#include "GpsdReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

std::optional<double> finiteNumber(const QJsonValue &value)
{
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        return std::nullopt;
    return value.toDouble();
}

GpsdReport fixOf(const QJsonObject &tpv)
{
    const std::optional<double> mode = finiteNumber(tpv.value("mode"_L1));
    if (!mode || *mode < 0 || *mode > 3)
        return GpsdMalformed{};
    GpsdFix fix;
    fix.mode = int(*mode);
    if (fix.mode < 2)
        return fix;
    const std::optional<double> latitude = finiteNumber(tpv.value("lat"_L1));
    const std::optional<double> longitude = finiteNumber(tpv.value("lon"_L1));
    if (!latitude || !longitude || std::abs(*latitude) > 90 || std::abs(*longitude) > 180)
        return GpsdMalformed{};
    fix.latitude = *latitude;
    fix.longitude = *longitude;
    // gpsd 3.20 on names it altMSL; older ones say alt.
    if (fix.mode == 3) {
        const std::optional<double> aboveSeaLevel = finiteNumber(tpv.value("altMSL"_L1));
        fix.altitude = aboveSeaLevel ? aboveSeaLevel : finiteNumber(tpv.value("alt"_L1));
    }
    return fix;
}

GpsdReport satellitesOf(const QJsonObject &sky)
{
    const QJsonValue list = sky.value("satellites"_L1);
    if (list.isArray()) {
        GpsdSatellites satellites{0, int(list.toArray().size())};
        for (const QJsonValue &satellite : list.toArray())
            satellites.used += satellite.toObject().value("used"_L1).toBool() ? 1 : 0;
        return satellites;
    }
    // A SKY of dilutions alone says nothing of the satellites.
    const std::optional<double> used = finiteNumber(sky.value("uSat"_L1));
    const std::optional<double> seen = finiteNumber(sky.value("nSat"_L1));
    if (!used || !seen)
        return GpsdIgnored{};
    if (*used < 0 || *seen < *used || *seen > 1000)
        return GpsdMalformed{};
    return GpsdSatellites{int(*used), int(*seen)};
}

GpsdReport offsetOf(const QJsonObject &report, bool pulse)
{
    double parts[4];
    int i = 0;
    for (const auto key : {"real_sec"_L1, "real_nsec"_L1, "clock_sec"_L1, "clock_nsec"_L1}) {
        const std::optional<double> part = finiteNumber(report.value(key));
        if (!part)
            return GpsdMalformed{};
        parts[i++] = *part;
    }
    // In whole nanoseconds first, exact in a double for offsets up to months; the seconds since
    // 1970 alone would leave the nanoseconds few bits.
    return GpsdTimeOffset{((parts[0] - parts[2]) * 1e9 + (parts[1] - parts[3])) / 1e9, pulse};
}

} // namespace

GpsdReport readGpsdLine(QByteArrayView line)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return GpsdMalformed{};
    const QJsonObject report = document.object();
    const QJsonValue kind = report.value("class"_L1);
    if (!kind.isString())
        return GpsdMalformed{};
    const QString name = kind.toString();
    if (name == u"TPV")
        return fixOf(report);
    if (name == u"SKY")
        return satellitesOf(report);
    if (name == u"TOFF" || name == u"PPS")
        return offsetOf(report, name == u"PPS");
    return GpsdIgnored{};
}
