#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Numbers as the stored lists write them: in the C locale, whatever the user's locale.

// The shortest text that reads back to the same double.
QString listNumberText(double value);

// The whole of text as a finite number in [lower, upper) or, with closed, [lower, upper].
std::optional<double> listNumberFrom(QStringView text, double lower, double upper, bool closed);
