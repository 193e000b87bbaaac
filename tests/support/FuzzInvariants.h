#pragma once

#include "preferences/FieldValidation.h"

#include <AppUtils/DefaultSettings.h>
#include <AppUtils/RtfReader.h>
#include <Platform/TextField.h>
#include <SparklePreferences/Appcast.h>
#include <SparklePreferences/Version.h>

#include <QByteArrayView>
#include <QFile>
#include <QLineEdit>
#include <QList>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

// What must hold, whatever the input, for the readers of text that comes from outside the
// program: the donation message (RTF), what a person types into a numeric field, the release
// feed and the settings file. Each check returns what it found broken, or an empty string.
// The fuzz targets in bench/fuzz abort on a finding; tst_fuzzcorpus replays their corpus
// through the same checks in every build.
namespace FuzzInvariants {

using namespace Qt::StringLiterals;

// RtfReader::read: runs as its header promises, and never more characters than input bytes
// (work and memory stay linear).
inline QString checkRtf(QByteArrayView input)
{
    const QList<AppUtils::RtfRun> runs = AppUtils::RtfReader::read(input);
    qsizetype characters = 0;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        const AppUtils::RtfRun &run = runs[i];
        if (run.text.isEmpty())
            return u"run %1 is empty"_s.arg(i);
        if (i > 0 && runs[i - 1].bold == run.bold && runs[i - 1].italic == run.italic
            && runs[i - 1].link == run.link)
            return u"runs %1 and %2 look the same"_s.arg(i - 1).arg(i);
        const QString &text = run.text;
        for (qsizetype j = 0; j < text.size(); ++j) {
            if (text[j].category() == QChar::Other_Control && text[j] != u'\t')
                return u"run %1 holds control character U+%2"_s.arg(i).arg(uint(text[j].unicode()), 4, 16, QLatin1Char('0'));
            const bool paired = text[j].isHighSurrogate()
                ? j + 1 < text.size() && text[j + 1].isLowSurrogate()
                : !text[j].isLowSurrogate() || (j > 0 && text[j - 1].isHighSurrogate());
            if (!paired)
                return u"run %1 holds a lone surrogate at %2"_s.arg(i).arg(j);
        }
        characters += text.size();
    }
    if (!runs.isEmpty()) {
        const QChar last = runs.last().text.back();
        if (last == QChar::ParagraphSeparator || last == QChar::LineSeparator)
            return u"the text ends with a break"_s;
    }
    if (characters > input.size())
        return u"%1 characters from %2 bytes"_s.arg(characters).arg(input.size());
    return {};
}

// The numeric fields: reading any text gives a finite number; an entry the validators accept
// is the number the program then uses; what the program writes into a field reads back as the
// same number and passes the validators. field: any line edit, reused between calls.
inline QString checkFieldEntry(QByteArrayView input, QLineEdit &field)
{
    using namespace Platform::TextField;
    constexpr double widest = std::numeric_limits<double>::max();
    constexpr qint64 lowest = std::numeric_limits<qint64>::min();
    constexpr qint64 highest = std::numeric_limits<qint64>::max();

    field.setText(QString::fromUtf8(input));
    const QString typed = field.text();
    const double number = doubleValue(field);
    const qint64 integer = integerValue(field);
    if (!std::isfinite(number))
        return u"\"%1\" reads as %2"_s.arg(typed).arg(number);
    if (isValidDoubleEntry(typed, -widest, widest) && !isValidDoubleEntry(typed, number, number))
        return u"accepted \"%1\" reads as %2"_s.arg(typed).arg(number, 0, 'g', 17);
    if (isValidIntegerEntry(typed, lowest, highest)) {
        if (!isValidIntegerEntry(typed, integer, integer))
            return u"accepted integer \"%1\" reads as %2"_s.arg(typed).arg(integer);
        if (!isValidDoubleEntry(typed, -widest, widest))
            return u"integer \"%1\" is refused as a decimal"_s.arg(typed);
    }

    // The numbers read, and the input's first bytes taken as a double and as an integer, so
    // that every bit pattern (subnormals, NaN, the extremes) gets written.
    QList<double> doubles{number};
    QList<qint64> integers{integer};
    if (input.size() >= 8) {
        double bits = 0;
        std::memcpy(&bits, input.data(), sizeof bits);
        doubles.append(bits);
        qint64 whole = 0;
        std::memcpy(&whole, input.data(), sizeof whole);
        integers.append(whole);
    }
    for (const double value : std::as_const(doubles)) {
        setDoubleValue(field, value);
        const double back = doubleValue(field);
        if (std::isfinite(value) ? back != value || !isValidDoubleEntry(field.text(), value, value) : back != 0)
            return u"%1 written as \"%2\" reads back as %3"_s.arg(value, 0, 'g', 17).arg(field.text()).arg(back, 0, 'g', 17);
    }
    for (const qint64 value : std::as_const(integers)) {
        setIntegerValue(field, value);
        if (integerValue(field) != value || !isValidIntegerEntry(field.text(), value, value))
            return u"%1 written as \"%2\" reads back as %3"_s.arg(value).arg(field.text()).arg(integerValue(field));
    }
    return {};
}

