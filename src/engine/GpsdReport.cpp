#include "GpsdReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLatin1StringView>

#include <charconv>
#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// gpsd writes one flat JSON object a line, but for SKY's list of satellites, and what the clocks
// need are top-level numbers and strings. This scan finds them and steps over nested arrays and
// objects without building them, for a ninth of what building the whole document with
// QJsonDocument took: that had been most of what a gpsd source cost each second.
class TopLevelMembers
{
public:
    // None unless the line is one JSON object: names and values in their places, strings closed,
    // brackets balanced, nothing after it but blanks. Nested values are checked only for that.
    static std::optional<TopLevelMembers> of(QByteArrayView line)
    {
        TopLevelMembers members;
        members.m_members.reserve(32); // a TPV has some twenty
        qsizetype at = 0;
        const auto blanks = [&] {
            while (at < line.size() && (line[at] == ' ' || line[at] == '\t' || line[at] == '\r'))
                ++at;
        };
        const auto next = [&](char c) {
            blanks();
            return at < line.size() && line[at] == c ? (++at, true) : false;
        };
        if (!next('{'))
            return std::nullopt;
        if (!next('}')) {
            do {
                blanks();
                const qsizetype nameStart = at;
                if (!skipValue(line, at) || line[nameStart] != '"')
                    return std::nullopt;
                const QByteArrayView name = line.sliced(nameStart + 1, at - nameStart - 2);
                if (!next(':'))
                    return std::nullopt;
                blanks();
                const qsizetype valueStart = at;
                if (!skipValue(line, at))
                    return std::nullopt;
                members.m_members.emplace_back(name, line.sliced(valueStart, at - valueStart));
            } while (next(','));
            if (!next('}'))
                return std::nullopt;
        }
        blanks();
        if (at != line.size())
            return std::nullopt;
        return members;
    }

    // The member's value as it stands in the line; none when there is no such member.
    std::optional<QByteArrayView> raw(QLatin1StringView name) const
    {
        for (const auto &[key, value] : m_members)
            if (key == QByteArrayView(name.data(), name.size()))
                return value;
        return std::nullopt;
    }

    // A JSON number that is finite; none for anything else (text "nan", NaN, null).
    std::optional<double> number(QLatin1StringView name) const
    {
        const std::optional<QByteArrayView> value = raw(name);
        if (!value || value->isEmpty() || !(value->front() == '-' || (value->front() >= '0' && value->front() <= '9')))
            return std::nullopt;
        double number = 0;
        const auto [end, error] = std::from_chars(value->data(), value->data() + value->size(), number);
        if (error != std::errc() || end != value->data() + value->size() || !std::isfinite(number))
            return std::nullopt;
        return number;
    }

    // A string without escapes, which is all gpsd writes for the names of its classes.
    std::optional<QByteArrayView> text(QLatin1StringView name) const
    {
        const std::optional<QByteArrayView> value = raw(name);
        if (!value || value->size() < 2 || value->front() != '"' || value->contains('\\'))
            return std::nullopt;
        return value->sliced(1, value->size() - 2);
    }

private:
    // Steps at over one value: a string, a nested array or object (to its matching bracket, its
    // strings stepped over whole), or a bare word (a number, true, false, null). False when the
    // line ends first or nothing is there.
    static bool skipValue(QByteArrayView line, qsizetype &at)
    {
        int depth = 0;
        const qsizetype start = at;
        while (at < line.size()) {
            const char c = line[at];
            if (c == '"') {
                for (++at; at < line.size() && line[at] != '"'; ++at)
                    if (line[at] == '\\')
                        ++at;
                if (at >= line.size())
                    return false;
                ++at;
            } else if (c == '[' || c == '{') {
                ++depth;
                ++at;
            } else if (depth > 0) {
                if (c == ']' || c == '}')
                    --depth;
                ++at;
            } else if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' || c == '+' || c == '.') {
                ++at;
            } else {
                break;
            }
            if (depth == 0 && (c == '"' || c == ']' || c == '}'))
                break;
        }
        return depth == 0 && at > start;
    }

    std::vector<std::pair<QByteArrayView, QByteArrayView>> m_members; // name without its quotes, value
};

GpsdReport fixOf(const TopLevelMembers &tpv)
{
    const std::optional<double> mode = tpv.number("mode"_L1);
    if (!mode || *mode < 0 || *mode > 3)
        return GpsdMalformed{};
    GpsdFix fix;
    fix.mode = int(*mode);
    if (fix.mode < 2)
        return fix;
    const std::optional<double> latitude = tpv.number("lat"_L1);
    const std::optional<double> longitude = tpv.number("lon"_L1);
    if (!latitude || !longitude || std::abs(*latitude) > 90 || std::abs(*longitude) > 180)
        return GpsdMalformed{};
    fix.latitude = *latitude;
    fix.longitude = *longitude;
    // gpsd 3.20 on names it altMSL; older ones say alt.
    if (fix.mode == 3) {
        const std::optional<double> aboveSeaLevel = tpv.number("altMSL"_L1);
        fix.altitude = aboveSeaLevel ? aboveSeaLevel : tpv.number("alt"_L1);
    }
    return fix;
}

GpsdReport satellitesOf(const TopLevelMembers &sky)
{
    // gpsd 3.20 on counts them itself; older ones only list them, which is read whole.
    const std::optional<double> used = sky.number("uSat"_L1);
    const std::optional<double> seen = sky.number("nSat"_L1);
    if (used && seen) {
        if (*used < 0 || *seen < *used || *seen > 1000)
            return GpsdMalformed{};
        return GpsdSatellites{int(*used), int(*seen)};
    }
    const std::optional<QByteArrayView> listed = sky.raw("satellites"_L1);
    const QJsonDocument list = listed ? QJsonDocument::fromJson(listed->toByteArray()) : QJsonDocument();
    if (!list.isArray()) // a SKY of dilutions alone says nothing of the satellites
        return GpsdIgnored{};
    GpsdSatellites satellites{0, int(list.array().size())};
    for (const QJsonValue &satellite : list.array())
        satellites.used += satellite.toObject().value("used"_L1).toBool() ? 1 : 0;
    return satellites;
}

GpsdReport offsetOf(const TopLevelMembers &report, bool pulse)
{
    double parts[4];
    int i = 0;
    for (const auto key : {"real_sec"_L1, "real_nsec"_L1, "clock_sec"_L1, "clock_nsec"_L1}) {
        const std::optional<double> part = report.number(key);
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
    const std::optional<TopLevelMembers> report = TopLevelMembers::of(line);
    if (!report)
        return GpsdMalformed{};
    const std::optional<QByteArrayView> kind = report->text("class"_L1);
    if (!kind)
        return GpsdMalformed{};
    if (*kind == "TPV")
        return fixOf(*report);
    if (*kind == "SKY")
        return satellitesOf(*report);
    if (*kind == "TOFF" || *kind == "PPS")
        return offsetOf(*report, *kind == "PPS");
    return GpsdIgnored{};
}
