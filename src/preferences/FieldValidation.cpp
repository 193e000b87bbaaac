#include "FieldValidation.h"

#include <QByteArray>
#include <QLineEdit>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>

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

// Whether text is "[sign] digits [. digits] [e [sign] digits]" with a digit in the mantissa,
// and nothing else. Scanned here rather than left to strtod, which would also take leading
// white space, hexadecimal, "inf" and "nan".
bool isDecimalNumber(QStringView text)
{
    const qsizetype mantissa = skipSign(text, 0);
    qsizetype at = skipDigits(text, mantissa);
    bool hasDigit = at > mantissa;
    if (at < text.size() && text[at] == u'.') {
        const qsizetype fraction = at + 1;
        at = skipDigits(text, fraction);
        hasDigit = hasDigit || at > fraction;
    }
    if (!hasDigit)
        return false;
    if (at < text.size() && (text[at] == u'e' || text[at] == u'E')) {
        const qsizetype exponent = skipSign(text, at + 1);
        at = skipDigits(text, exponent);
        if (at == exponent)
            return false;
    }
    return at == text.size();
}

// The C locale, so that the decimal point is '.' whatever LC_NUMERIC the user runs with
// (QCoreApplication adopts the environment's locale).
locale_t cLocale()
{
    static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    return c;
}

} // namespace

bool isValidDoubleEntry(QStringView text, double lower, double upper)
{
    if (!isDecimalNumber(text))
        return false;
    const QByteArray ascii = text.toLatin1();   // only signs, digits, '.', 'e' remain
    const double value = strtod_l(ascii.constData(), nullptr, cLocale());
    return std::isfinite(value) && value >= lower && value <= upper;
}

bool isValidIntegerEntry(QStringView text, qint64 lower, qint64 upper)
{
    const qsizetype digits = skipSign(text, 0);
    if (digits == text.size() || skipDigits(text, digits) != text.size())
        return false;
    // from_chars takes a minus but no plus; the digits were checked above.
    const QByteArray ascii = text.mid(text.startsWith(u'+') ? 1 : 0).toLatin1();
    qint64 value = 0;
    const auto [end, error] = std::from_chars(ascii.constData(), ascii.constData() + ascii.size(), value);
    return error == std::errc() && end == ascii.constData() + ascii.size() && value >= lower
        && value <= upper;
}

bool validateDoubleField(const QLineEdit &field, double lowerLimit, double upperLimit)
{
    return isValidDoubleEntry(field.text(), lowerLimit, upperLimit);
}

bool validateIntegerField(const QLineEdit &field, qint64 lowerLimit, qint64 upperLimit)
{
    return isValidIntegerEntry(field.text(), lowerLimit, upperLimit);
}
