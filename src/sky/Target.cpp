#include "Target.h"

#include <AppUtils/Digits.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

using namespace Qt::StringLiterals;

namespace {

// The unit marks each field may carry, two spellings each.
using Marks = std::array<std::array<char16_t, 2>, 3>;
constexpr Marks hourMarks{{{u'h', u'H'}, {u'm', u'M'}, {u's', u'S'}}};
constexpr Marks degreeMarks{{{u'°', u'°'}, {u'′', u'\''}, {u'″', u'"'}}};
constexpr char16_t minusSign = u'−';

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9'; // QChar::isDigit would take Arabic-Indic digits too
}

bool isMark(QChar c, const std::array<char16_t, 2> &marks)
{
    return c == marks[0] || c == marks[1];
}

// Reads the sexagesimal or decimal value at the whole of text; signed: whether a sign may lead.
// The value is unsigned and unchecked against a range: the callers know theirs.
CoordinateEntry parseFields(QStringView text, const Marks &marks, bool signedValue, bool &negative)
{
    text = text.trimmed();
    if (text.isEmpty())
        return CoordinateProblem::empty;
    qsizetype i = 0;
    negative = false;
    if (text[0] == u'+' || text[0] == u'-' || text[0] == minusSign) {
        if (!signedValue)
            return CoordinateProblem::sign;
        negative = text[0] != u'+';
        ++i;
    }
    std::array<double, 3> fields{};
    std::size_t count = 0;
    bool fraction = false;
    while (true) {
        if (count == 3 || fraction)
            return CoordinateProblem::unreadable; // a fourth field, or one after a fraction
        const qsizetype start = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        if (i == start)
            return CoordinateProblem::unreadable;
        if (i < text.size() && text[i] == u'.') {
            const qsizetype point = ++i;
            while (i < text.size() && isDigit(text[i]))
                ++i;
            if (i == point)
                return CoordinateProblem::unreadable;
            fraction = true;
        }
        const std::string digits = text.sliced(start, i - start).toLatin1().toStdString();
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), fields[count]);
        if (error != std::errc() || end != digits.data() + digits.size())
            return CoordinateProblem::unreadable;
        const bool marked = i < text.size() && isMark(text[i], marks[count]);
        ++count;
        if (marked)
            ++i;
        if (i == text.size())
            break;
        if (text[i] == u':' && !marked) {
            ++i;
            continue;
        }
        if (!text[i].isSpace() && !marked)
            return CoordinateProblem::unreadable;
        while (text[i].isSpace()) // the text is trimmed: something follows the spaces
            ++i;
    }
    if (fields[1] >= 60)
        return CoordinateProblem::minutes;
    if (fields[2] >= 60)
        return CoordinateProblem::seconds;
    return fields[0] + fields[1] / 60 + fields[2] / 3600;
}

// "HH MM SS" of a whole count of the smallest unit, with the given number of decimals for
// the seconds.
QString sexagesimal(long long units, int decimals)
{
    const long long perSecond = decimals ? 10 : 1;
    const long long perMinute = 60 * perSecond;
    const long long perHour = 60 * perMinute;
    QString text;
    AppUtils::appendPadded(text, units / perHour, 2);
    text += u' ';
    AppUtils::appendPadded(text, units / perMinute % 60, 2);
    text += u' ';
    AppUtils::appendPadded(text, units / perSecond % 60, 2);
    if (decimals) {
        text += u'.';
        AppUtils::appendPadded(text, units % perSecond, 1);
    }
    return text;
}

} // namespace

QString targetName(QStringView text)
{
    QString name = text.toString().simplified();
    if (name.size() > maxTargetNameLength)
        return {};
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return {};
    }
    return name;
}

CoordinateEntry parseRightAscension(QStringView text)
{
    bool negative = false;
    const CoordinateEntry entry = parseFields(text, hourMarks, false, negative);
    if (const double *hours = std::get_if<double>(&entry); hours && *hours >= 24)
        return CoordinateProblem::range;
    return entry;
}

CoordinateEntry parseDeclination(QStringView text)
{
    bool negative = false;
    const CoordinateEntry entry = parseFields(text, degreeMarks, true, negative);
    if (const double *degrees = std::get_if<double>(&entry)) {
        if (*degrees > 90)
            return CoordinateProblem::range;
        return negative ? -*degrees : *degrees;
    }
    return entry;
}

QString rightAscensionText(double hours)
{
    constexpr long long tenthsPerDay = 24 * 36000;
    return sexagesimal(std::llround(hours * 36000) % tenthsPerDay, 1);
}

QString declinationText(double degrees)
{
    return signedSexagesimalText(degrees);
}

QString signedSexagesimalText(double value)
{
    const long long seconds = std::llround(std::abs(value) * 3600);
    return (value < 0 && seconds != 0 ? QChar(minusSign) : QChar(u'+')) + sexagesimal(seconds, 0);
}
