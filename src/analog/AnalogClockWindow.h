#pragma once

#include "engine/ClockUpdate.h"
#include "engine/ClockWindow.h"

#include <memory>

namespace Ui {
class AnalogClockWindow;
}

// Three dials side by side, kept square: UTC, local civil time and local sidereal time.
class AnalogClockWindow : public ClockWindow
{
    Q_OBJECT

public:
    explicit AnalogClockWindow(const ClockUpdate &tick = ClockUpdate::shared());
    ~AnalogClockWindow() override;

    // Sets all three dials from the tick's reading, taken as whole seconds: the UTC and local
    // dials with their dates in the user's short date format, then the sidereal dial, rounded
    // to the nearest second, with the local date, on the face the settings choose (the civil
    // dials are always 12-hour). The sidereal dial keeps what it showed while there is no
    // sidereal time; the civil dials never wait for it.
    void update() override;

protected:
    void loadWindow(QMainWindow &window) override;

private:
    const std::unique_ptr<Ui::AnalogClockWindow> m_ui;
};
