#include "timescales/EarthOrientation.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <erfa.h>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace {

constexpr double largestUt1MinusUtc = 0.9; // UTC is kept this close to UT1 by leap seconds
constexpr double largestDailyChange = 0.1; // seconds: the Earth's day varies by milliseconds
constexpr int heldDays = 30; // how long the last row is trusted as a prediction
constexpr int extrapolatedDays = 366; // how far Bulletin A's formula reaches: its predictions span a year
constexpr int firstMjd2000 = 51544; // 2000-01-01: two-digit years from here on are 20YY

QString notATable()
{
    return QCoreApplication::translate("EarthOrientation", "not an IERS Bulletin A or finals file");
}

QString truncatedAt(qsizetype line)
{
    return QCoreApplication::translate("EarthOrientation", "truncated at line %1").arg(line);
}

QString unreadableAt(qsizetype line)
{
    return QCoreApplication::translate("EarthOrientation", "unreadable row at line %1").arg(line);
}

// Days since 1858-11-17 of a Gregorian date, or nullopt for a day that does not exist.
std::optional<int> civilMjd(int year, int month, int day)
{
    double djm0 = 0, djm = 0;
    if (eraCal2jd(year, month, day, &djm0, &djm) != 0)
        return std::nullopt;
    return static_cast<int>(djm);
}

// The year of a two-digit year beside its MJD, as the IERS files reckon it.
int fullYear(int twoDigits, int mjd)
{
    return twoDigits + (mjd < firstMjd2000 ? 1900 : 2000);
}

