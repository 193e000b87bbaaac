#include "AppUtils/LaunchAtLogin.h"

#include "AppUtils/BoundedFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace AppUtils {

namespace {

// An autostart entry is a few hundred bytes; reading stops well beyond.
constexpr qint64 maxEntrySize = 64 * 1024;

// The Desktop Entry rules for Exec: an argument holding any of these goes in double quotes,
// inside which " ` $ and \ take a backslash; a literal % is written %%.
constexpr QStringView reserved = u" \t\n\"'\\><~|&;$*?#()`";
constexpr QStringView escapedInQuotes = u"\"`$\\";

QString execArgument(const QString &argument)
{
    QString text = argument;
    if (argument.isEmpty()
        || std::any_of(argument.begin(), argument.end(), [](QChar c) { return reserved.contains(c); })) {
        text = u"\""_s;
        for (const QChar c : argument) {
            if (escapedInQuotes.contains(c))
                text += u'\\';
            text += c;
        }
        text += u'"';
    }
    return text.replace(u'%', u"%%"_s);
}

// The program an Exec value starts: its first argument with quoting and %% undone.
// Empty when there is none or its quote is not closed.
QString execProgram(QStringView exec)
{
    exec = exec.trimmed();
    QString program;
    if (exec.startsWith(u'"')) {
        qsizetype i = 1;
        for (; i < exec.size() && exec[i] != u'"'; ++i) {
            if (exec[i] == u'\\' && i + 1 < exec.size() && escapedInQuotes.contains(exec[i + 1]))
                ++i;
            program += exec[i];
        }
        if (i == exec.size())
            return {};
    } else {
        for (qsizetype i = 0; i < exec.size() && !exec[i].isSpace(); ++i)
            program += exec[i];
    }
    return program.replace(u"%%"_s, u"%"_s);
}

// The escapes of a key file's string values; applied before the quoting of Exec.
constexpr std::array<std::pair<QChar, QStringView>, 4> valueEscapes
    = {{{u'\\', u"\\\\"}, {u'\n', u"\\n"}, {u'\t', u"\\t"}, {u'\r', u"\\r"}}};

QString escapedValue(const QString &value)
{
    QString text;
    for (const QChar c : value) {
        const auto escape
            = std::find_if(valueEscapes.begin(), valueEscapes.end(), [c](const auto &e) { return e.first == c; });
        if (escape == valueEscapes.end())
            text += c;
        else
            text += escape->second;
    }
    return text;
}

QString unescapedValue(QStringView value)
{
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const QChar next = value[++i];
        if (next == u's') {
            text += u' ';
            continue;
        }
        const auto escape = std::find_if(
            valueEscapes.begin(), valueEscapes.end(), [next](const auto &e) { return e.second[1] == next; });
        if (escape == valueEscapes.end()) {
            text += u'\\'; // not an escape of ours (\; in lists): kept as it is
            text += next;
        } else {
            text += escape->first;
        }
    }
    return text;
}

// The keys of the [Desktop Entry] group with their values unescaped. None when the file is
// not a key file (a line that is neither comment, group nor key=value, or a key before the
// first group) or has no such group: desktops skip those files.
std::optional<QHash<QString, QString>> desktopEntry(const QByteArray &data)
{
    std::optional<QHash<QString, QString>> entry;
    bool inGroup = false;
    bool anyGroup = false;
    for (const QByteArray &raw : data.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            anyGroup = true;
            inGroup = line == "[Desktop Entry]"_L1;
            if (inGroup && !entry)
                entry.emplace();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!anyGroup || equals <= 0)
            return std::nullopt;
        if (inGroup)
            entry->insert(line.left(equals).trimmed(), unescapedValue(QStringView(line).sliced(equals + 1).trimmed()));
    }
    return entry;
}

// What setComment() gave.
QString &comment()
{
    static QString text;
    return text;
}

// The key that marks an entry as ours.
QString markKey()
{
    return u"X-"_s + QCoreApplication::applicationName() + u"-Autostart"_s;
}

// The entry's file name without ".desktop", and the icon of entries before the mark.
QString baseName()
{
    return QCoreApplication::applicationName().toLower();
}

// The text of an entry starting executable. Versions before the ownership mark wrote it with
// the icon baseName() and no mark; their entries are recognised by writing that text again.
QByteArray entryText(const QString &executable, const QString &icon, bool marked)
{
    QString text = u"[Desktop Entry]\nType=Application\nName="_s
        + escapedValue(QGuiApplication::applicationDisplayName()) + u'\n';
    if (!comment().isEmpty())
        text += u"Comment="_s + escapedValue(comment()) + u'\n';
    text += u"Exec="_s + escapedValue(execArgument(executable)) + u"\nIcon="_s + escapedValue(icon)
        + u"\n"
          "Terminal=false\n"
          "X-GNOME-Autostart-enabled=true\n"_s;
    if (marked)
        text += markKey() + u"=true\n"_s;
    return text.toUtf8();
}

