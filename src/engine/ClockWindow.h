#pragma once

#include <Platform/WindowController.h>

#include <memory>

class ClockUpdate;
struct ClockReading;
struct WindowRegistry;

// A clock window controller: refreshed once a second by the tick while its window is open.
// Controllers are owned through std::shared_ptr (see makeClockWindow) so that the registry
// slot can be their only lasting owner and the tick can hold one for the length of a call.
class ClockWindow : public Platform::WindowController, public std::enable_shared_from_this<ClockWindow>
{
    Q_OBJECT

public:
    using Slot = std::shared_ptr<ClockWindow> WindowRegistry::*;

    // Shows reading(), the tick's one reading. Never fails.
    virtual void update() = 0;

protected:
    // slot: where the controller registers while its window is open. frameName: the name
    // under which the window's place is kept. tick: the one that refreshes the window and
    // holds what it shows.
    ClockWindow(Slot slot, QString frameName, const ClockUpdate &tick);

    const ClockReading &reading() const;

    // Keeps the window's place under frameName and registers the controller.
    void windowDidLoad() override;
    // Unregisters: the registry held the last reference, so the controller goes too.
    void windowWillClose() override;

private:
    const Slot m_slot;
    const QString m_frameName;
    const ClockUpdate &m_tick;
};

// Makes a controller whose last owner releases it with deleteLater(): the registry drops its
// reference inside the window's own close handler, where deleting at once would pull the
// window out from under the event being handled.
template <typename Window, typename... Args>
std::shared_ptr<ClockWindow> makeClockWindow(Args &&...args)
{
    return std::shared_ptr<ClockWindow>(
        new Window(std::forward<Args>(args)...), [](ClockWindow *window) { window->deleteLater(); });
}