// A plain decimal such as "-0.4077686", "-.647374" or "57753.00", whatever the locale;
// nullopt for anything else, an exponent, "nan" or "inf" included.
std::optional<double> decimal(QByteArrayView field)
{
    field = field.trimmed();
    qsizetype i = field.startsWith('-') || field.startsWith('+') ? 1 : 0;
    qsizetype digits = 0;
    bool point = false;
    for (; i < field.size(); ++i) {
        const char c = field[i];
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (digits == 0 || digits > 20)
        return std::nullopt;
    bool ok = false;
    const double value = field.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

// A day number: digits only, or a decimal with no fraction ("57753.00"), within any MJD of use.
std::optional<int> dayNumber(QByteArrayView field)
{
    const std::optional<double> value = decimal(field);
    if (!value || *value < 0 || *value > 999999 || *value != std::floor(*value))
        return std::nullopt;
    return static_cast<int>(*value);
}

// Columns first to last (counted from 1, as the IERS layouts count them), cut at the line's end.
QByteArrayView columns(QByteArrayView line, qsizetype first, qsizetype last)
{
    if (line.size() < first)
        return {};
    return line.sliced(first - 1, std::min(line.size(), last) - (first - 1));
}

// The lines of a text one by one, without their "\r\n" or "\n", counted from 1. Read in
// place: a 16 MiB file of empty lines needs no list of them.
class Lines
{
public:
    explicit Lines(QByteArrayView text)
        : m_text(text)
    {
    }

    bool next()
    {
        if (m_start >= m_text.size())
            return false;
        qsizetype end = m_text.indexOf('\n', m_start);
        if (end < 0)
            end = m_text.size();
        m_line = m_text.sliced(m_start, end - m_start);
        if (m_line.endsWith('\r'))
            m_line.chop(1);
        m_start = end + 1;
        ++m_number;
        return true;
    }
    QByteArrayView line() const { return m_line; }
    qsizetype number() const { return m_number; } // of the line read last; the count at the end
    bool restIsBlank() const { return m_start >= m_text.size() || m_text.sliced(m_start).trimmed().isEmpty(); }

private:
    QByteArrayView m_text;
    QByteArrayView m_line;
    qsizetype m_start = 0;
    qsizetype m_number = 0;
};

std::vector<QByteArrayView> tokens(QByteArrayView line)
{
    std::vector<QByteArrayView> result;
    qsizetype i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const qsizetype start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            result.push_back(line.sliced(start, i - start));
    }
    return result;
}

bool isBlank(QByteArrayView line)
{
    return line.trimmed().isEmpty();
}

// An unsigned integer of digits only: how a row of a bulletin's tables begins.
bool isCount(QByteArrayView token)
{
    return !token.isEmpty() && std::all_of(token.begin(), token.end(), [](char c) { return c >= '0' && c <= '9'; });
}

struct Dated
{
    int mjd = 0;
    bool dateMatches = false;
};

// A date and its MJD, the date's year given in full or as two digits.
std::optional<Dated> dated(QByteArrayView year, QByteArrayView month, QByteArrayView day, QByteArrayView mjdText)
{
    const std::optional<int> y = dayNumber(year), m = dayNumber(month), d = dayNumber(day), mjd = dayNumber(mjdText);
    if (!y || !m || !d || !mjd)
        return std::nullopt;
    const int fullY = year.trimmed().size() <= 2 ? fullYear(*y, *mjd) : *y;
    return Dated{*mjd, civilMjd(fullY, *m, *d) == mjd};
}

// The date and MJD at the start of a finals row: YYMMDD in columns 1-6 (each part padded with
// a blank), the MJD in 8-15 as F8.2.
std::optional<Dated> finalsDate(QByteArrayView line)
{
    if (line.size() < 15 || line[6] != ' ' || line[12] != '.')
        return std::nullopt;
    for (const qsizetype i : {0, 2, 4}) {
        const char high = line[i], low = line[i + 1];
        if (!(high == ' ' || (high >= '0' && high <= '9')) || !(low >= '0' && low <= '9'))
            return std::nullopt;
    }
    return dated(columns(line, 1, 2), columns(line, 3, 4), columns(line, 5, 6), columns(line, 8, 15));
}

QString dateMismatch(int mjd)
{
    return QCoreApplication::translate("EarthOrientation", "MJD %1 does not match its date").arg(mjd);
}

struct Parsed
{
    std::vector<EarthOrientationRow> rows;
    std::optional<Ut1Extrapolation> extrapolation;
};

using Outcome = std::variant<Parsed, QString>;

// finals2000A.data, .daily, .all and finals.all: one fixed-column row a day. The UT1 − UTC
// column stops before the rows do (finals.all runs on with polar motion or nothing); the
// first row without it ends the table, and a later row with it means rows were lost.
Outcome parseFinals(QByteArrayView text)
{
    Parsed parsed;
    std::optional<qsizetype> endedAt; // line number of the first row without UT1 − UTC
    for (Lines lines(text); lines.next();) {
        const QByteArrayView line = lines.line();
        const qsizetype number = lines.number();
        if (isBlank(line))
            continue;
        const std::optional<Dated> date = finalsDate(line);
        if (!date)
            return line.size() < 15 && lines.restIsBlank() ? truncatedAt(number) : unreadableAt(number);
        if (!date->dateMatches)
            return dateMismatch(date->mjd);
        const QByteArrayView ut1 = columns(line, 59, 68);
        if (isBlank(ut1)) {
            endedAt = endedAt.value_or(number);
            continue;
        }
        if (endedAt)
            return truncatedAt(*endedAt);
        if (line.size() < 68)
            return truncatedAt(number);
        const std::optional<double> value = decimal(ut1);
        const char flag = line[57];
        if (!value || (flag != 'I' && flag != 'P'))
            return unreadableAt(number);
        parsed.rows.push_back({date->mjd, *value, flag == 'P'});
    }
    return parsed;
}

// "UT1-UTC = -0.0125 + 0.00021 (MJD - 60651) - (UT2-UT1)", blanks already removed.
std::optional<Ut1Extrapolation> ut1Formula(const QString &compact)
{
    static const QRegularExpression formula(
        uR"(UT1-UTC=([+-]?(?:\d+\.?\d*|\.\d+))([+-])(\d+\.?\d*|\.\d+)\(MJD-(\d{1,6})\)-\(UT2-UT1\))"_s);
    const QRegularExpressionMatch match = formula.match(compact);
    if (!match.hasMatch())
        return std::nullopt;
    Ut1Extrapolation extrapolation;
    extrapolation.offset = match.captured(1).toDouble();
    extrapolation.rate = match.captured(3).toDouble() * (match.captured(2) == u"-" ? -1 : 1);
    extrapolation.rateOrigin = match.captured(4).toInt();
    // UT1 − UTC stays within a second, and drifts by a few milliseconds a day.
    if (!(std::abs(extrapolation.offset) <= 1.5 && std::abs(extrapolation.rate) <= 0.01))
        return std::nullopt;
    return extrapolation;
}

// "S t = 0.00025 (MJD-60643)**0.75", blanks already removed.
bool accuracyFormula(const QString &compact, Ut1Extrapolation &extrapolation)
{
    static const QRegularExpression formula(uR"(St=(\d+\.?\d*|\.\d+)\(MJD-(\d{1,6})\)\*\*(\d+\.?\d*|\.\d+))"_s);
    const QRegularExpressionMatch match = formula.match(compact);
    if (!match.hasMatch())
        return false;
    extrapolation.accuracyScale = match.captured(1).toDouble();
    extrapolation.accuracyOrigin = match.captured(2).toInt();
    extrapolation.accuracyPower = match.captured(3).toDouble();
    if (!(*extrapolation.accuracyScale <= 1 && extrapolation.accuracyPower <= 2)) {
        extrapolation.accuracyScale.reset();
        return false;
    }
    return true;
}

// Bulletin A: the observed rows of "COMBINED EARTH ORIENTATION PARAMETERS" (YY MM DD MJD x err
// y err UT1-UTC err), then the predicted rows after the PREDICTIONS header (YYYY MM DD MJD x y
// UT1-UTC). Each table ends at its first line that is not a row, which leaves out the older
// bulletins' "IERS Final Values" and the celestial pole offsets.
Outcome parseBulletinA(QByteArrayView text)
{
    enum class Section { before, combined, predictionFormulas, predictions, done };
    Section section = Section::before;
    bool inRows = false;
    Parsed parsed;
    std::vector<EarthOrientationRow> predicted;
    Lines lines(text);
    while (section != Section::done && lines.next()) {
        const QByteArrayView line = lines.line();
        const qsizetype number = lines.number();
        const bool combined = section == Section::combined;
        if (section == Section::before) {
            if (line.contains("COMBINED EARTH ORIENTATION PARAMETERS"))
                section = Section::combined;
            continue;
        }
        if (section == Section::predictionFormulas) {
            QString compact = QString::fromLatin1(line);
            compact.remove(u' ');
            if (!parsed.extrapolation)
                parsed.extrapolation = ut1Formula(compact);
            if (parsed.extrapolation && !parsed.extrapolation->accuracyScale)
                accuracyFormula(compact, *parsed.extrapolation);
            if (line.contains("MJD") && line.contains("UT1-UTC(sec)"))
                section = Section::predictions;
            continue;
        }
        const std::vector<QByteArrayView> fields = tokens(line);
        if (fields.empty() || !isCount(fields.front())) {
            if (inRows) { // the table has ended
                inRows = false;
                section = combined ? Section::predictionFormulas : Section::done;
            }
            if (combined && line.contains("PREDICTIONS:")) // no blank line before it
                section = Section::predictionFormulas;
            continue;
        }
        const std::size_t wanted = combined ? 10 : 7;
        if (fields.size() < wanted)
            return truncatedAt(number);
        if (fields.size() > wanted)
            return unreadableAt(number);
        const std::optional<Dated> date = dated(fields[0], fields[1], fields[2], fields[3]);
        const std::optional<double> value = decimal(fields[combined ? 8 : 6]);
        const bool numbers
            = std::all_of(fields.begin() + 4, fields.end(), [](QByteArrayView f) { return decimal(f).has_value(); });
        if (!date || !value || !numbers)
            return unreadableAt(number);
        if (!date->dateMatches)
            return dateMismatch(date->mjd);
        (combined ? parsed.rows : predicted).push_back({date->mjd, *value, !combined});
        inRows = true;
    }
    if (section == Section::before)
        return notATable();
    // Both tables, and the predictions followed by more text: a file cut short ends otherwise.
    if (parsed.rows.empty() || predicted.empty() || section != Section::done)
        return truncatedAt(lines.number());
    // Where the tables overlap, the observed row stands.
    const int lastObserved = parsed.rows.back().mjd;
    for (const EarthOrientationRow &row : predicted) {
        if (row.mjd > lastObserved)
            parsed.rows.push_back(row);
    }
    return parsed;
}

// One row a day, each within ±0.9 s, and from one day to the next either the Earth's slow
// drift or that with a leap second's whole step.
std::optional<QString> checkRows(const std::vector<EarthOrientationRow> &rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const EarthOrientationRow &row = rows[i];
        if (std::abs(row.ut1MinusUtc) > largestUt1MinusUtc)
            return QCoreApplication::translate("EarthOrientation", "UT1 − UTC of %1 s at MJD %2 is beyond ±0.9 s")
                .arg(QString::number(row.ut1MinusUtc, 'f', 4))
                .arg(row.mjd);
        if (i == 0)
            continue;
        const EarthOrientationRow &before = rows[i - 1];
        if (row.mjd <= before.mjd)
            return QCoreApplication::translate("EarthOrientation", "rows out of order at MJD %1").arg(row.mjd);
        if (row.mjd > before.mjd + 1)
            return QCoreApplication::translate("EarthOrientation", "a day is missing after MJD %1").arg(before.mjd);
        const double change = row.ut1MinusUtc - before.ut1MinusUtc;
        if (std::abs(change - std::round(change)) > largestDailyChange)
            return QCoreApplication::translate("EarthOrientation", "UT1 − UTC jumps by %1 s at MJD %2")
                .arg(QString::number(change, 'f', 4))
                .arg(row.mjd);
    }
    return std::nullopt;
}

