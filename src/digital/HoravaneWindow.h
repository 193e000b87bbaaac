#pragma once

#include "engine/ClockWindow.h"
#include "engine/Location.h"

#include <AppUtils/Clock.h>

#include <functional>
#include <memory>

namespace Ui {
class HoravaneWindow;
}

// The digital read-out: local time, UTC, local sidereal time, position and its source.
class HoravaneWindow : public ClockWindow
{
    Q_OBJECT

public:
    // location: how to reach the position provider; asked at each refresh, so that the shared
    // provider is made at the first refresh, not before.
    explicit HoravaneWindow(const AppUtils::Clock &clock = AppUtils::systemClock(),
                            std::function<Location &()> location = &Location::shared);
    ~HoravaneWindow() override;

    // Rewrites all five read-outs from one reading of the clock.
    void update() override;

protected:
    void loadWindow(QMainWindow &window) override;
    void windowDidLoad() override;
    void windowWillClose() override;

private:
    // The source name, the position and the local sidereal time at now.
    void showObserver(std::chrono::system_clock::time_point now);

    const AppUtils::Clock &m_clock;
    const std::function<Location &()> m_location;
    const std::unique_ptr<Ui::HoravaneWindow> m_ui;
};