// compareVersions is a weak order on these texts: reflexive, antisymmetric, transitive, and
// equal versions compare alike with every other.
inline QString checkVersionOrder(const QStringList &versions)
{
    using SparklePreferences::compareVersions;
    for (const QString &a : versions) {
        if (compareVersions(a, a) != 0)
            return u"\"%1\" differs from itself"_s.arg(a);
        for (const QString &b : versions) {
            const std::weak_ordering ab = compareVersions(a, b);
            if (ab != (0 <=> compareVersions(b, a)))
                return u"\"%1\" and \"%2\" are not antisymmetric"_s.arg(a, b);
            for (const QString &c : versions) {
                const std::weak_ordering ac = compareVersions(a, c);
                if (ab <= 0 && compareVersions(b, c) <= 0 && ac > 0)
                    return u"\"%1\" <= \"%2\" <= \"%3\" but not \"%1\" <= \"%3\""_s.arg(a, b, c);
                if (ab == 0 && ac != compareVersions(b, c))
                    return u"equal \"%1\" and \"%2\" compare differently with \"%3\""_s.arg(a, b, c);
            }
        }
    }
    return {};
}

// parseAppcast: releases as its header promises, the newest the first of the highest; and the
// versions found, with the input's first lines taken as version texts, are ordered soundly.
inline QString checkAppcast(QByteArrayView input)
{
    using namespace SparklePreferences;
    const QByteArray xml = input.toByteArray();
    QStringList versions;
    if (const std::optional<QList<Release>> releases = parseAppcast(xml)) {
        for (const Release &release : *releases) {
            if (release.version.isEmpty())
                return u"a release without a version"_s;
            for (const QUrl &url : {release.notesLink, release.download}) {
                const bool web = url.scheme() == "https"_L1 || url.scheme() == "http"_L1;
                if (!url.isEmpty() && (!url.isValid() || !web || url.host().isEmpty()))
                    return u"link \"%1\" is not a web address"_s.arg(url.toString());
            }
            if (versions.size() < 4)
                versions.append(release.version);
        }
        const std::optional<Release> newest = newestRelease(*releases);
        if (newest.has_value() == releases->isEmpty())
            return u"newest of %1 releases: %2"_s.arg(releases->size()).arg(newest ? u"one"_s : u"none"_s);
        for (const Release &release : *releases) {
            const std::weak_ordering order = compareVersions(release.version, newest->version);
            if (order > 0)
                return u"\"%1\" is newer than the newest, \"%2\""_s.arg(release.version, newest->version);
            if (order == 0) {
                if (!(release == *newest))
                    return u"the newest is not the first of the versions equal to \"%1\""_s.arg(newest->version);
                break;
            }
        }
    }
    for (const QByteArray &line : xml.split('\n')) {
        if (versions.size() >= 6)
            break;
        versions.append(QString::fromUtf8(line.left(64)));   // the order's cost is cubic in this
    }
    return checkVersionOrder(versions);
}

// The keys the program keeps in its settings file.
inline const QStringList &settingsKeys()
{
    static const QStringList keys{
        u"PREFS_LaunchAtLogin"_s, u"PREFS_location_decimal"_s, u"PREFS_latitude"_s,
        u"PREFS_longitude"_s, u"PREFS_serverIP"_s, u"PREFS_serverPort"_s,
        u"Prefs_LocationSource"_s, u"APP_Horavane"_s, u"APP_AnalogClock"_s,
        u"Donation/hideAtLaunch"_s, u"SoftwareUpdate/AutomaticChecks"_s,
        u"SoftwareUpdate/Interval"_s, u"SoftwareUpdate/LastCheck"_s};
    return keys;
}

// What each typed load makes of one key; none where it gives the caller's fallback.
struct StoredValue
{
    std::optional<bool> boolean;
    std::optional<qint64> integer;
    std::optional<double> number;
    std::optional<QString> text;

    friend bool operator==(const StoredValue &, const StoredValue &) = default;
};

// Two different fallbacks tell a stored value from a fallback.
inline StoredValue storedValue(const AppUtils::DefaultSettings &store, const QString &key)
{
    StoredValue value;
    if (const bool b = store.loadBool(key, false); b == store.loadBool(key, true))
        value.boolean = b;
    if (const qint64 i = store.loadInteger(key, 0); i == store.loadInteger(key, 1))
        value.integer = i;
    if (const double d = store.loadDouble(key, 0.5); d == store.loadDouble(key, 1.5))
        value.number = d;
    if (const QString s = store.loadString(key, u"a"_s); s == store.loadString(key, u"b"_s))
        value.text = s;
    return value;
}

