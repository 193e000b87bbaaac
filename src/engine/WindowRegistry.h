#pragma once

#include "ClockWindow.h"

#include <memory>

// The places through which the tick, the menu commands and shutdown find the open clock
// windows. Each controller puts itself in its slot when its window has loaded and takes itself
// out when the window closes; the slot is the controller's only lasting owner.
struct WindowRegistry
{
    std::shared_ptr<ClockWindow> openHoravaneWindow;
    std::shared_ptr<ClockWindow> openAnalogWindow;
    std::shared_ptr<ClockWindow> openTargetsWindow;
    std::shared_ptr<ClockWindow> openTonightWindow;
    std::shared_ptr<ClockWindow> openSitesWindow;
    std::shared_ptr<ClockWindow> openAlarmsWindow;
};

WindowRegistry &windowRegistry();
