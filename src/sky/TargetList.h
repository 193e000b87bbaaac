#pragma once

#include "Target.h"

#include <span>
#include <variant>
#include <vector>

// Why a line of a list holds no target.
enum class TargetLineProblem {
    fields, // not three fields separated by tabs
    rightAscension, // not a finite number of hours in the C locale, [0, 24)
    declination, // not a finite number of degrees in the C locale, [-90, +90]
    name, // no name targetName() keeps
    tooMany, // a target after the first maxTargets
};

// A line of a list that holds no target, kept as it was so that the list is written back whole.
struct UnreadTargetLine
{
    QString text; // without its '\n'
    TargetLineProblem problem = TargetLineProblem::fields;

    bool operator==(const UnreadTargetLine &) const = default;
};

using TargetLine = std::variant<Target, UnreadTargetLine>;

// A list of targets as one line of text per target, "<RA hours>\t<Dec degrees>\t<name>", the
// numbers in the C locale as the shortest text that reads back to the same double, whatever
// the user's locale; a line that holds no target as it was read. A list of at most maxTargets
// targets and nothing else is at most 2,500 characters.
QString targetListText(std::span<const TargetLine> lines);

// The lines of text, in their order: each a target or, when it holds none (see
// TargetLineProblem), the line as it is and why. Lines of nothing but white space are left
// out, and the last line may lack its '\n'. A name is kept as targetName() makes it: a run of
// white space in it becomes one space.
std::vector<TargetLine> targetListFromText(QStringView text);

// The targets among lines, in their order.
std::vector<Target> targetsAmong(std::span<const TargetLine> lines);