inline QString describe(const StoredValue &value)
{
    const auto part = [](const auto &load, auto show) -> QString {
        return load ? show(*load) : u"-"_s;
    };
    return u"bool %1, integer %2, double %3, text %4"_s.arg(
        part(value.boolean, [](bool b) { return b ? u"true"_s : u"false"_s; }),
        part(value.integer, [](qint64 i) { return QString::number(i); }),
        part(value.number, [](double d) { return QString::number(d, 'g', 17); }),
        part(value.text, [](const QString &t) -> QString { return u'"' + t + u'"'; }));
}

inline QList<StoredValue> storedValues(const AppUtils::DefaultSettings &store)
{
    QList<StoredValue> values;
    for (const QString &key : settingsKeys())
        values.append(storedValue(store, key));
    return values;
}

// DefaultSettings on a file of any content: loads give finite numbers; a save succeeds, reads
// back, keeps every other key as it read before, and leaves a file that parses cleanly.
// folder: a writable folder for scratch files, removed again before the check returns.
inline QString checkSettingsFile(QByteArrayView input, const QString &folder)
{
    static int serial = 0;
    const QString path = folder + u"/settings-%1.conf"_s.arg(++serial);
    const QString copyPath = path + u".copy"_s;
    struct Cleanup {
        QStringList paths;
        ~Cleanup() { for (const QString &p : std::as_const(paths)) QFile::remove(p); }
    } cleanup{{path, copyPath, path + u".lock"_s}};
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(input.data(), input.size()) != input.size())
            return u"cannot write the scratch file %1"_s.arg(path);
    }

    // Keys under a section with an empty name ("[]") read as "/key"; QSettings writes them
    // back under [General], where they read as "key". A quirk of its format on hand-made files,
    // left out here so that the fuzzer looks further.
    const QStringList keys = QSettings(path, QSettings::IniFormat).allKeys();
    if (std::any_of(keys.begin(), keys.end(), [](const QString &key) { return key.startsWith(u'/'); }))
        return {};

    AppUtils::DefaultSettings store(path);
    const QList<StoredValue> before = storedValues(store);
    for (qsizetype k = 0; k < before.size(); ++k) {
        if (before[k].number && !std::isfinite(*before[k].number))
            return u"%1 loads as %2"_s.arg(settingsKeys()[k]).arg(*before[k].number);
    }

    // One save, of a key and a type the input picks: the value read, or a new one.
    const auto pick = input.isEmpty() ? 0u : uchar(input.back());
    const qsizetype saved = qsizetype(pick % uint(settingsKeys().size()));
    const QString &key = settingsKeys()[saved];
    const StoredValue &old = before[saved];
    StoredValue written;
    bool landed = false;
    switch (pick / settingsKeys().size() % 4) {
    case 0:
        written.boolean = !old.boolean.value_or(false);
        landed = store.saveBool(key, *written.boolean);
        break;
    case 1:
        written.integer = old.integer.value_or(std::numeric_limits<qint64>::min());
        landed = store.saveInteger(key, *written.integer);
        break;
    case 2:
        written.number = old.number ? -*old.number : 5e-324;
        landed = store.saveDouble(key, *written.number);
        break;
    default:
        written.text = old.text.value_or(u"@ \"a\", b;\\ ="_s);
        landed = store.saveString(key, *written.text);
        break;
    }
    if (!landed)
        return u"saving %1 into a readable, writable file failed"_s.arg(key);

    // What this process sees, then what a later run reads from the disk.
    if (!QFile::copy(path, copyPath))
        return u"the saved file is gone"_s;
    if (QSettings(copyPath, QSettings::IniFormat).status() != QSettings::NoError)
        return u"the saved file does not parse cleanly"_s;
    const AppUtils::DefaultSettings reread(copyPath);
    for (const AppUtils::DefaultSettings *view : {static_cast<const AppUtils::DefaultSettings *>(&store), &reread}) {
        const QString where = view == &store ? u"after the save"_s : u"after a restart"_s;
        const QList<StoredValue> after = storedValues(*view);
        for (qsizetype k = 0; k < after.size(); ++k) {
            if (k != saved && !(after[k] == before[k]))
                return u"%1 changed when %2 was saved, %3: from %4 to %5"_s.arg(
                    settingsKeys()[k], key, where, describe(before[k]), describe(after[k]));
        }
        const StoredValue &now = after[saved];
        if ((written.boolean && now.boolean != written.boolean) || (written.integer && now.integer != written.integer)
            || (written.number && now.number != written.number) || (written.text && now.text != written.text))
            return u"%1 does not read back as saved, %2: %3 instead of %4"_s.arg(
                key, where, describe(now), describe(written));
    }
    return {};
}

} // namespace FuzzInvariants
