#include <Extensions/DegreesText.h>

#include <cmath>

using namespace Qt::StringLiterals;

namespace Extensions {

namespace {

// |degrees| as whole degrees plus a count of the smallest shown unit, rounded to the
// nearest unit and carried, so the count stays below unitsPerDegree. Splitting off the
// whole degrees first keeps the rounding exact and free of overflow for any finite angle.
struct Split
{
    QString sign;
    double whole;
    qint64 units;
};

Split split(double degrees, qint64 unitsPerDegree)
{
    const double magnitude = std::abs(degrees);
    Split s{{}, std::floor(magnitude), 0};
    s.units = std::llround((magnitude - s.whole) * double(unitsPerDegree));
    if (s.units == unitsPerDegree) {
        s.whole += 1;
        s.units = 0;
    }
    if (std::signbit(degrees) && (s.whole > 0 || s.units > 0))
        s.sign = u"-"_s;
    return s;
}

QString decimalText(double degrees)
{
    const Split s = split(degrees, 10'000);
    return s.sign % QString::number(s.whole, 'f', 0) % u'.' % u"%1"_s.arg(s.units, 4, 10, QLatin1Char('0')) % u'°';
}

QString sexagesimalText(double degrees)
{
    const Split s = split(degrees, 36'000); // tenths of an arcsecond
    const qint64 minutes = s.units / 600;
    const qint64 tenths = s.units % 600;
    return u"%1%2° %3′ %4.%5″"_s.arg(s.sign, QString::number(s.whole, 'f', 0))
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(tenths / 10, 2, 10, QLatin1Char('0'))
        .arg(tenths % 10);
}

} // namespace

QString degreesText(double degrees, bool decimal)
{
    if (!std::isfinite(degrees))
        return {};
    return decimal ? decimalText(degrees) : sexagesimalText(degrees);
}

} // namespace Extensions
