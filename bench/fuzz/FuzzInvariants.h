#pragma once

#include "engine/GpsdReport.h"
#include "preferences/FieldValidation.h"

#include <AppUtils/DefaultSettings.h>
#include <AppUtils/RtfReader.h>
#include <Platform/TextField.h>
#include <SparklePreferences/Appcast.h>
#include <SparklePreferences/Version.h>
#include <timescales/EarthOrientation.h>
#include <timescales/LeapSeconds.h>

#include <QByteArrayView>
#include <QFile>
#include <QLineEdit>
#include <QList>
#include <QScopeGuard>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <variant>

// What must hold, whatever the input, for the readers of text from outside the program. Each
// check returns what it found broken, or an empty string. The fuzz targets in bench/fuzz abort
// on a finding, and replay the committed corpus through the same checks before fuzzing.
namespace FuzzInvariants {

using namespace Qt::StringLiterals;

// RtfReader::read: non-empty runs that each differ from the one before, no control characters
// or lone surrogates, no trailing break, and never more characters than input bytes.
inline QString checkRtf(QByteArrayView input)
{
    const QList<AppUtils::RtfRun> runs = AppUtils::RtfReader::read(input);
    qsizetype characters = 0;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        const QString &text = runs[i].text;
        if (text.isEmpty())
            return u"run %1 is empty"_s.arg(i);
        const AppUtils::RtfRun &prev = runs[std::max<qsizetype>(i - 1, 0)];
        if (i > 0 && prev.bold == runs[i].bold && prev.italic == runs[i].italic && prev.link == runs[i].link)
            return u"runs %1 and %2 look the same"_s.arg(i - 1).arg(i);
        for (qsizetype j = 0; j < text.size(); ++j) {
            if (text[j].category() == QChar::Other_Control && text[j] != u'\t')
                return u"run %1 holds control character U+%2"_s.arg(i).arg(
                    uint(text[j].unicode()), 4, 16, QLatin1Char('0'));
            const bool paired = text[j].isHighSurrogate()
                ? j + 1 < text.size() && text[j + 1].isLowSurrogate()
                : !text[j].isLowSurrogate() || (j > 0 && text[j - 1].isHighSurrogate());
            if (!paired)
                return u"run %1 holds a lone surrogate at %2"_s.arg(i).arg(j);
        }
        characters += text.size();
    }
    if (!runs.isEmpty()
        && (runs.last().text.back() == QChar::ParagraphSeparator || runs.last().text.back() == QChar::LineSeparator))
        return u"the text ends with a break"_s;
    if (characters > input.size())
        return u"%1 characters from %2 bytes"_s.arg(characters).arg(input.size());
    return {};
}

// The numeric fields: any text reads as a finite number; an accepted entry is the number then
// used; what the program writes into a field reads back exactly and passes the validators.
// field: any line edit, reused between calls.
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
    if (doubleEntry(typed, -widest, widest).has_value() && !doubleEntry(typed, number, number).has_value())
        return u"accepted \"%1\" reads as %2"_s.arg(typed).arg(number, 0, 'g', 17);
    if (isValidIntegerEntry(typed, lowest, highest)
        && (!isValidIntegerEntry(typed, integer, integer) || !doubleEntry(typed, -widest, widest).has_value()))
        return u"accepted integer \"%1\" reads as %2 or is refused as a decimal"_s.arg(typed).arg(integer);

    // The input's first bytes as a double and an integer, so that every bit pattern gets written.
    QList<double> doubles{number};
    QList<qint64> integers{integer};
    if (input.size() >= 8) {
        doubles.append(0);
        integers.append(0);
        std::memcpy(&doubles.last(), input.data(), sizeof(double));
        std::memcpy(&integers.last(), input.data(), sizeof(qint64));
    }
    for (const double value : std::as_const(doubles)) {
        setDoubleValue(field, value);
        const double back = doubleValue(field);
        if (std::isfinite(value) ? back != value || !doubleEntry(field.text(), value, value).has_value() : back != 0)
            return u"%1 written as \"%2\" reads back as %3"_s.arg(value, 0, 'g', 17)
                .arg(field.text())
                .arg(back, 0, 'g', 17);
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
                if ((ab <= 0 && compareVersions(b, c) <= 0 && ac > 0) || (ab == 0 && ac != compareVersions(b, c)))
                    return u"\"%1\", \"%2\" and \"%3\" are not ordered soundly"_s.arg(a, b, c);
            }
        }
    }
    return {};
}

