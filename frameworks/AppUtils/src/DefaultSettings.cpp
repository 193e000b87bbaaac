#include "AppUtils/DefaultSettings.h"

#include "SettingsFileGuard.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>

#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace AppUtils {

using namespace SettingsFileGuard;

namespace {

// A saved text must read back: QSettings writes a character in at most four bytes (UTF-8, or a
// \x escape), and the file's guard refuses a value over 16 KiB.
constexpr qsizetype MAX_TEXT_LENGTH = 4000;

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
    if (!screened(path))
        return std::nullopt;
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

// Whether the file may be written now; says on stderr why not.
bool writable(const QString &path)
{
    if (const std::optional<QString> why = writeBlocked(path)) {
        warnOnce(u"cannot save the settings: "_s + *why);
        return false;
    }
    return screened(path);
}

// Applies change and writes the file; true when it is on disk as this process sees it.
// A QSettings keeps the first problem it meets and reads sections only when it needs them, so
// a format error met while writing would hide a failed write. A first handle therefore reads
// the whole file and keeps any format error to itself; while it lives, a second handle shares
// what it read without reading again, and its status tells about the write alone.
// QSettings writes through QSaveFile. Nothing is handed to QSettings before the checks pass:
// a change it holds is written when the handle goes, waiting on the lock as long as it takes.
template <typename Change>
bool writeSettings(const QString &path, Change change)
{
    if (!writable(path))
        return false;
    const QSettings reader = openSettings(path);
    if (reader.status() == QSettings::AccessError)
        return false; // unreadable: a write would keep only the keys of this process
    reader.allKeys(); // parses every section now
    QSettings writer = openSettings(path);
    change(writer);
    writer.sync();
    return writer.status() == QSettings::NoError;
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
    return fallback;
}

qint64 DefaultSettings::loadInteger(QAnyStringView key, qint64 fallback) const
{
    const std::optional<QString> text = storedText(m_path, key);
    bool ok = false;
    const qint64 value = text ? text->toLongLong(&ok, 10) : 0; // out of range: not ok
    return ok ? value : fallback;
}

double DefaultSettings::loadDouble(QAnyStringView key, double fallback) const
{
    const std::optional<QString> text = storedText(m_path, key);
    bool ok = false;
    const double value = text ? text->toDouble(&ok) : 0.0; // C locale, whatever the user's
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

bool DefaultSettings::mayWrite()
{
    return writable(m_path);
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
