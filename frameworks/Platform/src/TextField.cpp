#include "Platform/TextField.h"

#include <QLineEdit>
#include <QLocale>

#include <cerrno>
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

// The white space strtod skips in the C locale: space, \t \n \v \f \r.
bool isSpace(QChar c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

QStringView withoutLeadingSpace(QStringView text)
{
    qsizetype at = 0;
    while (at < text.size() && isSpace(text[at]))
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
    // strtod would skip white space first; a number that starts the text does not.
    if (text.isEmpty() || isSpace(text.front()))
        return {};
    // A character beyond Latin-1 becomes '?', which ends a number as the character would.
    const QByteArray latin1 = text.toLatin1();
    char *end = nullptr;
    errno = 0;
    const double value = strtod_l(latin1.constData(), &end, cLocale());
    const qsizetype length = end - latin1.constData();
    // Beyond the range of a double strtod gives an infinity and says so; "inf" is one as written.
    if (errno == ERANGE && std::isinf(value))
        return {0.0, length, true};
    return {value, length, false};
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
    const double value = leadingDouble(withoutLeadingSpace(field.text())).value;
    return std::isfinite(value) ? value : 0.0;
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
