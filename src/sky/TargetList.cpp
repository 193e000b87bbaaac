#include "TargetList.h"

#include <QList>

#include <charconv>
#include <cmath>
#include <string>

namespace {

QString numberText(double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return QString::fromLatin1(buffer, end - buffer);
}

// The whole of text as a finite number in [lower, upper) or, with closed, [lower, upper].
std::optional<double> numberFrom(QStringView text, double lower, double upper, bool closed)
{
    const std::string latin = text.toLatin1().toStdString();
    double value = 0;
    const auto [end, error] = std::from_chars(latin.data(), latin.data() + latin.size(), value);
    if (error != std::errc() || end != latin.data() + latin.size() || latin.empty() || !std::isfinite(value)
        || value < lower || value > upper || (!closed && value == upper))
        return std::nullopt;
    return value;
}

} // namespace

QString targetListText(std::span<const Target> targets)
{
    QString text;
    for (const Target &target : targets)
        text += numberText(target.raHours) + u'\t' + numberText(target.decDegrees) + u'\t' + target.name + u'\n';
    return text;
}

std::optional<std::vector<Target>> targetListFromText(QStringView text)
{
    std::vector<Target> targets;
    if (text.isEmpty())
        return targets;
    if (!text.endsWith(u'\n'))
        return std::nullopt; // cut short
    for (const QStringView line : text.chopped(1).split(u'\n')) {
        const QList<QStringView> fields = line.split(u'\t');
        if (fields.size() != 3 || int(targets.size()) == maxTargets)
            return std::nullopt;
        const std::optional<double> ra = numberFrom(fields[0], 0, 24, false);
        const std::optional<double> dec = numberFrom(fields[1], -90, 90, true);
        const QString name = targetName(fields[2]);
        if (!ra || !dec || name.isEmpty() || name != fields[2])
            return std::nullopt;
        targets.push_back({name, *ra, *dec});
    }
    return targets;
}
