#include "SettingsFileGuard.h"

#include "IniText.h"

#include "AppUtils/BoundedFile.h"
#include "AppUtils/Warning.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QRegularExpression>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace AppUtils::SettingsFileGuard {

namespace {

// The longest value text QSettings is let parse. Ours are a few dozen bytes. QSettings reads an
// @Variant value recursively, one level per four bytes at best: at this length the depth stays
// a hundredth of what exhausts the stack.
constexpr qsizetype MAX_VALUE_BYTES = 16 * 1024;
// Ours is a few kilobytes: a file much larger is not ours to read (a link to something else, or
// a file grown out of all measure), and is never written over.
constexpr qint64 MAX_SETTINGS_FILE = 1024 * 1024;
// What names the temporary copy of a save: a person would not choose it, so what a save killed
// half-way leaves can be told from their own files beside ours (Horavane.conf.backup).
constexpr QLatin1StringView SAVING_INFIX{".horavane-saving-"};

using IniText::Line;

// Whether data reads as a settings file: text, each line a comment, a [section] or a key=value.
bool readsAsSettings(QByteArrayView data)
{
    if (!IniText::isText(data))
        return false;
    const QString text = QString::fromUtf8(data);
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        const bool section = line.startsWith(u'[') && line.endsWith(u']');
        if (!line.isEmpty() && !line.startsWith(u';') && !line.startsWith(u'#') && !section && !line.contains(u'='))
            return false;
    }
    return true;
}

// Why path must not be written, when it is a link: to a file that is not a settings file
// (the person's novel must not become our settings), or to nothing (the file it would create
// might be read as something else, a shell profile say). A link to a settings file, as dotfile
// managers make, is written through.
std::optional<QString> foreignLinkTarget(const QString &path)
{
    const QFileInfo link(path);
    if (!link.isSymLink())
        return std::nullopt;
    const QString target = link.canonicalFilePath();
    if (target.isEmpty())
        return u"%1 links to %2, which does not exist"_s.arg(path, link.symLinkTarget());
    const BoundedRead read = readBoundedFile(target, MAX_SETTINGS_FILE);
    if (read.status == BoundedRead::Status::failed)
        return std::nullopt; // unreadable: the write fails and says so
    if (read.status != BoundedRead::Status::read || !readsAsSettings(read.data))
        return u"%1 links to %2, which is not a settings file"_s.arg(path, target);
    return std::nullopt;
}

// data without the lines in dropped, written over path under its lock.
bool rewriteWithout(const QString &path, const QByteArray &data, const QList<Line> &dropped)
{
    QByteArray kept;
    qsizetype from = 0;
    for (const Line &line : dropped) {
        kept += QByteArrayView(data).sliced(from, line.start - from);
        from = line.end;
    }
    kept += QByteArrayView(data).sliced(from);
    QLockFile lock(path + u".lock"_s);
    return lock.tryLock(std::chrono::seconds(0)) && replaceFile(path, kept);
}

// The start of a name from the file, for a message.
QString shown(QByteArrayView name)
{
    return QString::fromUtf8(name.first(std::min<qsizetype>(name.size(), 64)));
}

} // namespace

void warnOnce(const QString &line)
{
    static QSet<QString> said;
    if (!said.contains(line)) {
        said.insert(line);
        warn(line);
    }
}

// Why a write cannot take the file's lock now. QLockFile makes plain files only, and QSettings
// waits for its lock without end: a link or a folder in its place never clears, and a fifo
// would stall the reading of it. A link and an empty folder are cleared; so is an empty lock
// a second old, left by a process killed while taking it (a live one writes its id at once).
// A lock held by a live process is waited for two seconds at most.
std::optional<QString> lockInTheWay(const QString &path)
{
    const QString lockPath = path + u".lock"_s;
    const QFileInfo found(lockPath);
    if (found.isSymLink()) {
        if (!QFile::remove(lockPath))
            return u"%1 is a link that cannot be removed"_s.arg(lockPath);
    } else if (found.isDir()) {
        if (!QDir().rmdir(lockPath))
            return u"%1 is a folder that is not empty"_s.arg(lockPath);
    } else if (found.exists() && !found.isFile()) {
        return u"%1 is not a lock file"_s.arg(lockPath);
    }
    QLockFile lock(lockPath);
    lock.setStaleLockTime(std::chrono::seconds(1));
    if (lock.tryLock(std::chrono::seconds(2))) {
        lock.unlock();
        return std::nullopt;
    }
    if (lock.error() == QLockFile::LockFailedError)
        return u"%1 is held and does not clear"_s.arg(lockPath);
    return std::nullopt; // no right to make it: the write itself fails and says so
}