// The entry at path as it is, never through a symbolic link: what a link points to is not ours
// to judge or change. None for a link, anything but a regular file, or a file that cannot be
// read or is too large.
std::optional<QByteArray> readEntry(const QString &path)
{
    BoundedRead read = readBoundedFile(path, maxEntrySize, Links::refuse);
    if (read.status != BoundedRead::Status::read)
        return std::nullopt;
    return std::move(read.data);
}

// What the entry's place holds, as far as we may touch it.
enum class Occupant { nothing, ours, other, unknown }; // unknown: the folder cannot be searched

Occupant occupant(const QString &path)
{
    struct stat status
    {
    };
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return errno == ENOENT ? Occupant::nothing : Occupant::unknown;
    const std::optional<QByteArray> data = readEntry(path);
    if (!data)
        return Occupant::other;
    const std::optional<QHash<QString, QString>> keys = desktopEntry(*data);
    if (!keys)
        return Occupant::other;
    if (keys->value(markKey()) == "true"_L1)
        return Occupant::ours;
    const QString program = execProgram(keys->value(u"Exec"_s));
    return QDir::isAbsolutePath(program) && *data == entryText(program, baseName(), false) ? Occupant::ours
                                                                                           : Occupant::other;
}

// A path as the user knows it: the home folder as "~".
QString shown(const QString &path)
{
    const QString home = QDir::homePath();
    return path.startsWith(home + u'/') ? u'~' + path.sliced(home.size()) : path;
}

} // namespace

LaunchAtLogin::LaunchAtLogin(QString executable)
    : m_executable(std::move(executable))
{
}

LaunchAtLogin::Result LaunchAtLogin::writePlist()
{
    if (!QDir::isAbsolutePath(m_executable)) // no application object
        return {tr("%1 cannot tell where its program file is.").arg(QGuiApplication::applicationDisplayName())};
    const QString path = entryPath();
    const QString folder = QFileInfo(path).path();
    const Result unwritable{tr("The autostart folder %1 is not writable.").arg(shown(folder))};
    if (!QDir().mkpath(folder))
        return unwritable;
    switch (occupant(path)) {
    case Occupant::other:
        return {
            tr("%1 was not written by %2; left as it is.").arg(shown(path), QGuiApplication::applicationDisplayName())};
    case Occupant::unknown:
        return unwritable;
    case Occupant::nothing:
    case Occupant::ours:
        break;
    }
    // Written beside it and renamed over it: the entry is never half written, and rename()
    // replaces a link that appeared meanwhile instead of writing where it points. The name
    // does not end in .desktop, so the session never starts a leftover.
    QTemporaryFile file(folder + u"/."_s + QFileInfo(path).fileName() + u".XXXXXX"_s);
    const QByteArray text = entryText(m_executable, QGuiApplication::desktopFileName(), true);
    if (!file.open() || file.write(text) != text.size() || !file.flush() || ::fsync(file.handle()) != 0
        || ::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return unwritable;
    file.setAutoRemove(false);
    if (!agentIsValid())
        return {tr("The login entry cannot start %1.").arg(shown(m_executable))};
    return {};
}

bool LaunchAtLogin::agentIsValid() const
{
    const std::optional<QByteArray> data = readEntry(entryPath());
    if (!data)
        return false;
    const std::optional<QHash<QString, QString>> keys = desktopEntry(*data);
    if (!keys || keys->value(u"Hidden"_s) == "true"_L1 || keys->value(u"X-GNOME-Autostart-enabled"_s) == "false"_L1)
        return false;
    const QString program = execProgram(keys->value(u"Exec"_s));
    if (program.isEmpty())
        return false;
    // The session looks a bare name up in PATH.
    const QFileInfo info(QDir::isAbsolutePath(program) ? program : QStandardPaths::findExecutable(program));
    return info.isFile() && info.isExecutable();
}

LaunchAtLogin::Result LaunchAtLogin::unlinkAgent()
{
    const QString path = entryPath();
    switch (occupant(path)) {
    case Occupant::nothing:
    case Occupant::other:
        return {};
    case Occupant::ours:
        if (::unlink(QFile::encodeName(path).constData()) == 0 || errno == ENOENT)
            return {};
        break;
    case Occupant::unknown:
        break;
    }
    return {tr("%1 could not be removed.").arg(shown(path))};
}

QString LaunchAtLogin::entryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/autostart/"_s + baseName()
        + u".desktop"_s;
}

void LaunchAtLogin::setComment(const QString &text)
{
    comment() = text;
}

} // namespace AppUtils
