#pragma once

#include <QString>

#include <chrono>

// The instant as ISO 8601 text with milliseconds, in the zone utcOffsetSeconds east of UTC:
// 2026-12-06T09:36:41.123+13:00, or ...Z when the offset is zero; an offset that is not a whole
// number of minutes is written with its seconds (-00:44:30). Milliseconds are truncated
// (toward the past, also before 1970) so that a text never shows a second that has not begun.
QString isoText(std::chrono::system_clock::time_point instant, int utcOffsetSeconds);
