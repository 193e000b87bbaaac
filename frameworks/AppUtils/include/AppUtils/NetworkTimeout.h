#pragma once

#include <chrono>

namespace AppUtils {

// How long one fetch from the network may take in all, from the request to the last byte,
// before it counts as failed: the update check and the Earth-orientation download alike.
inline constexpr std::chrono::seconds networkTimeout{15};

} // namespace AppUtils
