#pragma once

#include <QString>
#include <QStringView>

#include <variant>

// One object of the night's list: a name and its place in the ICRS (J2000), as typed.
// raHours: right ascension in hours, [0, 24). decDegrees: declination in degrees, [-90, +90].
struct Target
{
    QString name;
    double raHours = 0;
    double decDegrees = 0;

    bool operator==(const Target &) const = default;
};

// How many targets a list holds at most, and how long a name may be (in UTF-16 units).
inline constexpr int maxTargets = 20;
inline constexpr int maxTargetNameLength = 64;

// The name as a list keeps it: white space trimmed and each run of it made one space.
// Empty when text is not a usable name: nothing but white space, longer than
// maxTargetNameLength, or holding a control character.
QString targetName(QStringView text);

// Why a typed coordinate was refused.
enum class CoordinateProblem {
    empty, // nothing typed
    unreadable, // not a number, or something other than a number, a separator or a unit
    sign, // a sign on a right ascension
    minutes, // minutes of 60 or more
    seconds, // seconds of 60 or more
    range, // a right ascension of 24 h or more, or a declination beyond ±90°
};

// A coordinate read from what the user typed: its value, or why there is none.
using CoordinateEntry = std::variant<double, CoordinateProblem>;

// Reads a right ascension in hours or a declination in degrees. Accepted forms, with white
// space trimmed at both ends:
//   one decimal number:               "5.5881"         "-5.3911"
//   sexagesimal, two or three fields: "05 35 17.3"     "-05 23 28"
//     separated by spaces, colons or unit marks:
//                                     "05:35:17.3"     "-05:23:28"
//                                     "05h35m17.3s"    "-05°23′28″" (or ' and ")
// Only the last field may have a fraction, always after '.'; minutes and seconds are below 60.
// A declination may be signed (+, - or −), and its sign holds for all its fields: "-00 30"
// is half a degree south. The value is exact to the last digit typed, within a double.
CoordinateEntry parseRightAscension(QStringView text);
CoordinateEntry parseDeclination(QStringView text);

// A right ascension as "05 35 17.3", rounded to a tenth of a second of time; 24 h wraps to
// "00 00 00.0". A declination as "+05 23 28" or "−05 23 28" (U+2212), rounded to the whole
// second of arc; a value that shows as zero is "+". Both read back through the parsers above.
QString rightAscensionText(double hours);
QString declinationText(double degrees);
// Any signed value in degrees or hours (an hour angle, say) as declinationText writes one.
QString signedSexagesimalText(double value);
