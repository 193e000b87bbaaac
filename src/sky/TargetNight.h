#pragma once

#include "Night.h"
#include "Target.h"

#include <chrono>
#include <optional>
#include <span>
#include <vector>

// When a fixed target rises, culminates and sets in the observer's night, and how long it stands
// high enough in the dark hours: worked out once a night, with the night's values.
struct TargetNight
{
    Target target;
    // The upper culmination nearest the middle of the night (local midnight), within half a
    // sidereal day of it, so it may fall just outside a night shortened by a change of clocks.
    SkyInstant transit{};
    // The last rise before the transit and the first set after it, the target's centre at
    // −0.5667° (the horizon with standard refraction). None when it never rises; none, with
    // circumpolar set, when it never sets.
    std::optional<SkyInstant> rise;
    std::optional<SkyInstant> set;
    bool circumpolar = false;
    // How long, within the night's dark intervals, its geometric altitude exceeds the limit.
    std::chrono::seconds darkAboveLimit{0};

    bool operator==(const TargetNight &) const = default;
};

// The targets' courses through night, in their order, for an altitude limit in degrees. The
// apparent place of each is worked out once, at the middle of the night, with the night's UT1
// (see TargetSky); over a day a star's apparent place moves by about a second of arc, its
// transit by well under a second of time. Empty when the places cannot be worked out (see
// TargetSky::places).
std::vector<TargetNight> targetNights(const Night &night, std::span<const Target> targets, double limitDegrees);
