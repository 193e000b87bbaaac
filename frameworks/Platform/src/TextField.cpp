#include "Platform/TextField.h"

#include <QLineEdit>
#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace Platform::TextField {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// What strtod skips in the C locale.
bool isSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::size_t skipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

// The text after leading white space, and whether it starts with a minus sign; the sign
// itself is dropped because std::from_chars refuses a plus.
struct Unsigned {
    std::string_view text;
    bool negative = false;
};

Unsigned stripSignAndSpace(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && isSpace(text[at]))
        ++at;
    Unsigned result;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        result.negative = text[at] == '-';
        ++at;
    }
    result.text = text.substr(at);
    return result;
}

// Length of the leading "digits [. digits] [e [sign] digits]" of text, 0 when it has no
// digit before the exponent. Scanned by hand so that from_chars never sees its own
// extensions (inf, nan) and hexadecimal never gets a chance.
std::size_t decimalLength(std::string_view text)
{
    std::size_t end = skipDigits(text, 0);
    bool hasDigits = end > 0;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = skipDigits(text, end + 1);
        hasDigits = hasDigits || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!hasDigits)
        return 0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const std::size_t exponentEnd = skipDigits(text, exponent);
        if (exponentEnd > exponent)   // "1e" or "1e+" is the number 1 followed by junk
            end = exponentEnd;
    }
    return end;
}

} // namespace

double doubleValue(const QLineEdit &field)
{
    // UTF-8 keeps every non-ASCII character out of the ASCII digits and signs.
    const QByteArray bytes = field.text().toUtf8();
    const Unsigned number = stripSignAndSpace(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    const std::size_t length = decimalLength(number.text);
    double value = 0.0;
    if (length == 0 || std::from_chars(number.text.data(), number.text.data() + length, value).ec != std::errc())
        return 0.0;   // no number, or beyond the range of a double
    return number.negative ? -value : value;
}

qint64 integerValue(const QLineEdit &field)
{
    const QByteArray bytes = field.text().toUtf8();
    const Unsigned number = stripSignAndSpace(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    const std::size_t length = skipDigits(number.text, 0);
    constexpr qint64 lowest = std::numeric_limits<qint64>::min();
    constexpr qint64 highest = std::numeric_limits<qint64>::max();
    // Accumulated as a negative number, whose range holds the magnitude of every qint64.
    qint64 negated = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const int digit = number.text[i] - '0';
        if (negated < (lowest + digit) / 10)
            return number.negative ? lowest : highest;
        negated = negated * 10 - digit;
    }
    if (number.negative)
        return negated;
    return negated == lowest ? highest : -negated;
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
