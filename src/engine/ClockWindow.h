#pragma once

#include <Platform/WindowController.h>

#include <memory>

// A clock window controller: refreshed once a second by the tick while it is registered.
// Controllers are owned through std::shared_ptr (see makeClockWindow) so that the registry
// slot can be their only lasting owner and the tick can hold one for the length of a call.
class ClockWindow : public Platform::WindowController, public std::enable_shared_from_this<ClockWindow>
{
public:
    using Platform::WindowController::WindowController;

    // Rewrites everything the window shows from the current instant. Never fails.
    virtual void update() = 0;
};

// Makes a controller whose last owner releases it with deleteLater(): the registry drops its
// reference inside the window's own close handler, where deleting at once would pull the
// window out from under the event being handled.
template <typename Window, typename... Args>
std::shared_ptr<ClockWindow> makeClockWindow(Args &&...args)
{
    return std::shared_ptr<ClockWindow>(new Window(std::forward<Args>(args)...),
                                        [](ClockWindow *window) { window->deleteLater(); });
}