void clearAbandonedWrites(const QString &path)
{
    const QDateTime settled = QDateTime::currentDateTimeUtc().addSecs(-60);
    QStringList files{path};
    if (const QString target = QFileInfo(path).canonicalFilePath(); !target.isEmpty() && target != path)
        files.append(target); // a linked file's copies are made beside it
    for (const QString &name : files) {
        const QFileInfo file(name);
        const QString pattern = QRegularExpression::escape(file.fileName() + SAVING_INFIX) + u"[A-Za-z0-9]{6}"_s;
        const QRegularExpression temporary(QRegularExpression::anchoredPattern(pattern));
        for (const QFileInfo &found : file.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
            if (temporary.match(found.fileName()).hasMatch() && found.lastModified() < settled)
                QFile::remove(found.filePath());
        }
    }
}

BoundedRead readSettingsFile(const QString &path)
{
    BoundedRead read = readBoundedFile(path, MAX_SETTINGS_FILE);
    if (read.status == BoundedRead::Status::failed || read.status == BoundedRead::Status::refused)
        warnOnce(u"not reading %1 (%2): the defaults are used, and the file is left as it is"_s.arg(path, read.why));
    return read;
}

bool replaceFile(const QString &path, QByteArrayView data)
{
    QByteArray name = QFile::encodeName(path + SAVING_INFIX + u"XXXXXX"_s);
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat before{};
    const bool existed = ::stat(QFile::encodeName(path).constData(), &before) == 0;
    // Later than the file it replaces even within one tick of the clock: readers that compare
    // times (QSettings' cache, the screening above) see the change.
    timespec times[2] = {{0, UTIME_OMIT}, {}};
    ::clock_gettime(CLOCK_REALTIME, &times[1]);
    if (existed) {
        const qint64 oldNs = qint64(before.st_mtim.tv_sec) * 1'000'000'000 + before.st_mtim.tv_nsec + 1'000'000;
        if (qint64(times[1].tv_sec) * 1'000'000'000 + times[1].tv_nsec < oldNs)
            times[1] = {time_t(oldNs / 1'000'000'000), long(oldNs % 1'000'000'000)};
    }
    qsizetype written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(fd, data.data() + written, size_t(data.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += n;
    }
    const bool whole = written == data.size() && (!existed || ::fchmod(fd, before.st_mode & 07777) == 0)
        && ::fdatasync(fd) == 0 && ::futimens(fd, times) == 0;
    const bool closed = ::close(fd) == 0;
    if (whole && closed && ::rename(name.constData(), QFile::encodeName(path).constData()) == 0)
        return true;
    ::unlink(name.constData());
    return false;
}

std::optional<QString> writeBlocked(const QString &path)
{
    if (std::optional<QString> why = foreignLinkTarget(path))
        return why;
    return lockInTheWay(path);
}

// QSettings parses a whole section when a key of it is read: a value that could crash it must be
// gone before any key is read. A fifo would stall the reading, and a huge file take minutes and
// gigabytes. A file once found clean is screened again only when it changes.
bool screened(const QString &path)
{
    static QHash<QString, std::pair<qint64, QDateTime>> clean;
    const QFileInfo info(path);
    const std::pair stamp(info.size(), info.lastModified());
    if (!info.exists() || info.isDir() || clean.value(path) == stamp)
        return true; // QSettings reads nothing there, or has read it safely
    const BoundedRead read = readSettingsFile(path);
    if (read.status != BoundedRead::Status::read)
        return read.status == BoundedRead::Status::missing;
    const QByteArray &data = read.data;
    QList<Line> refused;
    QByteArrayView section;
    IniText::forEachLine(data, [&](const Line &line) {
        const QByteArrayView text = QByteArrayView(data).sliced(line.start, line.end - line.start);
        if (text.startsWith('[')) {
            section = text.sliced(1, std::max<qsizetype>(text.indexOf(']'), 1) - 1).trimmed();
        } else if (line.equals >= 0 && line.end - line.equals - 1 > MAX_VALUE_BYTES) {
            refused.append(line);
            const QByteArrayView key = QByteArrayView(data).sliced(line.start, line.equals - line.start).trimmed();
            const bool general = section.isEmpty() || section.compare("general", Qt::CaseInsensitive) == 0;
            warnOnce(
                u"refused the setting \"%1%2\" in %3: its value is %4 bytes long, more than the %5 a setting may hold"_s
                    .arg(general ? QString() : shown(section) + u'/', shown(key), path)
                    .arg(line.end - line.equals - 1)
                    .arg(MAX_VALUE_BYTES));
        }
    });
    if (!refused.isEmpty()) {
        const std::optional<QString> why = writeBlocked(path);
        if (why || !rewriteWithout(path, data, refused)) {
            warnOnce(u"not reading %1: it holds a setting too long to read, and cannot be rewritten without it%2"_s.arg(
                path, why ? u": "_s + *why : QString()));
            return false;
        }
    }
    const QFileInfo after(path);
    clean.insert(path, {after.size(), after.lastModified()});
    return true;
}

} // namespace AppUtils::SettingsFileGuard
