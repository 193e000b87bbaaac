#pragma once

#include <QString>
#include <QStringView>

#include <compare>

namespace SparklePreferences {

// Orders two version texts the way people read them: "1.10.0" > "1.9.3", "1.0" == "1.0.0",
// "2.0b1" < "2.0" < "2.0.1".
// The text is read as runs of ASCII digits (numbers, compared by value with no limit on their
// length) and runs of other letters (words, compared case-insensitively); anything else
// separates runs. A number is greater than a word at the same place; a missing number counts
// as zero, and a missing run is greater than a word (a pre-release comes before its release).
// A leading "v" before a digit is ignored. Any text is accepted, the empty text being the
// lowest version; never fails.
std::weak_ordering compareVersions(QStringView a, QStringView b);

// A version text as the user is shown it: one of at most 40 characters as it is, a longer one
// (a build made by hand, a feed gone wrong) cut to its first 39 and "…", so that no window
// grows off the screen for it.
QString shortenedVersion(const QString &version);

} // namespace SparklePreferences
