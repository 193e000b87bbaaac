#pragma once

#include "Target.h"

#include <optional>
#include <span>
#include <vector>

// A list of targets as one line of text per target, "<RA hours>\t<Dec degrees>\t<name>", the
// numbers in the C locale as the shortest text that reads back to the same double, whatever
// the user's locale. A list of at most maxTargets valid targets is at most 2,500 characters.
QString targetListText(std::span<const Target> targets);

// The list that text holds, all or nothing: nullopt for more than maxTargets lines, a line
// without its three fields, a number that is not a finite one in the C locale or is out of its
// range, or a name targetName() would not keep as it is. Empty text is the empty list.
std::optional<std::vector<Target>> targetListFromText(QStringView text);
