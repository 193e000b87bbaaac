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
};

// The digital window first: it is the one shown when no window was open last time.
std::span<const WindowOpener> windowOpeners();

// The row of the window kept in slot.
const WindowOpener &windowOpener(std::shared_ptr<ClockWindow> WindowRegistry::*slot);
