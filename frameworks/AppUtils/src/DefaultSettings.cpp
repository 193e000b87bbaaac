#include "AppUtils/DefaultSettings.h"

#include <QLocale>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace AppUtils {

namespace {

// A fresh QSettings per call: its status() then tells about this call alone (a QSettings keeps
// the first error it met for good). Handles on one file share its parsed contents within the
// process, so this costs a stat() of the file, and hand edits made while we run are seen.
QSettings openSettings(const QString &path)
{
    return QSettings(path, QSettings::IniFormat);
}

// INI files hold text; a value that is not text (a list, or an @Variant of a hand edit) is of
// no type we store. Except the @Variant types that the next save of any key rewrites as plain
// text (numbers, truth values, key sequences): they must read the same before that save as
// after it.
std::optional<QString> storedText(const QString &path, QAnyStringView key)
{
    const QVariant value = openSettings(path).value(key);
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
    default:
        return std::nullopt;
    }
}

// Applies change and writes the file; true when it is on disk as this process sees it.
// A QSettings keeps the first problem it meets and reads sections only when it needs them, so
// a format error met while writing would hide a failed write. A first handle therefore reads
// the whole file and keeps any format error to itself; while it lives, a second handle shares
// what it read without reading again, and its status tells about the write alone.
// QSettings writes through QSaveFile.
template <typename Change>
bool writeSettings(const QString &path, Change change)
{
    const QSettings reader = openSettings(path);
    if (reader.status() == QSettings::AccessError)
        return false;   // unreadable: a write would keep only the keys of this process
    reader.allKeys();   // parses every section now
    QSettings writer = openSettings(path);
    change(writer);
    writer.sync();
    return writer.status() == QSettings::NoError;
}

// A process killed while taking the file's lock leaves it empty, and QSettings then waits
// until it is 30 s old before it writes, frozen. A live process writes its id into the lock
// as soon as it makes it, so an empty one a second old is a leftover: clear it then. A lock
// with the id of a live process is left alone after at most two seconds.
void clearAbandonedLock(const QString &path)
{
    QLockFile lock(path + u".lock"_s);
    lock.setStaleLockTime(std::chrono::seconds(1));
    if (lock.tryLock(std::chrono::seconds(2)))
        lock.unlock();
}

} // namespace

DefaultSettings::DefaultSettings()
    : DefaultSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                      + u"/Horavane/Horavane.conf"_s)
{
}

DefaultSettings::DefaultSettings(QString filePath)
    : m_path(std::move(filePath))
{
    clearAbandonedLock(m_path);
}

QString DefaultSettings::fileName() const
{
    return m_path;
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
    return fallback;
}

qint64 DefaultSettings::loadInteger(QAnyStringView key, qint64 fallback) const
{
    const std::optional<QString> text = storedText(m_path, key);
    bool ok = false;
    const qint64 value = text ? text->toLongLong(&ok, 10) : 0;   // out of range: not ok
    return ok ? value : fallback;
}

double DefaultSettings::loadDouble(QAnyStringView key, double fallback) const
{
    const std::optional<QString> text = storedText(m_path, key);
    bool ok = false;
    const double value = text ? text->toDouble(&ok) : 0.0;   // C locale, whatever the user's
    return ok && std::isfinite(value) ? value : fallback;
}

QString DefaultSettings::loadString(QAnyStringView key, const QString &fallback) const
{
    return storedText(m_path, key).value_or(fallback);
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
        return save(key, u"-0"_s);   // QString::number drops the sign of zero
    return save(key, QString::number(value, 'g', QLocale::FloatingPointShortest));
}

bool DefaultSettings::saveString(QAnyStringView key, const QString &value)
{
    return save(key, value);
}

bool DefaultSettings::sync()
{
    return writeSettings(m_path, [](QSettings &) {});
}

bool DefaultSettings::save(QAnyStringView key, const QString &text)
{
    return writeSettings(m_path, [&](QSettings &writer) { writer.setValue(key, text); });
}

DefaultSettings &Defaults()
{
    static DefaultSettings settings;
    return settings;
}

} // namespace AppUtils
