#include "Site.h"

#include "ListNumbers.h"
#include "StoredLines.h"
#include "Target.h"

#include <AppUtils/Sidereal.h>

#include <QDateTime>
#include <QList>

#include <algorithm>
#include <cmath>
#include <limits>

QString siteListText(std::span<const SiteLine> lines)
{
    QString text;
    for (const SiteLine &line : lines) {
        if (const auto *site = std::get_if<Site>(&line))
            text += listNumberText(site->latitude) + u'\t' + listNumberText(site->longitude) + u'\t'
                + listNumberText(site->elevation) + u'\t' + QString::fromLatin1(site->zone) + u'\t' + site->name;
        else
            text += std::get<UnreadSiteLine>(line).text;
        text += u'\n';
    }
    return text;
}

SiteListRead siteListFromText(QStringView text)
{
    SiteListRead read;
    text = wholeLinesWithin(text, maxSiteListLength, read.leftOut);
    int sites = 0;
    for (const QStringView line : text.split(u'\n')) {
        if (line.trimmed().isEmpty())
            continue;
        const auto unread = [&read, line](SiteLineProblem problem) {
            read.lines.push_back(UnreadSiteLine{line.toString(), problem});
        };
        const QList<QStringView> fields = line.split(u'\t');
        if (fields.size() != 5) {
            unread(SiteLineProblem::fields);
            continue;
        }
        const std::optional<double> latitude = listNumberFrom(fields[0], -90, 90, true);
        const std::optional<double> longitude = listNumberFrom(fields[1], -180, 180, true);
        const std::optional<double> elevation = listNumberFrom(fields[2], -500, 9000, true);
        const QByteArray zone = fields[3].toLatin1();
        const QString name = targetName(fields[4]);
        if (!latitude)
            unread(SiteLineProblem::latitude);
        else if (!longitude)
            unread(SiteLineProblem::longitude);
        else if (!elevation)
            unread(SiteLineProblem::elevation);
        else if (zone.isEmpty() || !QTimeZone::isTimeZoneIdAvailable(zone))
            unread(SiteLineProblem::zone);
        else if (name.isEmpty())
            unread(SiteLineProblem::name);
        else if (sites == maxSites)
            unread(SiteLineProblem::tooMany);
        else {
            read.lines.push_back(Site{name, *latitude, *longitude, *elevation, zone});
            ++sites;
        }
    }
    return read;
}

std::vector<Site> sitesAmong(std::span<const SiteLine> lines)
{
    return entriesAmong(lines);
}

void SiteClock::setSites(std::vector<Site> sites)
{
    std::vector<Kept> kept;
    for (Site &site : sites) {
        // A site already followed keeps its night.
        const auto same = std::ranges::find(m_sites, site, &Kept::site);
        if (same != m_sites.end())
            kept.push_back(std::move(*same));
        else {
            QTimeZone zone(site.zone);
            kept.push_back(Kept{std::move(site), std::move(zone), {}, 0, nullptr, 0, 0, 0});
        }
    }
    m_sites = std::move(kept);
}

int SiteClock::offsetAt(Kept &kept, qint64 unixSeconds)
{
    if (unixSeconds < kept.offsetFrom || unixSeconds >= kept.offsetUntil) {
        const QDateTime instant = QDateTime::fromSecsSinceEpoch(unixSeconds, Qt::UTC);
        const QTimeZone::OffsetData next = kept.zone.nextTransition(instant);
        kept.offset = kept.zone.offsetFromUtc(instant);
        kept.offsetFrom = unixSeconds;
        kept.offsetUntil
            = next.atUtc.isValid() ? next.atUtc.toSecsSinceEpoch() : std::numeric_limits<qint64>::max();
    }
    return kept.offset;
}

std::vector<SiteReading> SiteClock::at(qint64 unixSeconds, std::optional<double> gastSeconds, double dut1Seconds)
{
    // UT1 − UTC drifts by milliseconds a day; a tenth of a second moves an event by far less than one.
    constexpr double sameDut1Seconds = 0.1;
    constexpr qint64 day = 86400;
    std::vector<SiteReading> readings;
    readings.reserve(m_sites.size());
    for (Kept &kept : m_sites) {
        SiteReading reading;
        reading.site = kept.site;
        reading.utcOffsetSeconds = offsetAt(kept, unixSeconds);
        const qint64 local = unixSeconds + reading.utcOffsetSeconds;
        const qint64 days = local >= 0 ? local / day : -((-local + day - 1) / day);
        reading.localSecondOfDay = int(local - days * day);
        if (gastSeconds)
            reading.siderealSeconds = AppUtils::SiderealClock::atLongitude(*gastSeconds, kept.site.longitude);
        const QDate nightDate = nightDateOf(QDate(1970, 1, 1).addDays(days), reading.localSecondOfDay / 3600);
        if (kept.nightDate != nightDate || std::abs(kept.nightDut1 - dut1Seconds) >= sameDut1Seconds) {
            std::optional<Night> night
                = nightOf(nightDate, kept.zone, kept.site.latitude, kept.site.longitude, dut1Seconds);
            kept.night = night ? std::make_shared<const Night>(std::move(*night)) : nullptr;
            kept.nightDate = nightDate;
            kept.nightDut1 = dut1Seconds;
        }
        if (kept.night)
            reading.daylight
                = skyAt(*kept.night, std::chrono::system_clock::time_point(std::chrono::seconds(unixSeconds))).daylight;
        readings.push_back(std::move(reading));
    }
    return readings;
}
