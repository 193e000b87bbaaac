#pragma once

#include <QStringView>
#include <QtGlobal>

class QLineEdit;

// Numeric reading and writing of one-line text fields, the way the classic desktop text
// field does it: a field always has a number, whatever its text.
namespace Platform::TextField {

// A number read from the start of a text.
template <typename Number>
struct LeadingNumber
{
    Number value = 0; // 0 when the text does not start with a number
    qsizetype length = 0; // the characters it takes; 0 when there is none
    bool overflow = false; // beyond the range of Number: value is then the nearer limit of
        // an integer, 0 for a double
};

// The number at the very start of text, as the C library's strtod reads it in the C locale
// whatever the user's locale, except that no white space is skipped: an optional sign, then
// digits with an optional point (a digit before or after it) and an optional exponent
// ("2.5E-3"; in "1e" and "1e+" the number ends before the 'e'), hexadecimal with an optional
// binary exponent ("0x10", "0x1p3"), "inf", "infinity" or "nan". Only ASCII characters count,
// not the digits of other scripts. A magnitude too small for a double ("1e-999") reads as 0.
LeadingNumber<double> leadingDouble(QStringView text);
// The base-10 integer at the very start of text: an optional sign and the digits 0-9.
LeadingNumber<qint64> leadingInteger(QStringView text);

// The leading number of the field's text, as leadingDouble() reads it after skipping white
// space (space, \t \n \v \f \r); the rest of the text is ignored ("12abc" reads 12, "1,5"
// reads 1, "0x10" 16). 0 when the text has no leading number, and in place of an infinity
// or NaN ("inf", "nan", the overflow of "1e999"): never infinite, never NaN.
double doubleValue(const QLineEdit &field);

// The leading base-10 integer of the field's text: white space skipped, an optional sign,
// digits; the rest ignored ("80.5" reads 80). 0 when there is none. A number beyond the
// range of qint64 reads as the nearer limit.
qint64 integerValue(const QLineEdit &field);

// Writes text that doubleValue() reads back as exactly value, in as few digits as that
// takes: plain decimals for magnitudes from 1e-7 up to 1e15 ("51.4769", "-0.0005", "90"; negative zero as "0"),
// an exponent beyond ("1e-10"). A non-finite value shows as "inf", "-inf" or "nan", which
// read 0.
void setDoubleValue(QLineEdit &field, double value);

// Writes value in base 10, with a minus sign when negative.
void setIntegerValue(QLineEdit &field, qint64 value);

// Gives the field the keyboard focus and selects its whole text, so that the user sees
// it and can type over it. In a hidden window the focus waits until the window is shown.
void selectText(QLineEdit &field);

} // namespace Platform::TextField
