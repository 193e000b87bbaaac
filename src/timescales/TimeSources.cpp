#include "TimeSources.h"

#include "SyncDaemons.h"

#include <AppUtils/BoundedFile.h>
#include <AppUtils/Sidereal.h>
#include <AppUtils/Warning.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStandardPaths>

#include <sys/stat.h>
#include <tuple>
#include <utility>

namespace {

double mjdOf(std::chrono::system_clock::time_point now)
{
    return AppUtils::modifiedJulianDateOfUnix(std::chrono::duration<double>(now.time_since_epoch()).count());
}

// Changes come in bursts (a download writes a chunk at a time, a copy many files): the folders
// are read once, this long after the first change of a burst, however long the burst lasts.
constexpr std::chrono::milliseconds settleDelay(500);

// Files watched for changes in place, tables first: watches are shared with every other program
// of the user, and a folder holding more than this is not a folder of tables.
constexpr qsizetype maximumWatchedFiles = 64;

// The folder when it can be read, else the nearest of its parents that can: there the folder
// will appear, or be made readable.
QString nearestReadable(QString folder)
{
    while (!QFileInfo(folder).isDir() || !QFileInfo(folder).isReadable()) {
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            break;
        folder = parent;
    }
    return folder;
}

// One line for the files of a folder set aside: the file and why, or how many and the first.
QString refusalLine(const QString &folder, const QList<std::pair<QString, QString>> &refused)
{
    if (refused.size() == 1)
        return TimeSources::tr("%1 set aside: %2").arg(refused.constFirst().first, refused.constFirst().second);
    return TimeSources::tr("%n files in %1 set aside (%2: %3)", nullptr, int(refused.size()))
        .arg(QDir::toNativeSeparators(folder), refused.constFirst().first, refused.constFirst().second);
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
    static TimeSources sources(systemPlaces(), &readClockHealth, [] { return SyncDaemons::shared().latest(); });
    return sources;
}

TimeSources::TimeSources(Places places, ClockReader readClock, SyncReader readSync)
    : m_places(std::move(places))
    , m_readClock(std::move(readClock))
    , m_readSync(std::move(readSync))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleDelay);
    connect(&m_settle, &QTimer::timeout, this, &TimeSources::rescan);
    const auto changed = [this] {
        if (!m_settle.isActive()) // not restarted: a steady stream of changes must not starve the reading
            m_settle.start();
    };
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, changed);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, changed);
    loadLeapSeconds();
    rescan();
}

void TimeSources::setTypedDut1(const std::optional<TypedDut1> &typed)
{
    m_typed = typed;
}

void TimeSources::setDownloadState(const EarthOrientationDownloadState &state)
{
    m_download = state;
}

TimeFacts TimeSources::factsAt(std::chrono::system_clock::time_point now)
{
    TimeFacts facts{ut1At(now), m_readClock(), m_leapSeconds, m_download, m_readSync ? m_readSync() : std::nullopt};
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
    // A value typed after a stale table ended is the fresher of the two (a QDate's Julian day
    // number is of its noon).
    const bool typedIsFresher = m_typed && bestEstimate && bestEstimate->quality == Ut1Quality::stale
        && AppUtils::modifiedJulianDate(double(m_typed->typedOn.toJulianDay()) - 0.5) > best->table->rows().back().mjd;
    if (best && !typedIsFresher) {
        source.origin = Ut1Source::Origin::file;
        source.estimate = *bestEstimate;
        source.fileName = best->name;
    } else if (m_typed) {
        source.origin = Ut1Source::Origin::typed;
        source.estimate.seconds = m_typed->seconds;
        source.typedOn = m_typed->typedOn;
    }
    return source;
}

std::optional<QString> TimeSources::importEarthOrientation(const QString &path)
{
    const AppUtils::BoundedRead read = AppUtils::readBoundedFile(path, EarthOrientation::maximumSize);
    const QByteArray *bytes = read.status == AppUtils::BoundedRead::Status::read ? &read.data : nullptr;
    QString why = read.why;
    if (bytes) {
        auto parsed = EarthOrientation::parse(*bytes);
        if (const QString *refused = std::get_if<QString>(&parsed))
            why = *refused;
    }
    const QString name = QFileInfo(path).fileName();
    if (why.isEmpty())
        why = AppUtils::replaceFile(m_places.userFolder, name, *bytes);
    if (!why.isEmpty()) {
        // Said where the data is shown, and in the log.
        m_earthOrientationProblem = tr("%1 was not imported: %2").arg(name, why);
        AppUtils::warn(m_earthOrientationProblem);
        return m_earthOrientationProblem;
    }
    rescan();
    return std::nullopt;
}

