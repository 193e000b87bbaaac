#include "Platform/TextField.h"

#include <QLineEdit>
#include <QLocale>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace Platform::TextField {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qsizetype skipSign(QStringView text, qsizetype at)
{
    return at < text.size() && (text[at] == u'+' || text[at] == u'-') ? at + 1 : at;
}

qsizetype skipDigits(QStringView text, qsizetype at)
{
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

// The text after the white space strtod skips in the C locale (space, \t \n \v \f \r).
QStringView withoutLeadingSpace(QStringView text)
{
    qsizetype at = 0;
    while (at < text.size() && (text[at] == u' ' || (text[at] >= u'\t' && text[at] <= u'\r')))
        ++at;
    return text.sliced(at);
}

// The C locale, so that the decimal point is '.' whatever LC_NUMERIC the user runs with
// (QCoreApplication adopts the environment's locale).
locale_t cLocale()
{
    static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    return c;
}

} // namespace

LeadingNumber<double> leadingDouble(QStringView text)
{
    // Scanned by hand, so that strtod only ever sees a plain decimal: left to itself it would
    // also take white space, hexadecimal, "inf" and "nan".
    const qsizetype mantissa = skipSign(text, 0);
    qsizetype end = skipDigits(text, mantissa);
    bool hasDigits = end > mantissa;
    if (end < text.size() && text[end] == u'.') {
        const qsizetype fractionEnd = skipDigits(text, end + 1);
        hasDigits = hasDigits || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!hasDigits)
        return {};
    if (end < text.size() && (text[end] == u'e' || text[end] == u'E')) {
        const qsizetype exponent = skipSign(text, end + 1);
        const qsizetype exponentEnd = skipDigits(text, exponent);
        if (exponentEnd > exponent) // "1e" or "1e+" is the number 1 followed by junk
            end = exponentEnd;
    }
    // strtod rounds correctly, and reads a magnitude too small for a double as 0 where
    // std::from_chars fails. Beyond the range of a double it gives an infinity.
    const QByteArray ascii = text.first(end).toLatin1();
    const double value = strtod_l(ascii.constData(), nullptr, cLocale());
    if (std::isinf(value))
        return {0.0, end, true};
    return {value, end, false};
}

LeadingNumber<qint64> leadingInteger(QStringView text)
{
    const qsizetype digits = skipSign(text, 0);
    const qsizetype end = skipDigits(text, digits);
    if (end == digits)
        return {};
    const bool negative = text.front() == u'-';
    constexpr qint64 lowest = std::numeric_limits<qint64>::min();
    constexpr qint64 highest = std::numeric_limits<qint64>::max();
    // Accumulated as a negative number, whose range holds the magnitude of every qint64.
    qint64 negated = 0;
    for (qsizetype i = digits; i < end; ++i) {
        const int digit = text[i].unicode() - u'0';
        if (negated < (lowest + digit) / 10)
            return {negative ? lowest : highest, end, true};
        negated = negated * 10 - digit;
    }
    if (negative)
        return {negated, end, false};
    if (negated == lowest)
        return {highest, end, true};
    return {-negated, end, false};
}

double doubleValue(const QLineEdit &field)
{
    return leadingDouble(withoutLeadingSpace(field.text())).value;
}

qint64 integerValue(const QLineEdit &field)
{
    return leadingInteger(withoutLeadingSpace(field.text())).value;
}

void setDoubleValue(QLineEdit &field, double value)
{
    // The shortest form alone turns -0.0005 into "-5e-04"; keep plain decimals for every
    // magnitude a coordinate or a port can sensibly have (1e-7 degrees is a centimetre).
    const double magnitude = std::abs(value);
    const bool plain = magnitude == 0.0 || (magnitude >= 1e-7 && magnitude < 1e15);
    field.setText(QString::number(value, plain ? 'f' : 'g', QLocale::FloatingPointShortest));
}

void setIntegerValue(QLineEdit &field, qint64 value)
{
    field.setText(QString::number(value));
}

void selectText(QLineEdit &field)
{
    field.setFocus();
    field.selectAll();
}

} // namespace Platform::TextField
