#pragma once

#include "engine/ClockUpdate.h"
#include "engine/ClockWindow.h"
#include "sky/Site.h"

#include <AppUtils/DefaultSettings.h>

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// Remote observatories side by side: a row to type one in (name, latitude, longitude,
// elevation and a time zone of the system's), and a table of them with, each second, the civil
// time in the site's own zone with its offset, its local apparent sidereal time and whether it
// is day, twilight or night there. The list is kept in the settings on every edit and handed to
// the tick, which works the values out; the window only formats them. "Observe from here" makes
// the selected site the observer's position. A stored line that holds no site is a row that
// says why; it is kept until removed.
class SitesWindow : public ClockWindow
{
    Q_OBJECT

public:
    // Makes a latitude and longitude (degrees, north and east positive) the observer's manual
    // position and selects that source, storing both; false when they could not be stored.
    using PositionKeeper = std::function<bool(double latitude, double longitude)>;

    // tick: the one whose readings are shown and that is told the list. store: where the list
    // is kept. keeper: who keeps the observer's position.
    explicit SitesWindow(ClockUpdate &tick = ClockUpdate::shared(),
        AppUtils::DefaultSettings &store = AppUtils::Defaults(), PositionKeeper keeper = positionKeeper());
    ~SitesWindow() override;

    // The keeper the windows made without one use: the General pane's, set once at launch.
    static PositionKeeper &positionKeeper();

    // Rewrites the clock columns from the tick's reading; only a cell whose text changed is touched.
    void update() override;

protected:
    void loadWindow(QMainWindow &window) override;

private:
    // Adds the typed site when every field reads and the list has room; otherwise selects the
    // field at fault and says why beside the fields.
    void add();
    void removeSelected();
    void observeFromSelected();
    void showLines();
    void addRow(const SiteLine &line);
    // Keeps the list and hands it to the tick; says so beside the fields when it could not be kept.
    void listChanged();
    void showProblem(const QString &problem, QWidget *field = nullptr);
    void setCell(int row, int column, const QString &text);

    ClockUpdate &m_tick;
    AppUtils::DefaultSettings &m_store;
    PositionKeeper m_keeper;
    std::vector<SiteLine> m_lines; // one per row
    QLineEdit *m_name = nullptr;
    QLineEdit *m_latitude = nullptr;
    QLineEdit *m_longitude = nullptr;
    QLineEdit *m_elevation = nullptr;
    QComboBox *m_zone = nullptr;
    QLabel *m_problem = nullptr;
    QTableWidget *m_table = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_observe = nullptr;
    QString m_cell; // reused each second for the clock texts
    // The part of the day each row shows, so that its text is looked up only when it changes.
    std::vector<std::optional<Daylight>> m_shownDaylight;
};
