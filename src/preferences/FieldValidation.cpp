#include "FieldValidation.h"

#include <Platform/TextField.h>

#include <QLineEdit>

namespace {

// Whether number, read from the start of text, is all of text and within the range of its type.
template <typename Number>
bool isWhole(const Platform::TextField::LeadingNumber<Number> &number, QStringView text)
{
    return number.length > 0 && number.length == text.size() && !number.overflow;
}

} // namespace

bool isValidDoubleEntry(QStringView text, double lower, double upper)
{
    const auto number = Platform::TextField::leadingDouble(text);
    return isWhole(number, text) && number.value >= lower && number.value <= upper;
}

bool isValidIntegerEntry(QStringView text, qint64 lower, qint64 upper)
{
    const auto number = Platform::TextField::leadingInteger(text);
    return isWhole(number, text) && number.value >= lower && number.value <= upper;
}

bool validateDoubleField(const QLineEdit &field, double lowerLimit, double upperLimit)
{
    return isValidDoubleEntry(field.text(), lowerLimit, upperLimit);
}

bool validateIntegerField(const QLineEdit &field, qint64 lowerLimit, qint64 upperLimit)
{
    return isValidIntegerEntry(field.text(), lowerLimit, upperLimit);
}
