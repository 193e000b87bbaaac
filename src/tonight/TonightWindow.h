#pragma once

#include "engine/ClockUpdate.h"
#include "engine/ClockWindow.h"

#include <array>
#include <memory>
#include <optional>

class QFormLayout;
class QLabel;
namespace Extensions {
class Readout;
}

// The observer's night from local noon to the next: sunset, twilight, sunrise, the Moon, the
// dark hours, and now the Sun's and the Moon's altitudes, the part of the day and the time to
// the next event. The night's rows are remade when the tick hands over another night; each
// second only the rows about now, and each only when its text changed. Without a position or
// a night, one line says why.
class TonightWindow : public ClockWindow
{
    Q_OBJECT

public:
    explicit TonightWindow(const ClockUpdate &tick = ClockUpdate::shared());
    ~TonightWindow() override;

    void update() override;

protected:
    void loadWindow(QMainWindow &window) override;

private:
    using Readout = Extensions::Readout;

    // A caption and its value; the caption first, as a screen reader meets them.
    // widest: the texts it may show, the widest of which sets its width; objectName: for tests.
    Readout *addRow(
        const QString &caption, const QString &description, const QStringList &widest, const QString &objectName);
    // A line across both columns, for a text that changes once a night at most.
    QLabel *addLine(const QString &description);
    void addHeading(const QString &text);
    void showStatus(const ClockReading &reading);
    void showNight(const Night &night);
    void showNow(const ClockReading &reading);

    QWidget *m_nightPart = nullptr; // every row but the status line
    QFormLayout *m_rows = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_zones = nullptr;
    std::array<Readout *, nightEventCount> m_events{};
    QLabel *m_noSunrise = nullptr;
    QLabel *m_noNight = nullptr;
    Readout *m_moonLight = nullptr;
    Readout *m_moonAge = nullptr;
    Readout *m_dark = nullptr;
    Readout *m_darkHours = nullptr;
    Readout *m_sunAltitude = nullptr;
    Readout *m_moonAltitude = nullptr;
    Readout *m_daylight = nullptr;
    Readout *m_next = nullptr;

    // What is shown, so that nothing is remade for the same values: the night (held, so that
    // another night cannot take its address), the reason there is none, and the rows about now.
    std::optional<std::shared_ptr<const Night>> m_shownNight;
    std::optional<std::pair<std::optional<NoPosition>, bool>> m_shownStatus; // why none, whether a night
    std::optional<long long> m_sunTenths;
    std::optional<long long> m_moonTenths;
    std::optional<Daylight> m_shownDaylight;
    std::optional<std::pair<std::optional<NightEvent>, long long>> m_shownCountdown;
};
