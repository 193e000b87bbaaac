#pragma once

#include "engine/ClockWindow.h"
#include "engine/Location.h"

#include <memory>

namespace Ui {
class HoravaneWindow;
}

// The digital read-out: local time, UTC, local sidereal time, position and its source, and
// under them a line saying why the position is empty when it is.
class HoravaneWindow : public ClockWindow
{
    Q_OBJECT

public:
    explicit HoravaneWindow(const AppUtils::Clock &clock = AppUtils::systemClock(),
                            std::function<Location &()> location = &Location::shared);
    ~HoravaneWindow() override;

    // Rewrites all five read-outs from one reading of the clock.
    void update() override;

protected:
    void loadWindow(QMainWindow &window) override;

private:
    // The source name, the position and the local sidereal time at now.
    void showObserver(std::chrono::system_clock::time_point now);
    static QString whyNoPosition(NoPosition reason);

    const std::unique_ptr<Ui::HoravaneWindow> m_ui;
};
