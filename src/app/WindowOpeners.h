#pragma once

#include "engine/WindowRegistry.h"

#include <QLatin1StringView>

#include <span>

// One kind of clock window: the flag that remembers it across runs, its registry slot and how
// to make its controller.
struct WindowOpener
{
    QLatin1StringView settingsKey;
    std::shared_ptr<ClockWindow> WindowRegistry::*slot;
    std::shared_ptr<ClockWindow> (*make)();

    // Brings the registered window to the front, or makes a controller and shows its window;
    // the controller then registers itself, and from then on the slot alone keeps it alive.
    void show() const;
};

// The digital window first: it is the one shown when no window was open last time.
std::span<const WindowOpener> windowOpeners();
