#include "ClockWindow.h"

#include "ClockUpdate.h"
#include "WindowRegistry.h"

#include <Platform/FrameAutosave.h>

#include <QMainWindow>

ClockWindow::ClockWindow(Slot slot, QString frameName, const ClockUpdate &tick)
    : m_slot(slot)
    , m_frameName(std::move(frameName))
    , m_tick(tick)
{
}

const ClockReading &ClockWindow::reading() const
{
    return m_tick.reading();
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