// The whole seconds UT1 − UTC steps by from one row to the next: a leap second.
double leapStep(double from, double to)
{
    const double change = to - from;
    return std::abs(change) > 0.5 ? std::round(change) : 0.0;
}

// UT2 − UT1, the seasonal variation Bulletin A's formula takes out: t in Besselian years.
double seasonal(double mjd)
{
    constexpr double twoPi = 2 * std::numbers::pi;
    const double t = 2000.0 + (mjd - 51544.03) / 365.2422;
    return 0.022 * std::sin(twoPi * t) - 0.012 * std::cos(twoPi * t) - 0.006 * std::sin(2 * twoPi * t)
        + 0.007 * std::cos(2 * twoPi * t);
}

} // namespace

std::variant<EarthOrientation, QString> EarthOrientation::parse(QByteArrayView text)
{
    if (text.size() > maximumSize)
        return QCoreApplication::translate("EarthOrientation", "larger than 16 MiB");
    const bool bulletin = text.contains("COMBINED EARTH ORIENTATION PARAMETERS");
    if (!bulletin) {
        Lines lines(text);
        while (lines.next() && isBlank(lines.line())) {}
        if (!finalsDate(lines.line()))
            return notATable();
    }
    Outcome outcome = bulletin ? parseBulletinA(text) : parseFinals(text);
    if (const QString *reason = std::get_if<QString>(&outcome))
        return *reason;
    Parsed &parsed = std::get<Parsed>(outcome);
    if (parsed.rows.empty())
        return notATable();
    if (const std::optional<QString> reason = checkRows(parsed.rows))
        return *reason;

    EarthOrientation table;
    table.m_format = bulletin ? Format::bulletinA : Format::finals;
    table.m_rows = std::move(parsed.rows);
    table.m_extrapolation = parsed.extrapolation;
    // The formula reckons with the leap seconds in force when the predictions begin; those
    // announced for later days of the table come on top.
    const auto firstPredicted = std::find_if(
        table.m_rows.begin(), table.m_rows.end(), [](const EarthOrientationRow &row) { return row.predicted; });
    for (auto row = firstPredicted; row != table.m_rows.end() && row + 1 != table.m_rows.end(); ++row)
        table.m_extrapolationSteps += leapStep(row->ut1MinusUtc, (row + 1)->ut1MinusUtc);
    return table;
}

