#include "TargetList.h"

#include <QList>

#include <charconv>
#include <cmath>
#include <optional>
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

QString targetListText(std::span<const TargetLine> lines)
{
    QString text;
    for (const TargetLine &line : lines) {
        if (const auto *target = std::get_if<Target>(&line))
            text += numberText(target->raHours) + u'\t' + numberText(target->decDegrees) + u'\t' + target->name;
        else
            text += std::get<UnreadTargetLine>(line).text;
        text += u'\n';
    }
    return text;
}

std::vector<TargetLine> targetListFromText(QStringView text)
{
    std::vector<TargetLine> lines;
    int targets = 0;
    for (const QStringView line : text.split(u'\n')) {
        if (line.trimmed().isEmpty())
            continue;
        const auto unread = [&lines, line](TargetLineProblem problem) {
            lines.push_back(UnreadTargetLine{line.toString(), problem});
        };
        const QList<QStringView> fields = line.split(u'\t');
        if (fields.size() != 3) {
            unread(TargetLineProblem::fields);
            continue;
        }
        const std::optional<double> ra = numberFrom(fields[0], 0, 24, false);
        const std::optional<double> dec = numberFrom(fields[1], -90, 90, true);
        const QString name = targetName(fields[2]);
        if (!ra)
            unread(TargetLineProblem::rightAscension);
        else if (!dec)
            unread(TargetLineProblem::declination);
        else if (name.isEmpty())
            unread(TargetLineProblem::name);
        else if (targets == maxTargets)
            unread(TargetLineProblem::tooMany);
        else {
            lines.push_back(Target{name, *ra, *dec});
            ++targets;
        }
    }
    return lines;
}

std::vector<Target> targetsAmong(std::span<const TargetLine> lines)
{
    std::vector<Target> targets;
    for (const TargetLine &line : lines) {
        if (const auto *target = std::get_if<Target>(&line))
            targets.push_back(*target);
    }
    return targets;
}
