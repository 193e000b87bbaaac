#pragma once

#include "engine/ClockWindow.h"

#include <AppUtils/Clock.h>

#include <memory>

namespace Ui {
class HoravaneWindow;
}

// The digital read-out: local time, UTC, local sidereal time, position and its source.
class HoravaneWindow : public ClockWindow
{
    Q_OBJECT

public:
    explicit HoravaneWindow(const AppUtils::Clock &clock = AppUtils::systemClock());
    ~HoravaneWindow() override;

    // Rewrites all five read-outs from one reading of the clock.
    void update() override;

protected:
    void loadWindow(QMainWindow &window) override;
    void windowDidLoad() override;
    void windowWillClose() override;

private:
    const AppUtils::Clock &m_clock;
    std::unique_ptr<Ui::HoravaneWindow> m_ui;
};
