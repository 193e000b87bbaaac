#include "AppUtils/DefaultSettings.h"

#include "IniText.h"
#include "SettingsFileGuard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QLockFile>
#include <QSettings>
#include <QSize>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace AppUtils {

using namespace SettingsFileGuard;

namespace {

// A saved text must read back: QSettings writes a character in at most four bytes (UTF-8, or a
// \x escape), and the file's guard refuses a value over 16 KiB.
constexpr qsizetype MAX_TEXT_LENGTH = 4000;

// Values a save could not write yet, by file and key: loads see them, and the next save writes
// them with its own.
QHash<QString, QMap<QString, QVariant>> &pendingValues()
{
    static QHash<QString, QMap<QString, QVariant>> pending;
    return pending;
}

// The value stored under key as QSettings reads it: a fresh QSettings per call, so that hand edits
// made while we run are seen (handles on one file share its parsed contents while the file is
// unchanged, so this costs a stat()).
QVariant storedValue(const QString &path, QAnyStringView key)
{
    const QMap<QString, QVariant> &pending = pendingValues()[path];
    if (const auto it = pending.constFind(key.toString()); it != pending.cend())
        return *it;
    if (!screened(path))
        return {};
    return QSettings(path, QSettings::IniFormat).value(key);
}

// INI files hold text; a value that is not text (an @Variant of a hand edit) is of no type we
// store. Except the @Variant types that mean the text they print as (numbers, truth values, key
// sequences), which earlier versions rewrote as that text, and a list: a comma typed by hand
// outside quotes, which our saves quote, so the text is the list joined again.
std::optional<QString> storedText(const QString &path, QAnyStringView key)
{
    const QVariant value = storedValue(path, key);
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Float:
    case QMetaType::Double:
    case QMetaType::QKeySequence:
        return value.toString();
    case QMetaType::QStringList:
        return value.toStringList().join(u", "_s);
    default:
        return std::nullopt;
    }
}

// Whether the file may be written now; says on stderr why not.
bool writable(const QString &path)
{
    if (const std::optional<QString> why = writeBlocked(path)) {
        warnOnce(u"cannot save the settings: "_s + *why);
        return false;
    }
    return screened(path);
}

// Stores key's value (none: only what is pending) into the file, changing the text of that key
// alone: comments and everything else written by hand stay. True when all of it is on disk.
// A file that cannot be read whole (unreadable, too large, no regular file) is never written:
// that would drop what could not be read.
bool writeSettings(const QString &path, const std::optional<std::pair<QString, QVariant>> &change)
{
    if (!writable(path))
        return false;
    const QFileInfo link(path);
    const QString target = link.isSymLink() ? link.canonicalFilePath() : path; // written through
    QDir().mkpath(QFileInfo(target).path()); // when it fails, so do the lock and the write
    QLockFile lock(path + u".lock"_s); // as QSettings takes it: writers of other versions wait
    const bool locked = lock.tryLock(std::chrono::seconds(2));
    const BoundedRead before = readSettingsFile(target);
    if (before.status != BoundedRead::Status::read && before.status != BoundedRead::Status::missing)
        return false;
    QMap<QString, QVariant> &pending = pendingValues()[path];
    if (change)
        pending.insert(change->first, change->second);
    const auto withPending = [&pending](QByteArray text) {
        for (auto it = pending.cbegin(); it != pending.cend(); ++it)
            text = IniText::withValue(text, it.key(), IniText::encodedValue(*it));
        return text;
    };
    QByteArray text = withPending(before.data);
    const auto readsBack = [&] {
        return std::all_of(pending.keyBegin(), pending.keyEnd(), [&](const QString &key) { return IniText::holds(text, key); });
    };
    if (!IniText::isText(before.data) || !readsBack()) {
        // Damaged (binary, or a quote left open swallows what follows): rewritten clean, with
        // every key that could be read.
        const QSettings reader(target, QSettings::IniFormat);
        text.clear();
        for (const QString &key : reader.allKeys())
            text = IniText::withValue(text, key, IniText::encodedValue(reader.value(key)));
        text = withPending(text);
    }
    const bool unchanged = text == before.data; // nothing to write: no empty file made either
    if (!locked || !(unchanged || replaceFile(target, text)))
        return false;
    pending.clear();
    return true;
}

} // namespace

DefaultSettings::DefaultSettings()
    : DefaultSettings(userFilePath())
{
}

