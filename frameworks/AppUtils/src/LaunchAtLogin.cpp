#include "AppUtils/LaunchAtLogin.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <optional>

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
    if (argument.isEmpty() || std::any_of(argument.begin(), argument.end(),
                                          [](QChar c) { return reserved.contains(c); })) {
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
constexpr std::array<std::pair<QChar, QStringView>, 4> valueEscapes = {
    {{u'\\', u"\\\\"}, {u'\n', u"\\n"}, {u'\t', u"\\t"}, {u'\r', u"\\r"}}};

QString escapedValue(const QString &value)
{
    QString text;
    for (const QChar c : value) {
        const auto escape = std::find_if(valueEscapes.begin(), valueEscapes.end(),
                                         [c](const auto &e) { return e.first == c; });
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
        const auto escape = std::find_if(valueEscapes.begin(), valueEscapes.end(),
                                         [next](const auto &e) { return e.second[1] == next; });
        if (escape == valueEscapes.end()) {
            text += u'\\';   // not an escape of ours (\; in lists): kept as it is
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
            entry->insert(line.left(equals).trimmed(),
                          unescapedValue(QStringView(line).sliced(equals + 1).trimmed()));
    }
    return entry;
}

} // namespace

LaunchAtLogin::LaunchAtLogin(QString executable)
    : m_executable(std::move(executable))
{
}

bool LaunchAtLogin::writePlist()
{
    if (!QDir::isAbsolutePath(m_executable))
        return false;   // no application object, or a path the session could not resolve
    const QByteArray text = entry();
    const QString path = entryPath();
    QSaveFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly)
        && file.write(text) == text.size() && file.commit();
}

bool LaunchAtLogin::agentIsValid() const
{
    QFile file(entryPath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.read(maxEntrySize + 1);
    if (data.size() > maxEntrySize)
        return false;
    const std::optional<QHash<QString, QString>> keys = desktopEntry(data);
    if (!keys || keys->value(u"Hidden"_s) == "true"_L1
        || keys->value(u"X-GNOME-Autostart-enabled"_s) == "false"_L1)
        return false;
    const QString program = execProgram(keys->value(u"Exec"_s));
    if (program.isEmpty())
        return false;
    // The session looks a bare name up in PATH.
    const QFileInfo info(QDir::isAbsolutePath(program) ? program
                                                       : QStandardPaths::findExecutable(program));
    return info.isFile() && info.isExecutable();
}

void LaunchAtLogin::unlinkAgent()
{
    QFile::remove(entryPath());
}

QString LaunchAtLogin::entryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + u"/autostart/horavane.desktop"_s;
}

QByteArray LaunchAtLogin::entry() const
{
    const QString text = u"[Desktop Entry]\n"
                         "Type=Application\n"
                         "Name=Horavane\n"
                         "Comment=Civil time, UTC and local sidereal time for astronomers\n"
                         "Exec="_s
        + escapedValue(execArgument(m_executable))
        + u"\n"
          "Icon=horavane\n"
          "Terminal=false\n"
          "X-GNOME-Autostart-enabled=true\n"_s;
    return text.toUtf8();
}

} // namespace AppUtils
