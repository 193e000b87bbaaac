#include "SettingsFileGuard.h"

#include "AppUtils/Warning.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace AppUtils::SettingsFileGuard {

namespace {

// The longest value text QSettings is let parse. Ours are a few dozen bytes. QSettings reads an
// @Variant value recursively, one level per four bytes at best: at this length the depth stays
// a hundredth of what exhausts the stack.
constexpr qsizetype MAX_VALUE_BYTES = 16 * 1024;
// Ours is a few kilobytes: anything much larger that a link points to is some other file.
constexpr qint64 MAX_SETTINGS_FILE = 1024 * 1024;

// One logical line of an INI text: [start, end), '=' at equals (or -1).
struct IniLine
{
    qsizetype start;
    qsizetype end;
    qsizetype equals;
};

// Calls visit for each logical line of data, split as QSettings splits them: a line ends at an
// unquoted line break, or at a ';' after its start (a comment follows); a backslash takes the
// next character with it; a quoted stretch runs on across line breaks. Blank and comment lines
// are skipped.
template <typename Visit>
void forEachIniLine(QByteArrayView data, Visit visit)
{
    const qsizetype size = data.size();
    qsizetype i = 0;
    while (i < size) {
        while (i < size && (data[i] == ' ' || data[i] == '\t' || data[i] == '\n' || data[i] == '\r'))
            ++i;
        if (i < size && data[i] == ';') {
            while (i < size && data[i] != '\n' && data[i] != '\r')
                ++i;
            continue;
        }
        IniLine line{i, i, -1};
        bool quoted = false;
        for (; i < size; ++i) {
            const char ch = data[i];
            if ((ch == '\n' || ch == '\r' || ch == ';') && !quoted)
                break;
            if (ch == '=' && !quoted && line.equals < 0) {
                line.equals = i;
            } else if (ch == '"') {
                quoted = !quoted;
            } else if (ch == '\\' && i + 1 < size) {
                ++i; // the escaped character, a line break too: "\r\n" and "\n\r" count as one
                if (i + 1 < size && (data[i] == '\n' || data[i] == '\r') && (data[i + 1] == '\n' || data[i + 1] == '\r')
                    && data[i] != data[i + 1])
                    ++i;
            }
        }
        line.end = i;
        if (line.end > line.start)
            visit(line);
    }
}

// Whether data reads as a settings file: text, each line a comment, a [section] or a key=value.
bool readsAsSettings(QByteArrayView data)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(data);
    if (utf8.hasError())
        return false;
    for (const QChar ch : text) {
        if (ch.category() == QChar::Other_Control && ch != u'\t' && ch != u'\n' && ch != u'\r')
            return false;
    }
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
    QFile target(link.canonicalFilePath());
    if (target.fileName().isEmpty())
        return u"%1 links to %2, which does not exist"_s.arg(path, link.symLinkTarget());
    if (!target.open(QIODevice::ReadOnly))
        return std::nullopt; // unreadable: the write fails and says so
    if (target.size() > MAX_SETTINGS_FILE || !readsAsSettings(target.readAll()))
        return u"%1 links to %2, which is not a settings file"_s.arg(path, target.fileName());
    return std::nullopt;
}

// data without the lines in dropped, written over path under its lock.
bool rewriteWithout(const QString &path, const QByteArray &data, const QList<IniLine> &dropped)
{
    QByteArray kept;
    qsizetype from = 0;
    for (const IniLine &line : dropped) {
        kept += QByteArrayView(data).sliced(from, line.start - from);
        from = line.end;
    }
    kept += QByteArrayView(data).sliced(from);
    QLockFile lock(path + u".lock"_s);
    QSaveFile file(path);
    return lock.tryLock(std::chrono::seconds(0)) && file.open(QIODevice::WriteOnly) && file.write(kept) == kept.size()
        && file.commit();
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
    const QFileInfo file(path);
    const QDateTime settled = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QString pattern = QRegularExpression::escape(file.fileName()) + u"\\.[A-Za-z0-9]{6}"_s;
    const QRegularExpression temporary(QRegularExpression::anchoredPattern(pattern));
    const QFileInfoList beside = file.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &found : beside) {
        if (temporary.match(found.fileName()).hasMatch() && found.lastModified() < settled)
            QFile::remove(found.filePath());
    }
}

std::optional<QString> writeBlocked(const QString &path)
{
    if (std::optional<QString> why = foreignLinkTarget(path))
        return why;
    return lockInTheWay(path);
}

// QSettings parses a whole section when a key of it is read, and every section at a write: a
// value that could crash it must be gone before any key is read. A fifo would stall the reading.
// A file once found clean is screened again only when it changes.
bool screened(const QString &path)
{
    static QHash<QString, std::pair<qint64, QDateTime>> clean;
    const QFileInfo info(path);
    const std::pair stamp(info.size(), info.lastModified());
    if (!info.exists() || info.isDir() || clean.value(path) == stamp)
        return true; // QSettings reads nothing there, or has read it safely
    if (!info.isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // QSettings cannot read it either
    const QByteArray data = file.readAll();
    QList<IniLine> refused;
    QByteArrayView section;
    forEachIniLine(data, [&](const IniLine &line) {
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