// parseAppcast: releases with a version and web links only, the newest the first of the
// highest; the versions found, and the input's first lines as version texts, ordered soundly.
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
            if (order > 0 || (order == 0 && !(release == *newest)))
                return u"\"%1\" is newer than, or equal to and before, the newest \"%2\""_s.arg(
                    release.version, newest->version);
            if (order == 0)
                break;
        }
    }
    for (const QByteArray &line : xml.split('\n')) {
        if (versions.size() >= 6)
            break;
        versions.append(QString::fromUtf8(line.left(64))); // the order's cost is cubic in this
    }
    return checkVersionOrder(versions);
}

// LeapSecondList::parse: a list it accepts starts at 10 s on 1972-01-01, has strictly
// increasing entries at 0h on the 1st of a month with steps of ±1 s, and valid dates with the
// expiry after the update; a refusal is one non-empty line.
inline QString checkLeapSeconds(QByteArrayView input)
{
    const std::variant<LeapSecondList, QString> result = LeapSecondList::parse(input);
    if (const QString *reason = std::get_if<QString>(&result))
        return reason->isEmpty() || reason->contains(u'\n') ? u"refused with \"%1\""_s.arg(*reason) : QString();
    const LeapSecondList &list = std::get<LeapSecondList>(result);
    const std::vector<LeapSecondEntry> &entries = list.entries();
    if (entries.empty() || entries.front().ntpSeconds != 2272060800 || entries.front().taiMinusUtc != 10)
        return u"accepted a list that does not start at 10 s on 1972-01-01"_s;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QDateTime at = QDateTime::fromSecsSinceEpoch(entries[i].ntpSeconds - 2208988800, Qt::UTC);
        if (at.date().day() != 1 || at.time() != QTime(0, 0))
            return u"entry %1 is at %2"_s.arg(i).arg(at.toString(Qt::ISODate));
        if (i > 0 && entries[i].ntpSeconds <= entries[i - 1].ntpSeconds)
            return u"entry %1 is not after the one before"_s.arg(i);
        if (i > 0 && std::abs(entries[i].taiMinusUtc - entries[i - 1].taiMinusUtc) != 1)
            return u"entry %1 steps by %2 s"_s.arg(i).arg(entries[i].taiMinusUtc - entries[i - 1].taiMinusUtc);
    }
    if (!list.updated().isValid() || !list.expires().isValid() || list.expires() <= list.updated())
        return u"updated %1, expires %2"_s.arg(
            list.updated().toString(Qt::ISODate), list.expires().toString(Qt::ISODate));
    return {};
}

