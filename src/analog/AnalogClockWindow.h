#pragma once

#include "engine/ClockWindow.h"
#include "engine/Location.h"

#include <QString>

#include <memory>

namespace Ui {
class AnalogClockWindow;
}

// Three dials side by side, kept square: UTC, local civil time and local sidereal time.
class AnalogClockWindow : public ClockWindow
{
    Q_OBJECT

public:
    explicit AnalogClockWindow(const AppUtils::Clock &clock = AppUtils::systemClock(),
                               std::function<Location &()> location = &Location::shared);
    ~AnalogClockWindow() override;

    // Sets all three dials from one reading of the clock, taken as whole seconds: the UTC and
    // local dials with their dates in the user's short date format, then the sidereal dial
    // with the local date. The sidereal dial keeps what it showed while there is no position
    // or no sidereal time; the civil dials never wait for it.
    void update() override;

protected:
    void loadWindow(QMainWindow &window) override;

private:
    void showSidereal(qint64 unixSeconds, const QString &localDate);

    const std::unique_ptr<Ui::AnalogClockWindow> m_ui;
};
