#include "LeapSeconds.h"

#include <AppUtils/Sidereal.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDate>

#include <erfa.h>
#include <erfaextra.h>

#include <cstdlib>

namespace {

constexpr qint64 secondsPerDay = 86400;
constexpr qint64 ntpEpochToUnix = 2208988800; // 1900-01-01 to 1970-01-01, no leap seconds in between
constexpr qint64 unixEpochJulianDay = 2440588; // the Julian day number of 1970-01-01
constexpr qint64 firstEntryNtp = 2272060800; // 1972-01-01, when whole leap seconds began
constexpr int firstTaiMinusUtc = 10;
constexpr int firstUtcYear = 1960; // ERFA answers 0 for earlier years with only a warning

// Twelve digits reach past the year 30000 and keep every sum below qint64's range.
constexpr qsizetype maximumDigits = 12;

QString refusal(const char *reason)
{
    return QCoreApplication::translate("LeapSeconds", reason);
}

QString refusalAt(const char *reason, int line)
{
    return refusal(reason).arg(line);
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

// The whitespace-separated words of a line; at most maximumWords + 1, which is enough to refuse.
std::vector<QByteArrayView> wordsOf(QByteArrayView line, std::size_t maximumWords)
{
    std::vector<QByteArrayView> words;
    qsizetype i = 0;
    while (i < line.size() && words.size() <= maximumWords) {
        while (i < line.size() && isSpace(line[i]))
            ++i;
        const qsizetype start = i;
        while (i < line.size() && !isSpace(line[i]))
            ++i;
        if (i > start)
            words.push_back(line.sliced(start, i - start));
    }
    return words;
}

// A plain decimal count, no sign.
std::optional<qint64> numberOf(QByteArrayView word)
{
    if (word.isEmpty() || word.size() > maximumDigits)
        return std::nullopt;
    qint64 value = 0;
    for (const char c : word) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The five words of a "#h" line as 40 lower-case hex digits. Some published copies drop the
// leading zeros of a word, so shorter words are padded back to eight digits.
std::optional<QByteArray> hashOf(QByteArrayView rest)
{
    const std::vector<QByteArrayView> words = wordsOf(rest, 5);
    if (words.size() != 5)
        return std::nullopt;
    QByteArray hex;
    for (const QByteArrayView word : words) {
        if (word.size() > 8)
            return std::nullopt;
        hex.append(8 - word.size(), '0');
        for (const char c : word) {
            const char lower = c >= 'A' && c <= 'F' ? static_cast<char>(c - 'A' + 'a') : c;
            if (!((lower >= '0' && lower <= '9') || (lower >= 'a' && lower <= 'f')))
                return std::nullopt;
            hex.append(lower);
        }
    }
    return hex;
}

// The UTC calendar date an NTP count falls on, and whether it is that day's midnight.
QDate utcDate(qint64 ntpSeconds, bool *midnight)
{
    const qint64 unixSeconds = ntpSeconds - ntpEpochToUnix;
    qint64 days = unixSeconds / secondsPerDay;
    qint64 second = unixSeconds % secondsPerDay;
    if (second < 0) { // before 1970: floor, not truncation
        second += secondsPerDay;
        --days;
    }
    *midnight = second == 0;
    return QDate::fromJulianDay(unixEpochJulianDay + days);
}

QDateTime utcDateTime(qint64 ntpSeconds)
{
    return QDateTime::fromSecsSinceEpoch(ntpSeconds - ntpEpochToUnix, Qt::UTC);
}

// ERFA keeps a pointer to the table it is given, so the rows must outlive every later eraDat
// call, including any made while static objects are destroyed: they are never freed.
std::vector<eraLEAPSECOND> &installedRows()
{
    static auto *rows = new std::vector<eraLEAPSECOND>;
    return *rows;
}

int monthIndex(int year, int month)
{
    return 12 * year + month;
}

} // namespace

std::variant<LeapSecondList, QString> LeapSecondList::parse(QByteArrayView text)
{
    if (text.size() > maximumSize)
        return refusal(QT_TRANSLATE_NOOP("LeapSeconds", "larger than 256 KiB"));

    LeapSecondList list;
    std::optional<qint64> updated, expires;
    std::optional<QByteArray> statedHash;
    QCryptographicHash hash(QCryptographicHash::Sha1);
    int lineNumber = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        const QByteArrayView line = text.sliced(start, end - start);
        start = end + 1;
        ++lineNumber;
        const auto garbage
            = [lineNumber] { return refusalAt(QT_TRANSLATE_NOOP("LeapSeconds", "garbage at line %1"), lineNumber); };

        if (line.startsWith("#$") || line.startsWith("#@")) {
            std::optional<qint64> &field = line[1] == '$' ? updated : expires;
            const std::vector<QByteArrayView> words = wordsOf(line.sliced(2), 1);
            if (field || words.size() != 1 || !(field = numberOf(words[0])))
                return garbage();
            hash.addData(words[0]);
            continue;
        }
        if (line.startsWith("#h")) {
            if (statedHash || !(statedHash = hashOf(line.sliced(2))))
                return garbage();
            continue;
        }
        if (line.startsWith('#'))
            continue; // a comment

        const qsizetype comment = line.indexOf('#');
        const std::vector<QByteArrayView> words = wordsOf(comment < 0 ? line : line.first(comment), 2);
        if (words.empty())
            continue; // blank, or a comment after spaces
        const std::optional<qint64> ntp = words.size() == 2 ? numberOf(words[0]) : std::nullopt;
        const std::optional<qint64> offset = words.size() == 2 ? numberOf(words[1]) : std::nullopt;
        if (!ntp || !offset || *offset > 9999)
            return garbage();
        const LeapSecondEntry entry{*ntp, static_cast<int>(*offset)};
        if (list.m_entries.empty()) {
            if (entry.ntpSeconds != firstEntryNtp || entry.taiMinusUtc != firstTaiMinusUtc)
                return refusalAt(QT_TRANSLATE_NOOP("LeapSeconds",
                                     "the first entry, at line %1, is not TAI − UTC = 10 s from 1 January 1972"),
                    lineNumber);
        } else {
            const LeapSecondEntry &previous = list.m_entries.back();
            if (entry.ntpSeconds <= previous.ntpSeconds)
                return refusalAt(QT_TRANSLATE_NOOP("LeapSeconds", "entries out of order at line %1"), lineNumber);
            if (std::abs(entry.taiMinusUtc - previous.taiMinusUtc) != 1)
                return refusalAt(
                    QT_TRANSLATE_NOOP("LeapSeconds", "a step other than one second at line %1"), lineNumber);
        }
        // ERFA's table, which the entries go into, can only start a value on the 1st of a month.
        bool midnight = false;
        if (utcDate(entry.ntpSeconds, &midnight).day() != 1 || !midnight)
            return refusalAt(
                QT_TRANSLATE_NOOP("LeapSeconds", "an entry not at the start of a month at line %1"), lineNumber);
        hash.addData(words[0]);
        hash.addData(words[1]);
        list.m_entries.push_back(entry);
    }

    if (list.m_entries.empty())
        return refusal(QT_TRANSLATE_NOOP("LeapSeconds", "not a leap-second list"));
    if (!updated)
        return refusal(QT_TRANSLATE_NOOP("LeapSeconds", "it has no date of last update"));
    if (!expires)
        return refusal(QT_TRANSLATE_NOOP("LeapSeconds", "it has no expiry date"));
    if (*expires <= *updated)
        return refusal(QT_TRANSLATE_NOOP("LeapSeconds", "it expires before its last update"));
    if (!statedHash)
        return refusal(QT_TRANSLATE_NOOP("LeapSeconds", "it has no hash"));
    if (hash.result().toHex() != *statedHash)
        return refusal(QT_TRANSLATE_NOOP("LeapSeconds", "its hash does not match its contents"));
    list.m_updated = utcDateTime(*updated);
    list.m_expires = utcDateTime(*expires);
    return list;
}

int installLeapSeconds(const LeapSecondList &list)
{
    restoreBuiltInLeapSeconds(); // first: ERFA must not point into the rows while they change
    eraLEAPSECOND *builtIn = nullptr;
    const int builtInCount = eraGetLeapSeconds(&builtIn);
    if (builtInCount <= 0 || builtIn == nullptr)
        return 0;

    // The built-in rows stay first and in place: eraDat applies its drift terms by row index.
    std::vector<eraLEAPSECOND> &rows = installedRows();
    rows.assign(builtIn, builtIn + builtInCount);
    const eraLEAPSECOND last = rows.back();
    std::optional<int> valueAtLast; // what the list says held from the last built-in row on
    for (const LeapSecondEntry &entry : list.entries()) {
        bool midnight = false;
        const QDate date = utcDate(entry.ntpSeconds, &midnight);
        if (monthIndex(date.year(), date.month()) <= monthIndex(last.iyear, last.month))
            valueAtLast = entry.taiMinusUtc;
        else
            rows.push_back({date.year(), date.month(), static_cast<double>(entry.taiMinusUtc)});
    }
    // A list that disagrees with ERFA on a leap second both know of is wrong somewhere: keep
    // the built-in table rather than add steps onto a mismatched value.
    const int added = static_cast<int>(rows.size()) - builtInCount;
    if (added == 0 || !valueAtLast || static_cast<double>(*valueAtLast) != last.delat)
        return 0;
    eraSetLeapSeconds(rows.data(), static_cast<int>(rows.size()));
    return added;
}

void restoreBuiltInLeapSeconds()
{
    eraSetLeapSeconds(nullptr, -1); // a count below 1 makes ERFA go back to its own table
}

std::optional<double> taiMinusUtc(qint64 unixSeconds)
{
    const std::optional<AppUtils::UtcDay> at = AppUtils::utcDayOf(unixSeconds);
    if (!at || at->year < firstUtcYear)
        return std::nullopt;
    double delta = 0;
    // The fraction matters only before 1972, when no day had a leap second.
    if (eraDat(at->year, at->month, at->day, at->secondOfDay / static_cast<double>(secondsPerDay), &delta) < 0)
        return std::nullopt;
    return delta;
}
