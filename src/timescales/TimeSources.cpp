#include "TimeSources.h"

#include "RegularFile.h"

#include <AppUtils/Warning.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <tuple>

namespace {

constexpr double unixEpochMjd = 40587; // 1970-01-01 as a modified Julian date

double mjdOf(std::chrono::system_clock::time_point now)
{
    return unixEpochMjd + std::chrono::duration<double, std::ratio<86400>>(now.time_since_epoch()).count();
}

// The contents of path, or why they cannot be had.
std::optional<QByteArray> readAtMost(const QString &path, qsizetype limit, QString &why)
{
    std::variant<QByteArray, QString> read = readRegularFile(path, limit);
    if (QString *refused = std::get_if<QString>(&read)) {
        why = *refused;
        return std::nullopt;
    }
    return std::move(std::get<QByteArray>(read));
}

} // namespace

TimeSources::Places TimeSources::systemPlaces()
{
    const QString name = QStringLiteral("/horavane");
    Places places;
    places.userFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + name;
    for (const QString &folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        if (folder + name != places.userFolder)
            places.sharedFolders.append(folder + name);
    places.leapSecondList = QStringLiteral("/usr/share/zoneinfo/leap-seconds.list");
    return places;
}

TimeSources &TimeSources::shared()
{
    static TimeSources sources(systemPlaces());
    return sources;
}

TimeSources::TimeSources(Places places, ClockReader readClock)
    : m_places(std::move(places))
    , m_readClock(std::move(readClock))
{
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &TimeSources::rescan);
    loadLeapSeconds();
    rescan();
}

void TimeSources::setTypedDut1(const std::optional<TypedDut1> &typed)
{
    m_typed = typed;
}

TimeFacts TimeSources::factsAt(std::chrono::system_clock::time_point now)
{
    TimeFacts facts{ut1At(now), m_readClock(), m_leapSeconds};
    if (facts.leapSeconds.validUntil
        && std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count()
            >= facts.leapSeconds.validUntil->toMSecsSinceEpoch())
        facts.leapSeconds.problem = tr("The system's leap-second list expired on %1")
                                        .arg(facts.leapSeconds.validUntil->date().toString(Qt::ISODate));
    return facts;
}

Ut1Source TimeSources::ut1At(std::chrono::system_clock::time_point now) const
{
    const double mjd = mjdOf(now);
    // The best file here: the most trusted value, then the table that reaches furthest.
    const DataFile *best = nullptr;
    std::optional<Ut1Estimate> bestEstimate;
    for (const DataFile &file : m_files) {
        const std::optional<Ut1Estimate> estimate = file.table ? file.table->at(mjd) : std::nullopt;
        if (!estimate)
            continue;
        if (!best
            || std::tuple(estimate->quality, -file.table->rows().back().mjd)
                < std::tuple(bestEstimate->quality, -best->table->rows().back().mjd)) {
            best = &file;
            bestEstimate = estimate;
        }
    }
    Ut1Source source;
    source.problem = m_earthOrientationProblem;
    // A value typed after a stale table ended is the fresher of the two.
    const bool typedIsFresher = m_typed && bestEstimate && bestEstimate->quality == Ut1Quality::stale
        && m_typed->typedOn.toJulianDay() - 2400001 > best->table->rows().back().mjd;
    if (best && !typedIsFresher) {
        source.origin = Ut1Source::Origin::file;
        source.estimate = *bestEstimate;
        source.fileName = QFileInfo(best->path).fileName();
    } else if (m_typed) {
        source.origin = Ut1Source::Origin::typed;
        source.estimate.seconds = m_typed->seconds;
        source.typedOn = m_typed->typedOn;
    }
    return source;
}

