#pragma once

#include "engine/ClockUpdate.h"
#include "engine/ClockWindow.h"
#include "sky/TargetList.h"

#include <AppUtils/DefaultSettings.h>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The night's targets: a row to type one in (name, right ascension and declination in the
// ICRS), and a table of them with, each second, their hour angle, the time to or since the
// meridian, their altitude, air mass and whether they are up; and for tonight, when each rises,
// culminates and sets and how long it stands above an altitude limit (a field of the window) in
// the dark hours. The list and the limit are kept in the settings on every edit and handed to
// the tick, which works out the places and the night; the window only formats them.
// A stored line that holds no target is a row that says why; it is kept until removed.
class TargetsWindow : public ClockWindow
{
    Q_OBJECT

public:
    // tick: the one whose readings are shown and that is told the list. store: where the list
    // is kept.
    explicit TargetsWindow(
        ClockUpdate &tick = ClockUpdate::shared(), AppUtils::DefaultSettings &store = AppUtils::Defaults());
    ~TargetsWindow() override;

    // Rewrites the computed cells from the tick's reading: those of a target the reading has no
    // place for, and all of them without a position, are empty, and one line says why. Only a
    // cell whose text changed is touched.
    void update() override;

protected:
    void loadWindow(QMainWindow &window) override;

private:
    // Adds the typed target when every field reads and the list has room; otherwise selects
    // the field at fault and says why beside the fields. Nothing is stored until then.
    void add();
    // Removes the selected rows.
    void removeSelected();
    // Rebuilds the table from m_lines.
    void showLines();
    void addRow(const TargetLine &line);
    // Keeps the list and hands it to the tick; says so beside the fields when it could not be kept.
    void listChanged();
    // Shows problem beside the fields (none when empty) and selects field, when given.
    void showProblem(const QString &problem, QLineEdit *field = nullptr);
    void setCell(int row, int column, const QString &text);
    // Rewrites a row's night columns from course; empty without one.
    void showCourse(int row, const TargetNight *course);
    // Keeps a limit that reads and hands it to the tick; otherwise says why beside the field and
    // keeps the stored one.
    void limitEdited();

    ClockUpdate &m_tick;
    AppUtils::DefaultSettings &m_store;
    std::vector<TargetLine> m_lines; // one per row
    QLineEdit *m_name = nullptr;
    QLineEdit *m_ra = nullptr;
    QLineEdit *m_dec = nullptr;
    QLabel *m_problem = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_positionStatus = nullptr;
    QLineEdit *m_limit = nullptr; // the dark-time column's altitude limit
    QLabel *m_limitProblem = nullptr;
    std::shared_ptr<const std::vector<TargetNight>> m_shownNights; // what the night columns show
    QPushButton *m_remove = nullptr;
};
