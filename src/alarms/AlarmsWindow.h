#pragma once

#include "engine/Alarm.h"
#include "engine/ClockUpdate.h"
#include "engine/ClockWindow.h"

#include <AppUtils/DefaultSettings.h>

#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTableWidget;

// The alarms: a table of them (name, kind, what each waits for, how long before) and under it
// a row to make one, whose "when" controls follow the chosen kind. The list is kept in the
// settings on every edit and handed to the tick, which rings them; the window only shows them,
// and which rang. A stored line that holds no alarm is a row that says why; it is kept until
// removed. A target alarm whose target is not in the Targets list says that it will not ring.
class AlarmsWindow : public ClockWindow
{
    Q_OBJECT

public:
    // tick: the one whose readings are shown and that is told the list. store: where the list is kept.
    explicit AlarmsWindow(
        ClockUpdate &tick = ClockUpdate::shared(), AppUtils::DefaultSettings &store = AppUtils::Defaults());
    ~AlarmsWindow() override;

    // Marks the rows of the alarms that rang at this reading's second; nothing when none did.
    void update() override;

protected:
    void loadWindow(QMainWindow &window) override;
    // The Targets list may have changed while the window was behind another: each activation
    // looks again.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Adds the typed alarm when every control reads and the list has room; otherwise selects
    // the control at fault and says why beside the controls.
    void add();
    void removeSelected();
    // Shows the "when" controls of the chosen kind.
    void showKind();
    // Offers the Targets list's names; true when they changed.
    bool showTargets();
    void showLines();
    void addRow(const AlarmLine &line);
    // Keeps the list and hands it to the tick; says so beside the controls when it could not be kept.
    void listChanged();
    void showProblem(const QString &problem, QWidget *field = nullptr);

    ClockUpdate &m_tick;
    AppUtils::DefaultSettings &m_store;
    std::vector<AlarmLine> m_lines; // one per row
    QStringList m_targetNames; // as the target chooser offers them
    QTableWidget *m_table = nullptr;
    QPushButton *m_remove = nullptr;
    QLineEdit *m_name = nullptr;
    QComboBox *m_kind = nullptr;
    QLabel *m_whenCaption = nullptr;
    QStackedWidget *m_when = nullptr;
    QLineEdit *m_time = nullptr;
    QCheckBox *m_once = nullptr;
    QDateEdit *m_date = nullptr;
    QComboBox *m_target = nullptr;
    QLineEdit *m_hourAngle = nullptr;
    QComboBox *m_event = nullptr;
    QComboBox *m_trouble = nullptr;
    QSpinBox *m_before = nullptr;
    QLabel *m_problem = nullptr;
};
