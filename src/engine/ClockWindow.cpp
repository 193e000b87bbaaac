#include "ClockWindow.h"

#include "WindowRegistry.h"

#include <Platform/FrameAutosave.h>

#include <QMainWindow>

ClockWindow::ClockWindow(Slot slot, QString frameName)
    : m_slot(slot)
    , m_frameName(std::move(frameName))
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
