#include "ClockWindow.h"

#include "WindowRegistry.h"

#include <Platform/FrameAutosave.h>

#include <QMainWindow>

ClockWindow::ClockWindow(Slot slot, QString frameName, const AppUtils::Clock &clock,
                         std::function<Location &()> location)
    : m_slot(slot)
    , m_frameName(std::move(frameName))
    , m_clock(clock)
    , m_location(std::move(location))
{
}

void ClockWindow::windowDidLoad()
{
    Platform::FrameAutosave::attach(*window(), m_frameName);
    windowRegistry().*m_slot = shared_from_this();
}

void ClockWindow::windowWillClose()
{
    (windowRegistry().*m_slot).reset();
}
