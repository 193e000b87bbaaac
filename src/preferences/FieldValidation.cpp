#include "FieldValidation.h"

#include <Platform/TextField.h>

#include <QLineEdit>

#include <algorithm>

namespace {

// Whether number, read from the start of text, is all of text and within the range of its type.
template <typename Number>
bool isWhole(const Platform::TextField::LeadingNumber<Number> &number, QStringView text)
{
    return number.length > 0 && number.length == text.size() && !number.overflow;
}

} // namespace

std::optional<double> doubleEntry(QStringView text, double lower, double upper)
{
    const auto number = Platform::TextField::leadingDouble(text);
    // NaN fails both comparisons.
    if (isWhole(number, text) && number.value >= lower && number.value <= upper)
        return number.value;
    return std::nullopt;
}

bool isValidIntegerEntry(QStringView text, qint64 lower, qint64 upper)
{
    const auto number = Platform::TextField::leadingInteger(text);
    return isWhole(number, text) && number.value >= lower && number.value <= upper;
}

bool isValidHostEntry(QStringView text)
{
    return !text.isEmpty() && text.size() <= 253
        && std::none_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

bool validateDoubleField(const QLineEdit &field, double lowerLimit, double upperLimit)
{
    return doubleEntry(field.text(), lowerLimit, upperLimit).has_value();
}

bool validateIntegerField(const QLineEdit &field, qint64 lowerLimit, qint64 upperLimit)
{
    return isValidIntegerEntry(field.text(), lowerLimit, upperLimit);
}
