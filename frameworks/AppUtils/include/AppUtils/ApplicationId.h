#pragma once

#include <QLatin1StringView>

namespace AppUtils {

// Horavane's application id: the name of its installed desktop entry and icon, and the name
// the desktop's services (the location service, the session) know it by.
inline constexpr QLatin1StringView applicationId{"org.horavane.Horavane"};

} // namespace AppUtils
