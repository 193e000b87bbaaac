#pragma once

#include <QString>

namespace AppUtils {

// Appends value in decimal, zero-padded to width characters as printf's "%0*lld" writes it (a
// minus sign counts in the width). A clock writes a few fields each second; printf's parsing of
// its format costs ten times the digits.
void appendPadded(QString &text, long long value, int width);

// Appends "hh:mm:ss" of secondsOfDay, in [0, 86400).
void appendClock(QString &text, int secondsOfDay);

} // namespace AppUtils
