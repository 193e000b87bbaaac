#pragma once

#include "engine/ClockUpdate.h"
#include "engine/ClockWindow.h"

#include <memory>
#include <optional>

class AlarmBanner;
class DetailsPanel;
namespace Extensions {
class FittingFonts;
}

namespace Ui {
class HoravaneWindow;
}

// The digital read-out: local time, UTC, local sidereal time, position and its source, and
// under them a line saying why the position is empty when it is; below, when asked for, the
// details section; above them all, after an alarm rang, a band saying so until it is dismissed.
// Made larger than its contents, the window shows them in a larger font.
class HoravaneWindow : public ClockWindow
{
    Q_OBJECT

public:
    explicit HoravaneWindow(const ClockUpdate &tick = ClockUpdate::shared());
    ~HoravaneWindow() override;

    // Rewrites the read-outs from the tick's reading; only a text that changed is repainted.
    void update() override;

    // Opens or closes the details section under the read-outs. The window's height follows,
    // keeping the size of the text.
    void setDetailsShown(bool shown);

Q_SIGNALS:
    // The button beside a status line that asks for a position to be chosen was pressed.
    void positionPreferencesWanted();
    // The details' offer to keep Earth-orientation data current was taken.
    void earthOrientationDownloadWanted();

protected:
    void loadWindow(QMainWindow &window) override;

private:
    // The source name, the position and the status line, which change only when the observer
    // or the settings do.
    void showObserver(const ClockReading &reading);
    void alignLabels();
    // The window's height follows its contents at the size their text has, keeping its width.
    void fitHeight();

    // What the observer read-outs were last written for.
    struct ShownObserver
    {
        ObserverSettings settings;
        std::variant<ObserverPosition, NoPosition> observer;
        bool operator==(const ShownObserver &) const = default;
    };

    const std::unique_ptr<Ui::HoravaneWindow> m_ui;
    DetailsPanel *m_details = nullptr;
    AlarmBanner *m_banner = nullptr;
    Extensions::FittingFonts *m_fonts = nullptr; // owned by the central widget
    std::optional<ShownObserver> m_shownObserver;
};