std::optional<QString> TimeSources::importEarthOrientation(const QString &path)
{
    QString why;
    const std::optional<QByteArray> bytes = readAtMost(path, EarthOrientation::maximumSize, why);
    if (bytes) {
        auto parsed = EarthOrientation::parse(*bytes);
        if (const QString *refused = std::get_if<QString>(&parsed))
            why = *refused;
    }
    const QString name = QFileInfo(path).fileName();
    QSaveFile copy(m_places.userFolder + u'/' + name);
    if (why.isEmpty()
        && (!QDir().mkpath(m_places.userFolder) || !copy.open(QIODevice::WriteOnly)
            || copy.write(*bytes) != bytes->size() || !copy.commit()))
        why = copy.errorString();
    if (!why.isEmpty()) {
        // Said where the data is shown, and in the log.
        m_earthOrientationProblem = tr("%1 was not imported: %2").arg(name, why);
        AppUtils::warn(m_earthOrientationProblem);
        return m_earthOrientationProblem;
    }
    rescan();
    return std::nullopt;
}

void TimeSources::rescan()
{
    std::vector<DataFile> files;
    QStringList problems;
    const QStringList folders = QStringList{m_places.userFolder} + m_places.sharedFolders;
    for (const QString &folder : folders) {
        const QDir dir(folder);
        if (!dir.exists())
            continue;
        if (!QFileInfo(folder).isReadable()) {
            problems.append(tr("The folder %1 cannot be read").arg(QDir::toNativeSeparators(folder)));
            continue;
        }
        const bool shared = folder != m_places.userFolder;
        for (const QFileInfo &info : dir.entryInfoList(QDir::Files, QDir::Name)) {
            const QString path = info.absoluteFilePath();
            const auto before
                = std::find_if(m_files.begin(), m_files.end(), [&](const DataFile &f) { return f.path == path; });
            DataFile file{path, before != m_files.end() ? before->table : std::nullopt};
            QString why;
            if (const std::optional<QByteArray> bytes = readAtMost(path, EarthOrientation::maximumSize, why)) {
                auto parsed = EarthOrientation::parse(*bytes);
                if (auto *table = std::get_if<EarthOrientation>(&parsed))
                    file.table = std::move(*table);
                else
                    why = std::get<QString>(parsed);
            }
            // The shared folders hold the program's other resources too: only a file that
            // was once a table there is worth a word when it stops being one.
            if (!why.isEmpty() && (!shared || file.table))
                problems.append(tr("%1 set aside: %2").arg(info.fileName(), why));
            if (file.table)
                files.push_back(std::move(file));
        }
    }
    m_files = std::move(files);
    m_earthOrientationProblem = problems.isEmpty() ? QString() : problems.constLast();
    for (const QString &problem : std::as_const(problems))
        AppUtils::warn(problem);
    watchFolders();
}

void TimeSources::watchFolders()
{
    const QStringList folders = QStringList{m_places.userFolder} + m_places.sharedFolders;
    for (const QString &folder : folders)
        if (QFileInfo(folder).isDir() && !m_watcher.directories().contains(folder))
            m_watcher.addPath(folder);
}

void TimeSources::loadLeapSeconds()
{
    QString why;
    const QString &path = m_places.leapSecondList;
    if (const std::optional<QByteArray> bytes = readAtMost(path, LeapSecondList::maximumSize, why)) {
        auto parsed = LeapSecondList::parse(*bytes);
        if (const auto *list = std::get_if<LeapSecondList>(&parsed)) {
            // Past its expiry a list may lack a leap second announced since; ERFA's own table
            // is no worse then, and says so itself ("dubious year") once it runs out.
            if (list->expires() <= QDateTime::currentDateTimeUtc()) {
                m_leapSeconds.problem = tr("The system's leap-second list expired on %1")
                                            .arg(list->expires().date().toString(Qt::ISODate));
                return;
            }
            installLeapSeconds(*list);
            m_leapSeconds.validUntil = list->expires();
            return;
        }
        why = std::get<QString>(parsed);
    }
    m_leapSeconds.problem = tr("%1 set aside: %2").arg(QFileInfo(path).fileName(), why);
    AppUtils::warn(m_leapSeconds.problem);
}