// EarthOrientation::parse: a refusal is one line; a table has rows of consecutive days within
// ±0.9 s, at() gives each row at its midnight, stays within a second of the rows between them
// (a leap second's step taken out) and is finite, with a finite accuracy, past them.
inline QString checkEarthOrientation(QByteArrayView input)
{
    const auto parsed = EarthOrientation::parse(input);
    if (const QString *reason = std::get_if<QString>(&parsed))
        return reason->isEmpty() || reason->contains(u'\n') ? u"refused with \"%1\""_s.arg(*reason) : QString();
    const EarthOrientation &table = std::get<EarthOrientation>(parsed);
    const std::vector<EarthOrientationRow> &rows = table.rows();
    if (rows.empty())
        return u"a table without rows"_s;
    if (table.at(rows.front().mjd - 0.5))
        return u"a value before MJD %1, the first row"_s.arg(rows.front().mjd);
    const std::size_t every = std::max<std::size_t>(1, rows.size() / 64); // at() on some rows only
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0 && rows[i].mjd != rows[i - 1].mjd + 1)
            return u"MJD %1 follows MJD %2"_s.arg(rows[i].mjd).arg(rows[i - 1].mjd);
        if (!(std::abs(rows[i].ut1MinusUtc) <= 0.9))
            return u"UT1 − UTC of %1 at MJD %2"_s.arg(rows[i].ut1MinusUtc).arg(rows[i].mjd);
        if (i % every != 0 && i + 1 != rows.size())
            continue;
        const std::optional<Ut1Estimate> atRow = table.at(rows[i].mjd);
        if (!atRow || atRow->seconds != rows[i].ut1MinusUtc)
            return u"at(%1) is not its row"_s.arg(rows[i].mjd);
        const std::optional<Ut1Estimate> within = table.at(rows[i].mjd + 0.5);
        if (!within || !(std::abs(within->seconds) <= 1.0))
            return u"at(%1.5) is %2"_s.arg(rows[i].mjd).arg(within ? within->seconds : 0.0);
    }
    for (const double days : {0.5, 30.0, 31.0, 365.5, 1e6, 1e300}) {
        const std::optional<Ut1Estimate> past = table.at(rows.back().mjd + days);
        if (!past || !std::isfinite(past->seconds)
            || (past->accuracy && !(*past->accuracy >= 0 && std::isfinite(*past->accuracy))))
            return u"no finite value %1 days past the table"_s.arg(days);
        if (days > 31 && !table.extrapolation() && past->quality != Ut1Quality::stale)
            return u"%1 days past the table is not stale"_s.arg(days);
    }
    return {};
}

// readGpsdLine: a fix is of mode 0 to 3, on Earth (finite, within ±90° and ±180°) from mode 2
// on, with a finite altitude if any; satellites used are at most those seen; an offset is finite.
inline QString checkGpsdLine(QByteArrayView input)
{
    const GpsdReport report = readGpsdLine(input);
    if (const auto *fix = std::get_if<GpsdFix>(&report)) {
        if (fix->mode < 0 || fix->mode > 3)
            return u"a fix of mode %1"_s.arg(fix->mode);
        if (fix->mode >= 2 && !(std::abs(fix->latitude) <= 90 && std::abs(fix->longitude) <= 180))
            return u"a fix at %1, %2"_s.arg(fix->latitude).arg(fix->longitude);
        if (fix->altitude && !std::isfinite(*fix->altitude))
            return u"an altitude of %1"_s.arg(*fix->altitude);
    } else if (const auto *sky = std::get_if<GpsdSatellites>(&report)) {
        if (sky->used < 0 || sky->used > sky->seen)
            return u"%1 of %2 satellites used"_s.arg(sky->used).arg(sky->seen);
    } else if (const auto *offset = std::get_if<GpsdTimeOffset>(&report)) {
        if (!std::isfinite(offset->seconds))
            return u"an offset of %1 s"_s.arg(offset->seconds);
    }
    return {};
}

inline QString shown(bool b)
{
    return b ? u"true"_s : u"false"_s;
}
inline QString shown(qint64 i)
{
    return QString::number(i);
}
// With the sign of zero, which QString::number drops.
inline QString shown(double d)
{
    return (std::signbit(d) ? u"-"_s : QString()) + QString::number(std::fabs(d), 'g', 17);
}
inline QString shown(const QString &t)
{
    return u'"' + t + u'"';
}

// What the bool, integer, double and text loads make of key; "-" where a load gives its
// fallback, which shows as two different fallbacks giving different results.
using Loads = std::array<QString, 4>;
inline Loads loads(const AppUtils::DefaultSettings &store, const QString &key)
{
    const auto either = [](auto a, auto b) { return a == b ? shown(a) : u"-"_s; };
    return {either(store.loadBool(key, false), store.loadBool(key, true)),
        either(store.loadInteger(key, 0), store.loadInteger(key, 1)),
        either(store.loadDouble(key, 0.5), store.loadDouble(key, 1.5)),
        either(store.loadString(key, u"a"_s), store.loadString(key, u"b"_s))};
}

