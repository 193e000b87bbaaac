#include "WindowOpeners.h"

#include "alarms/AlarmsWindow.h"
#include "analog/AnalogClockWindow.h"
#include "digital/HoravaneWindow.h"
#include "preferences/SettingsKeys.h"
#include "sites/SitesWindow.h"
#include "targets/TargetsWindow.h"
#include "tonight/TonightWindow.h"

#include <algorithm>
#include <array>

std::span<const WindowOpener> windowOpeners()
{
    static const std::array openers{
        WindowOpener{
            SettingsKeys::horavaneWindowOpen, &WindowRegistry::openHoravaneWindow, &makeClockWindow<HoravaneWindow>},
        WindowOpener{
            SettingsKeys::analogWindowOpen, &WindowRegistry::openAnalogWindow, &makeClockWindow<AnalogClockWindow>},
        WindowOpener{
            SettingsKeys::targetsWindowOpen, &WindowRegistry::openTargetsWindow, &makeClockWindow<TargetsWindow>},
        WindowOpener{
            SettingsKeys::tonightWindowOpen, &WindowRegistry::openTonightWindow, &makeClockWindow<TonightWindow>},
        WindowOpener{SettingsKeys::alarmsWindowOpen, &WindowRegistry::openAlarmsWindow, &makeClockWindow<AlarmsWindow>},
        WindowOpener{SettingsKeys::sitesWindowOpen, &WindowRegistry::openSitesWindow, &makeClockWindow<SitesWindow>},
    };
    return openers;
}

const WindowOpener &windowOpener(std::shared_ptr<ClockWindow> WindowRegistry::*slot)
{
    const std::span<const WindowOpener> openers = windowOpeners();
    return *std::ranges::find(openers, slot, &WindowOpener::slot);
}
