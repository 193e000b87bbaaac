#include "ListNumbers.h"

#include <charconv>
#include <cmath>
#include <string>

QString listNumberText(double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return QString::fromLatin1(buffer, end - buffer);
}

std::optional<double> listNumberFrom(QStringView text, double lower, double upper, bool closed)
{
    const std::string latin = text.toLatin1().toStdString();
    double value = 0;
    const auto [end, error] = std::from_chars(latin.data(), latin.data() + latin.size(), value);
    if (error != std::errc() || end != latin.data() + latin.size() || latin.empty() || !std::isfinite(value)
        || value < lower || value > upper || (!closed && value == upper))
        return std::nullopt;
    return value;
}
