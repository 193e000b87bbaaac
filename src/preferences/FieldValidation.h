#pragma once

#include <QStringView>
#include <QtGlobal>

class QLineEdit;

// Checks of what the user typed into the numeric fields of the General pane. A check only
// answers; it never changes the field.

// Whether text is a decimal number between lower and upper (inclusive) as a whole: an
// optional sign, digits with an optional point (at least one digit before or after it), an
// optional exponent ("1e1", "2.5E-3"), the point always '.', whatever the user's locale.
// False for empty text, white space anywhere (also leading or trailing), anything left over
// ("12abc", "12,5"), hexadecimal ("0x1p3"), "inf", "nan", and a magnitude beyond the range
// of a double ("1e999"). A magnitude too small for a double ("1e-999") reads as 0.
// These are exactly the entries that Platform::TextField::doubleValue() reads in full (both
// read with Platform::TextField::leadingDouble()), so an accepted entry is the number the
// rest of the program uses.
bool isValidDoubleEntry(QStringView text, double lower, double upper);

// Whether text is a base-10 integer between lower and upper (inclusive) as a whole: an
// optional sign and one or more of the digits 0-9, nothing else. False for empty text,
// white space anywhere, a point or an exponent ("80.5", "1e3"), hexadecimal ("0x50"), and a
// value beyond the range of qint64.
bool isValidIntegerEntry(QStringView text, qint64 lower, qint64 upper);

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
} // namespace FieldLimits