std::optional<Ut1Estimate> EarthOrientation::at(double mjd) const
{
    if (!std::isfinite(mjd) || m_rows.empty() || mjd < m_rows.front().mjd)
        return std::nullopt;
    const EarthOrientationRow &last = m_rows.back();
    if (mjd < last.mjd) {
        const auto day = static_cast<std::size_t>(std::floor(mjd) - m_rows.front().mjd);
        const EarthOrientationRow &from = m_rows[day];
        const EarthOrientationRow &to = m_rows[day + 1];
        // The later row less its leap second, so that the day of the second runs on smoothly.
        const double target = to.ut1MinusUtc - leapStep(from.ut1MinusUtc, to.ut1MinusUtc);
        const double weight = mjd - from.mjd;
        // At a row's own midnight the next row has no say, nor in how far it can be trusted.
        const bool predicted = from.predicted || (to.predicted && weight > 0);
        return Ut1Estimate{from.ut1MinusUtc + (target - from.ut1MinusUtc) * weight,
            predicted ? Ut1Quality::predicted : Ut1Quality::observed, {}};
    }
    if (mjd == last.mjd)
        return Ut1Estimate{last.ut1MinusUtc, last.predicted ? Ut1Quality::predicted : Ut1Quality::observed, {}};
    if (m_extrapolation) {
        // Beyond a year the formula means nothing any more: its last value, held and stale.
        const Ut1Extrapolation &e = *m_extrapolation;
        const bool reaches = mjd - last.mjd <= extrapolatedDays;
        const double t = reaches ? mjd : last.mjd + extrapolatedDays;
        Ut1Estimate estimate{e.offset + e.rate * (t - e.rateOrigin) - seasonal(t) + m_extrapolationSteps,
            reaches ? Ut1Quality::extrapolated : Ut1Quality::stale, {}};
        if (e.accuracyScale && reaches)
            estimate.accuracy = *e.accuracyScale * std::pow(std::max(0.0, t - e.accuracyOrigin), e.accuracyPower);
        return estimate;
    }
    return Ut1Estimate{last.ut1MinusUtc, mjd - last.mjd <= heldDays ? Ut1Quality::predicted : Ut1Quality::stale, {}};
}
