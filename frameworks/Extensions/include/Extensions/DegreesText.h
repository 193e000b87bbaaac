#pragma once

#include <QString>

namespace Extensions {

// An angle as display text.
// degrees: any finite value, not normalised (latitudes and longitudes pass as they are).
// decimal true: sign and four decimals, "51.4769°", "-0.0005°".
// decimal false: degrees, minutes and seconds to a tenth, "51° 28′ 36.8″", "-0° 00′ 01.8″";
// rounding carries into minutes and degrees, so 59.96″ shows as the next minute.
// Both forms round to the nearest last digit and keep the minus sign whenever the shown
// value is not zero, also for angles between -1° and 0°; a value that shows as zero has
// no sign. Returns an empty string for NaN or an infinity.
QString degreesText(double degrees, bool decimal);

} // namespace Extensions