// DefaultSettings on a file of any content: loads give finite numbers; a save of a key and type
// the input picks (the value read, or a new one) succeeds, reads back, keeps every other key as
// it read before, and leaves a file that parses cleanly. A text too long to save is refused.
// folder: a writable folder for scratch files, removed again before the check returns.
inline QString checkSettingsFile(QByteArrayView input, const QString &folder)
{
    static const QStringList keys{u"PREFS_LaunchAtLogin"_s, u"PREFS_location_decimal"_s, u"PREFS_latitude"_s,
        u"PREFS_longitude"_s, u"PREFS_serverIP"_s, u"PREFS_serverPort"_s, u"Prefs_LocationSource"_s, u"PREFS_lst_24hours"_s, u"APP_Horavane"_s,
        u"APP_AnalogClock"_s, u"Donation/hideAtLaunch"_s, u"SoftwareUpdate/AutomaticChecks"_s,
        u"SoftwareUpdate/Interval"_s, u"SoftwareUpdate/LastCheck"_s};
    static int serial = 0;
    const QString path = folder + u"/settings-%1.conf"_s.arg(++serial);
    const QString copyPath = path + u".copy"_s;
    const auto cleanup = qScopeGuard([&] {
        for (const QString &p : {path, copyPath})
            QFile::remove(p);
    });
    if (QFile file(path); !file.open(QIODevice::WriteOnly) || file.write(input.data(), input.size()) != input.size())
        return u"cannot write the scratch file %1"_s.arg(path);

    AppUtils::DefaultSettings store(path); // first: it drops what would crash QSettings
    // Keys under a section without a name read as "/key"; QSettings writes them back under
    // [General], where they read as "key": a quirk of its format on hand-made files.
    const QStringList all = QSettings(path, QSettings::IniFormat).allKeys();
    if (std::any_of(all.begin(), all.end(), [](const QString &key) { return key.startsWith(u'/'); }))
        return {};
    QList<Loads> before;
    for (const QString &key : keys) {
        if (!std::isfinite(store.loadDouble(key, 0)))
            return u"%1 loads as %2"_s.arg(key).arg(store.loadDouble(key, 0));
        before.append(loads(store, key));
    }

    const uint pick = input.isEmpty() ? 0u : uchar(input.back());
    const qsizetype saved = qsizetype(pick % uint(keys.size()));
    const QString &key = keys[saved];
    const std::size_t type = pick / uint(keys.size()) % 4;
    const bool fresh = before[saved][type] == "-"_L1;
    const auto save = [&](auto value, auto saver) { return std::pair((store.*saver)(key, value), shown(value)); };
    const QString text = fresh ? u"@ \"a\", b;\\ ="_s : store.loadString(key, {});
    const auto [landed, written] = type == 0
        ? save(before[saved][0] != shown(true), &AppUtils::DefaultSettings::saveBool)
        : type == 1 ? save(fresh ? std::numeric_limits<qint64>::min() : store.loadInteger(key, 0),
              &AppUtils::DefaultSettings::saveInteger)
        : type == 2 ? save(fresh ? 5e-324 : -store.loadDouble(key, 0), &AppUtils::DefaultSettings::saveDouble)
                    : save(text, &AppUtils::DefaultSettings::saveString);
    if (type == 3 && text.size() > 4000)
        return landed ? u"%1 characters saved under %2, more than a setting may hold"_s.arg(text.size()).arg(key)
                      : QString();
    if (!landed)
        return u"saving %1 into a readable, writable file failed"_s.arg(key);

    // What this process sees, then what a later run reads from the disk.
    if (!QFile::copy(path, copyPath))
        return u"the saved file is gone"_s;
    if (QSettings(copyPath, QSettings::IniFormat).status() != QSettings::NoError)
        return u"the saved file does not parse cleanly"_s;
    const AppUtils::DefaultSettings reread(copyPath);
    for (const AppUtils::DefaultSettings *view : {&std::as_const(store), &reread}) {
        for (qsizetype k = 0; k < keys.size(); ++k) {
            const Loads after = loads(*view, keys[k]);
            if (k == saved ? after[type] != written : after != before[k])
                return u"%1 (saved: %2) reads %3 after the save%4"_s.arg(keys[k], key,
                    QStringList(after.begin(), after.end()).join(u' '),
                    view == &reread ? u" and a restart"_s : QString());
        }
    }
    return {};
}

} // namespace FuzzInvariants
