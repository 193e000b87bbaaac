#include "TargetList.h"

#include "ListNumbers.h"
#include "StoredLines.h"

#include <QList>


QString targetListText(std::span<const TargetLine> lines)
{
    QString text;
    for (const TargetLine &line : lines) {
        if (const auto *target = std::get_if<Target>(&line))
            text += listNumberText(target->raHours) + u'\t' + listNumberText(target->decDegrees) + u'\t' + target->name;
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
        const std::optional<double> ra = listNumberFrom(fields[0], 0, 24, false);
        const std::optional<double> dec = listNumberFrom(fields[1], -90, 90, true);
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
    return entriesAmong(lines);
}
