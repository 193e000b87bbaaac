#include "WindowOpeners.h"

#include "Lifecycle.h"
#include "digital/HoravaneWindow.h"
#include "preferences/SettingsKeys.h"

#include <array>

void WindowOpener::show() const
{
    std::shared_ptr<ClockWindow> controller = windowRegistry().*slot;
    if (!controller)
        controller = make();
    controller->showWindow();
    qCDebug(lcLifecycle) << "window shown" << settingsKey;
}

std::span<const WindowOpener> windowOpeners()
{
    static const std::array openers{
        WindowOpener{SettingsKeys::horavaneWindowOpen, &WindowRegistry::openHoravaneWindow,
                     &makeClockWindow<HoravaneWindow>},
    };
    return openers;
}