std::optional<TimeSources::FileStamp> TimeSources::stampOf(const QString &path)
{
    struct stat status
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    const auto ns = [](const timespec &t) { return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec; };
    return FileStamp{
        quint64(status.st_dev), quint64(status.st_ino), qint64(status.st_size), ns(status.st_mtim), ns(status.st_ctim)};
}

void TimeSources::readAgain(DataFile &file)
{
    file.problem.clear();
    const AppUtils::BoundedRead read = AppUtils::readBoundedFile(file.path, EarthOrientation::maximumSize);
    if (read.status != AppUtils::BoundedRead::Status::read) {
        file.problem = read.why;
        return;
    }
    auto parsed = EarthOrientation::parse(read.data);
    if (auto *table = std::get_if<EarthOrientation>(&parsed))
        file.table = std::move(*table);
    else
        file.problem = std::get<QString>(parsed);
}

QStringList TimeSources::folders() const
{
    QStringList folders = QStringList{m_places.userFolder} + m_places.sharedFolders;
    folders.removeDuplicates(); // $XDG_DATA_DIRS may name one twice
    return folders;
}

void TimeSources::rescan()
{
    QHash<QString, std::size_t> before; // where each path was in m_files
    for (std::size_t i = 0; i < m_files.size(); ++i)
        before.insert(m_files[i].path, i);
    std::vector<DataFile> files;
    QStringList problems;
    QSet<QString> reread;
    QStringList unreadable;
    for (const QString &folder : folders()) {
        const QDir dir(folder);
        if (!dir.exists())
            continue;
        if (!QFileInfo(folder).isReadable()) {
            problems.append(tr("The folder %1 cannot be read").arg(QDir::toNativeSeparators(folder)));
            if (!m_unreadableFolders.contains(folder)) // said once, not at each change beside it
                AppUtils::warn(problems.constLast());
            unreadable.append(folder);
            continue;
        }
        const bool shared = folder != m_places.userFolder;
        QList<std::pair<QString, QString>> held, fresh; // (name, why) of every refusal, of those not said yet
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
            const QString path = dir.absoluteFilePath(name);
            const auto at = before.constFind(path);
            DataFile file = at != before.cend() ? std::move(m_files[*at]) : DataFile{path, QFileInfo(path).fileName(), {}, {}, {}};
            const std::optional<FileStamp> stamp = stampOf(path);
            if (!stamp || stamp != file.stamp) {
                const QString said = file.problem;
                file.stamp = stamp;
                readAgain(file);
                reread.insert(path);
                if (!file.problem.isEmpty() && file.problem != said && (!shared || file.table))
                    fresh.append({name, file.problem});
            }
            // The shared folders hold the program's other resources too: only a file that
            // was once a table there is worth a word when it stops being one.
            if (!file.problem.isEmpty() && (!shared || file.table))
                held.append({name, file.problem});
            files.push_back(std::move(file));
        }
        if (!held.isEmpty())
            problems.append(refusalLine(folder, held));
        if (!fresh.isEmpty()) // once, however many: a folder of strays is one line, not thousands
            AppUtils::warn(refusalLine(folder, fresh));
    }
    m_files = std::move(files);
    m_unreadableFolders = unreadable;
    m_earthOrientationProblem = problems.isEmpty() ? QString() : problems.constLast();
    watch(reread);
}

void TimeSources::watch(const QSet<QString> &reread)
{
    // Each folder, or where it will appear; then its files, as writing into a file in place
    // (cp, curl -o) is a change of the file, not of its folder.
    QStringList wanted;
    for (const QString &folder : folders())
        wanted.append(nearestReadable(folder));
    const qsizetype limit = wanted.size() + maximumWatchedFiles;
    for (const bool tables : {true, false})
        for (const DataFile &file : m_files)
            if (file.table.has_value() == tables && file.stamp && wanted.size() < limit
                && QFileInfo(file.path).isReadable())
                wanted.append(file.path);
    wanted.removeDuplicates();
    // A file read again may be another file under the same name (replaced, or a link moved):
    // its watch is set anew, on what the name is now.
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    QStringList stale, missing;
    for (const QString &path : watched)
        if (!wanted.contains(path) || reread.contains(path))
            stale.append(path);
    for (const QString &path : std::as_const(wanted))
        if (!watched.contains(path) || reread.contains(path))
            missing.append(path);
    if (!stale.isEmpty())
        m_watcher.removePaths(stale);
    if (!missing.isEmpty())
        m_watcher.addPaths(missing);
}

void TimeSources::loadLeapSeconds()
{
    const QString &path = m_places.leapSecondList;
    const AppUtils::BoundedRead read = AppUtils::readBoundedFile(path, LeapSecondList::maximumSize);
    QString why = read.why;
    if (read.status == AppUtils::BoundedRead::Status::read) {
        auto parsed = LeapSecondList::parse(read.data);
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
