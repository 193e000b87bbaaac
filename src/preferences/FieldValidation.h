#pragma once

#include <QStringView>
#include <QtGlobal>

#include <optional>

class QLineEdit;

// Checks of what the user typed into the numeric fields of the General pane. A check only
// answers; it never changes the field.

// The number text is as a whole, read as the C library's strtod reads it (see
// Platform::TextField::leadingDouble()), when it lies between lower and upper (inclusive):
// decimal ("1e1", "2.5E-3"; the point always '.', whatever the user's locale) or hexadecimal
// ("0x10", "0x1p3"). None for empty text, white space anywhere (also leading or trailing),
// anything left over ("12abc", "12,5"), "nan", a magnitude beyond the range of a double
// ("1e999"), and "inf" unless a limit is infinite. A magnitude too small for a double
// ("1e-999") reads as 0. Platform::TextField::doubleValue() reads the same number from an accepted entry, so it
// is the number the rest of the program uses.
std::optional<double> doubleEntry(QStringView text, double lower, double upper);

// Whether text is a base-10 integer between lower and upper (inclusive) as a whole: an
// optional sign and one or more of the digits 0-9, nothing else. False for empty text,
// white space anywhere, a point or an exponent ("80.5", "1e3"), hexadecimal ("0x50"), and a
// value beyond the range of qint64.
bool isValidIntegerEntry(QStringView text, qint64 lower, qint64 upper);

// Whether text can name the host a daemon listens on: a name or an address, without white
// space, of at most 253 characters (the longest DNS name).
bool isValidHostEntry(QStringView text);

// The two checks above on the field's current text.
bool validateDoubleField(const QLineEdit &field, double lowerLimit, double upperLimit);
bool validateIntegerField(const QLineEdit &field, qint64 lowerLimit, qint64 upperLimit);

// The ranges the General pane accepts, in degrees (north and east positive) and for a TCP port.
namespace FieldLimits {
inline constexpr double latitudeMin = -90.0;
inline constexpr double latitudeMax = 90.0;
inline constexpr double longitudeMin = -180.0;
inline constexpr double longitudeMax = 180.0;
inline constexpr qint64 portMin = 0;
inline constexpr qint64 portMax = 65535;
inline constexpr qint64 connectablePortMin = 1; // port 0 cannot be connected to

} // namespace FieldLimits