DefaultSettings::DefaultSettings(QString filePath)
    : m_path(std::move(filePath))
{
    // Before any other reader of the file (window frames) meets what would stall or crash it.
    lockInTheWay(m_path);
    clearAbandonedWrites(m_path);
    screened(m_path);
}

QString DefaultSettings::fileName() const
{
    return m_path;
}

QString DefaultSettings::userFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/'
        + QCoreApplication::organizationName() + u'/' + QCoreApplication::applicationName() + u".conf"_s;
}

bool DefaultSettings::loadBool(QAnyStringView key, bool fallback) const
{
    const std::optional<QString> text = storedText(m_path, key);
    if (!text)
        return fallback;
    if (text->compare("true"_L1, Qt::CaseInsensitive) == 0 || *text == "1"_L1)
        return true;
    if (text->compare("false"_L1, Qt::CaseInsensitive) == 0 || *text == "0"_L1)
        return false;
    warnUnreadable(key, *text, u"true or false"_s, fallback ? u"true"_s : u"false"_s);
    return fallback;
}

qint64 DefaultSettings::loadInteger(QAnyStringView key, qint64 fallback) const
{
    const std::optional<QString> text = storedText(m_path, key);
    bool ok = false;
    const qint64 value = text ? text->toLongLong(&ok, 10) : 0; // out of range: not ok
    if (text && !ok)
        warnUnreadable(key, *text, u"a whole number"_s, QString::number(fallback));
    return ok ? value : fallback;
}

double DefaultSettings::loadDouble(QAnyStringView key, double fallback) const
{
    const std::optional<QString> text = storedText(m_path, key);
    bool ok = false;
    const double value = text ? text->toDouble(&ok) : 0.0; // C locale, whatever the user's
    if (text && !(ok && std::isfinite(value)))
        warnUnreadable(key, *text, u"a number"_s, QString::number(fallback));
    return ok && std::isfinite(value) ? value : fallback;
}

QString DefaultSettings::loadString(QAnyStringView key, const QString &fallback) const
{
    return storedText(m_path, key).value_or(fallback);
}

void DefaultSettings::warnUnreadable(QAnyStringView key, const QString &text, const QString &expected,
    const QString &used) const
{
    warnOnce(u"the setting %1=%2 in %3 is not %4; using %5"_s.arg(key.toString(), text.left(64), m_path, expected, used));
}

bool DefaultSettings::saveBool(QAnyStringView key, bool value)
{
    return save(key, value ? u"true"_s : u"false"_s);
}

bool DefaultSettings::saveInteger(QAnyStringView key, qint64 value)
{
    return save(key, QString::number(value));
}

bool DefaultSettings::saveDouble(QAnyStringView key, double value)
{
    if (!std::isfinite(value))
        return false;
    if (value == 0 && std::signbit(value))
        return save(key, u"-0"_s); // QString::number drops the sign of zero
    return save(key, QString::number(value, 'g', QLocale::FloatingPointShortest));
}

bool DefaultSettings::saveString(QAnyStringView key, const QString &value)
{
    if (value.size() > MAX_TEXT_LENGTH) {
        warnOnce(
            u"not saving the setting \"%1\": %2 characters, more than the %3 a setting may hold"_s.arg(key.toString())
                .arg(value.size())
                .arg(MAX_TEXT_LENGTH));
        return false;
    }
    return save(key, value);
}

QByteArray DefaultSettings::loadBytes(QAnyStringView key) const
{
    const QVariant value = storedValue(m_path, key);
    return value.typeId() == QMetaType::QByteArray ? value.toByteArray() : QByteArray();
}

QSize DefaultSettings::loadSize(QAnyStringView key) const
{
    const QVariant value = storedValue(m_path, key);
    return value.typeId() == QMetaType::QSize ? value.toSize() : QSize();
}

bool DefaultSettings::saveBytes(QAnyStringView key, const QByteArray &value)
{
    return save(key, value);
}

bool DefaultSettings::saveSize(QAnyStringView key, QSize value)
{
    return save(key, value);
}

bool DefaultSettings::sync()
{
    return writeSettings(m_path, std::nullopt);
}

bool DefaultSettings::save(QAnyStringView key, const QVariant &value)
{
    return writeSettings(m_path, std::pair(key.toString(), value));
}

DefaultSettings &Defaults()
{
    static DefaultSettings settings;
    return settings;
}

} // namespace AppUtils
