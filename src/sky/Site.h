#pragma once

#include "Night.h"

#include <QByteArray>
#include <QString>
#include <QTimeZone>

#include <memory>
#include <optional>
#include <span>
#include <variant>
#include <vector>

// A remote observatory: where it stands and the zone its clocks keep.
struct Site
{
    QString name; // as targetName() keeps a name
    double latitude = 0; // degrees, north positive, [−90, +90]
    double longitude = 0; // degrees, east positive, [−180, +180]
    double elevation = 0; // metres above sea level, [−500, 9000]
    QByteArray zone; // an IANA zone id the system has, "America/Santiago"

    bool operator==(const Site &) const = default;
};

// How many sites a list follows at most.
inline constexpr int maxSites = 20;
// How much of a stored list is read: the settings keep no longer text.
inline constexpr qsizetype maxSiteListLength = 4000;

// Why a line of a list holds no site.
enum class SiteLineProblem {
    fields, // not five fields separated by tabs
    latitude, // not a finite number of degrees in the C locale, [−90, +90]
    longitude, // the same, [−180, +180]
    elevation, // the same in metres, [−500, 9000]
    zone, // a time zone the system does not have
    name, // no name targetName() keeps
    tooMany, // a site after the first maxSites
};

// A line of a list that holds no site, kept as it was so that the list is written back whole.
struct UnreadSiteLine
{
    QString text; // without its '\n'
    SiteLineProblem problem = SiteLineProblem::fields;

    bool operator==(const UnreadSiteLine &) const = default;
};

using SiteLine = std::variant<Site, UnreadSiteLine>;

// A list of sites as one line a site, "<latitude>\t<longitude>\t<elevation>\t<zone>\t<name>",
// the numbers in the C locale as the shortest text that reads back to the same double; a line
// that holds no site as it was read.
QString siteListText(std::span<const SiteLine> lines);

// The lines of a stored list, in their order, each a site or, when it holds none, the line as it
// is and why. Lines of nothing but white space are left out. Only the first maxSiteListLength
// characters are read, up to the last whole line among them; leftOut counts the characters
// after it.
struct SiteListRead
{
    std::vector<SiteLine> lines;
    qsizetype leftOut = 0;
};
SiteListRead siteListFromText(QStringView text);

std::vector<Site> sitesAmong(std::span<const SiteLine> lines);

// A site at one second: its civil clock, its sidereal time and the part of its day.
struct SiteReading
{
    Site site;
    int utcOffsetSeconds = 0; // of its zone at that second, east positive
    int localSecondOfDay = 0; // its civil clock, [0, 86400)
    std::optional<double> siderealSeconds; // local apparent, [0, 86400); none when the clock has none
    std::optional<Daylight> daylight; // none outside the almanac's years
};

// The sites' clocks and days, second after second. Each site's night (see nightOf) is worked
// out once, and again only when its night's date or UT1 changes; each second then reads the
// part of the day from it cheaply.
class SiteClock
{
public:
    // The sites read from the next call on.
    void setSites(std::vector<Site> sites);

    // Each site at the whole UTC second unixSeconds, in the list's order; gastSeconds is
    // Greenwich apparent sidereal time then, and dut1Seconds UT1 − UTC.
    std::vector<SiteReading> at(qint64 unixSeconds, std::optional<double> gastSeconds, double dut1Seconds);

private:
    struct Kept
    {
        Site site;
        QTimeZone zone;
        std::optional<QDate> nightDate; // what night was worked out for, and with which UT1
        double nightDut1 = 0;
        std::shared_ptr<const Night> night;
        // The zone's offset, and the seconds [from, until) it is known to hold for: asked of
        // the zone again only across a change of clocks or a step of the system clock.
        int offset = 0;
        qint64 offsetFrom = 0;
        qint64 offsetUntil = 0;
    };
    static int offsetAt(Kept &kept, qint64 unixSeconds);
    std::vector<Kept> m_sites;
};
