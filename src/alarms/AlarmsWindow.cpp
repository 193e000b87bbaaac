#include "AlarmsWindow.h"

#include "AlarmStore.h"
#include "engine/AlarmTexts.h"
#include "engine/WindowRegistry.h"
#include "sky/Target.h"

#include <Extensions/ProblemLine.h>
#include <Extensions/SelectedRows.h>
#include <Extensions/ShownText.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

enum Column { nameColumn, kindColumn, whenColumn, beforeColumn, columnCount };

// The kind chooser's entries, in its order, each as an alarm of that kind.
const std::array<AlarmWhen, 6> kinds{
    SiderealAlarm{}, CivilAlarm{}, CivilAlarm{0, true, std::nullopt}, TargetAlarm{}, TonightAlarm{}, HealthAlarm{}};
enum Kind { lstKind, localKind, utcKind, targetKind, tonightKind, healthKind };
// The "when" pages: a time of day, a target and hour angle, an event, a trouble.
enum Page { clockPage, targetPage, eventPage, troublePage };

bool isClockKind(QStringView kindWord)
{
    return kindWord == alarmFieldsOf(kinds[lstKind]).kind || kindWord == alarmFieldsOf(kinds[localKind]).kind
        || kindWord == alarmFieldsOf(kinds[utcKind]).kind;
}

// Why a stored or typed line holds no alarm, in one line; kindWord says what its when field is.
QString problemText(AlarmLineProblem problem, QStringView kindWord)
{
    switch (problem) {
    case AlarmLineProblem::fields:
        return AlarmsWindow::tr(
            "This line is not a kind, a time, a target, minutes before and a name separated by tabs");
    case AlarmLineProblem::kind:
        return AlarmsWindow::tr("The kind is not one of lst, local, utc, target, tonight or health");
    case AlarmLineProblem::when:
        if (isClockKind(kindWord))
            return AlarmsWindow::tr("The time is not HH:MM:SS from 00:00:00 to 23:59:59 (24:00:00 is the next "
                                    "day's 00:00:00), with a date YYYY-MM-DD before it for once");
        if (kindWord == alarmFieldsOf(kinds[targetKind]).kind)
            return AlarmsWindow::tr("The hour angle is not a number of hours from −12 to +12");
        return AlarmsWindow::tr("The event or trouble is not one this alarm can wait for");
    case AlarmLineProblem::target:
        return AlarmsWindow::tr("Only a target alarm names a target, and it names one");
    case AlarmLineProblem::minutesBefore:
        return AlarmsWindow::tr("The minutes before are not a whole number from 0 to %1 (0 for the clock's health)")
            .arg(maxMinutesBefore);
    case AlarmLineProblem::name:
        return AlarmsWindow::tr("The name is empty, longer than %1 characters or holds a control character")
            .arg(maxTargetNameLength);
    case AlarmLineProblem::tooMany:
        return AlarmsWindow::tr("Only the first %1 alarms ring: this one waits until one is removed").arg(maxAlarms);
    }
    return {};
}

// A typed time of day as the list writes it: "21:00" and "9:00:00" read as "21:00:00" and "09:00:00".
QString typedClock(const QLineEdit &field)
{
    QString text = field.text().trimmed();
    if (text.size() == 4 || text.size() == 5)
        text += u":00"_s;
    if (text.size() == 7)
        text.prepend(u'0');
    return text;
}

} // namespace

// The window's place is kept under its English title: a translated one would be lost when
// the desktop's language changes.
AlarmsWindow::AlarmsWindow(ClockUpdate &tick, AppUtils::DefaultSettings &store)
    : ClockWindow(&WindowRegistry::openAlarmsWindow, u"Alarms"_s, tick)
    , m_tick(tick)
    , m_store(store)
{
}

AlarmsWindow::~AlarmsWindow() = default;

void AlarmsWindow::loadWindow(QMainWindow &window)
{
    window.setWindowTitle(tr("Alarms"));
    auto *central = new QWidget(&window);
    auto *grid = new QGridLayout(central);

    m_table = new QTableWidget(0, columnCount, central);
    m_table->setAccessibleName(tr("Alarms"));
    m_table->setHorizontalHeaderLabels({tr("Name"), tr("Kind"), tr("When"), tr("Before")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(whenColumn, QHeaderView::Stretch);
    grid->addWidget(m_table, 0, 0, 1, 5);
    m_remove = new QPushButton(tr("&Remove"), central);
    m_remove->setEnabled(false);
    grid->addWidget(m_remove, 1, 4);

    // Each caption first: screen readers meet a window's parts in the order they were made.
    const auto caption = [central, grid](const QString &label, QWidget *field, int row, int column) {
        auto *text = new QLabel(label, central);
        text->setBuddy(field);
        grid->addWidget(text, row, column);
        grid->addWidget(field, row, column + 1);
        return text;
    };
    m_name = new QLineEdit(central);
    m_name->setAccessibleName(tr("Alarm name"));
    m_name->setPlaceholderText(tr("Flip M42"));
    m_name->setMaxLength(maxTargetNameLength);
    caption(tr("&Name"), m_name, 2, 0);
    m_kind = new QComboBox(central);
    m_kind->setAccessibleName(tr("Kind of alarm"));
    for (const AlarmWhen &kind : kinds)
        m_kind->addItem(AlarmTexts::kind(kind));
    caption(tr("&Kind"), m_kind, 2, 2);

    m_when = new QStackedWidget(central);
    m_whenCaption = caption(tr("&When"), m_when, 3, 0);
    const auto page = [this] {
        auto *widget = new QWidget(m_when);
        auto *row = new QHBoxLayout(widget);
        row->setContentsMargins({});
        m_when->addWidget(widget);
        return std::pair(widget, row);
    };
    const auto [clock, clockRow] = page();
    m_time = new QLineEdit(clock);
    m_time->setAccessibleName(tr("Time, HH:MM:SS"));
    m_time->setPlaceholderText(u"21:00:00"_s);
    m_time->setLayoutDirection(Qt::LeftToRight);
    m_once = new QCheckBox(tr("&Once, on"), clock);
    m_date = new QDateEdit(clock);
    m_date->setAccessibleName(tr("Date of the one alarm"));
    m_date->setDisplayFormat(u"yyyy-MM-dd"_s);
    m_date->setCalendarPopup(true);
    m_date->setEnabled(false);
    clockRow->addWidget(m_time, 1);
    clockRow->addWidget(m_once);
    clockRow->addWidget(m_date);
    connect(m_once, &QCheckBox::toggled, m_date, &QWidget::setEnabled);

    const auto [target, targetRow] = page();
    m_target = new QComboBox(target);
    m_target->setAccessibleName(tr("Target of the Targets list"));
    auto *atHourAngle = new QLabel(tr("at &hour angle"), target);
    m_hourAngle = new QLineEdit(target);
    m_hourAngle->setAccessibleName(tr("Hour angle, hours, positive past the meridian"));
    m_hourAngle->setPlaceholderText(tr("0: on the meridian"));
    m_hourAngle->setLayoutDirection(Qt::LeftToRight);
    atHourAngle->setBuddy(m_hourAngle);
    targetRow->addWidget(m_target, 2);
    targetRow->addWidget(atHourAngle);
    targetRow->addWidget(m_hourAngle, 1);
    targetRow->addWidget(new QLabel(tr("h", "hours of hour angle"), target));

    const auto [event, eventRow] = page();
    m_event = new QComboBox(event);
    m_event->setAccessibleName(tr("Event of the night"));
    for (int i = 0; i < alarmEventCount; ++i)
        m_event->addItem(AlarmTexts::when(TonightAlarm{AlarmEvent(i)}));
    eventRow->addWidget(m_event, 1);

    const auto [trouble, troubleRow] = page();
    m_trouble = new QComboBox(trouble);
    m_trouble->setAccessibleName(tr("Trouble of the clock"));
    for (int i = 0; i < clockTroubleCount; ++i)
        m_trouble->addItem(AlarmTexts::when(HealthAlarm{ClockTrouble(i)}));
    troubleRow->addWidget(m_trouble, 1);

    m_before = new QSpinBox(central);
    m_before->setAccessibleName(tr("Minutes before"));
    m_before->setRange(0, maxMinutesBefore);
    m_before->setSuffix(tr(" min"));
    caption(tr("&Before"), m_before, 3, 2);
    auto *addButton = new QPushButton(tr("&Add"), central);
    grid->addWidget(addButton, 3, 4);
    m_problem = new QLabel(central);
    m_problem->setObjectName(u"m_problem"_s);
    m_problem->setForegroundRole(QPalette::PlaceholderText);
    m_problem->setWordWrap(true);
    grid->addWidget(m_problem, 4, 0, 1, 5);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(0, 1);
    window.setCentralWidget(central);
    window.resize(820, 420);
    window.installEventFilter(this);

    auto *deleteKey = new QAction(m_table);
    deleteKey->setShortcut(QKeySequence::Delete);
    deleteKey->setShortcutContext(Qt::WidgetShortcut);
    m_table->addAction(deleteKey);
    connect(deleteKey, &QAction::triggered, this, &AlarmsWindow::removeSelected);
    connect(m_remove, &QPushButton::clicked, this, &AlarmsWindow::removeSelected);
    connect(m_table, &QTableWidget::itemSelectionChanged, this,
        [this] { m_remove->setEnabled(m_table->selectionModel()->hasSelection()); });
    connect(m_kind, &QComboBox::currentIndexChanged, this, &AlarmsWindow::showKind);
    connect(addButton, &QPushButton::clicked, this, &AlarmsWindow::add);
    for (QLineEdit *field : {m_name, m_time, m_hourAngle})
        connect(field, &QLineEdit::returnPressed, this, &AlarmsWindow::add);
    const ClockReading &reading = ClockWindow::reading();
    m_date->setDate(QDate(reading.local.tm_year + 1900, reading.local.tm_mon + 1, reading.local.tm_mday));
    showTargets();
    showKind();
    showProblem({});

    // The list has the focus at first: a caret blinking in an empty field all night would
    // repaint the window twice a second.
    m_table->setFocus();
    AlarmListRead read = loadAlarms(m_store);
    m_lines = std::move(read.lines);
    showLines();
    const std::vector<Alarm> alarms = alarmsAmong(m_lines);
    m_tick.setAlarms(alarms);
    QStringList problems;
    if (const std::size_t unread = m_lines.size() - alarms.size())
        problems << (unread == 1
                ? tr("A stored row holds no alarm: it is kept as it is, and says why")
                : tr("%1 stored rows hold no alarm: they are kept as they are, and say why").arg(unread));
    if (read.leftOut)
        problems << tr("The stored list is too long: its last %1 characters are not shown").arg(read.leftOut);
    showProblem(problems.join(u' '));
}

bool AlarmsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && showTargets())
        showLines();
    return ClockWindow::eventFilter(watched, event);
}

void AlarmsWindow::update()
{
    const std::vector<AlarmFiring> &rang = ClockWindow::reading().alarmsRang;
    if (rang.empty())
        return;
    for (const AlarmFiring &firing : rang) {
        const QString at = tr("rang at %1")
                               .arg(QDateTime::fromSecsSinceEpoch(
                                   std::chrono::floor<std::chrono::seconds>(firing.due).time_since_epoch().count())
                                        .toString(u"HH:mm:ss"));
        for (std::size_t row = 0; row < m_lines.size(); ++row) {
            const auto *alarm = std::get_if<Alarm>(&m_lines[row]);
            if (!alarm || *alarm != firing.alarm)
                continue;
            QTableWidgetItem &when = *m_table->item(int(row), whenColumn);
            const QString text = AlarmTexts::when(alarm->when) + u" — "_s + at;
            if (when.text() != text) {
                when.setText(text);
                when.setData(Qt::AccessibleDescriptionRole, AlarmTexts::rang(firing));
            }
        }
    }
}

void AlarmsWindow::showKind()
{
    const int kind = m_kind->currentIndex();
    const Page page = kind == targetKind ? targetPage
        : kind == tonightKind            ? eventPage
        : kind == healthKind             ? troublePage
                                         : clockPage;
    m_when->setCurrentIndex(page);
    QWidget *const first[]{m_time, m_target, m_event, m_trouble};
    m_whenCaption->setBuddy(first[page]);
    // A sidereal time comes back every sidereal day: it has no date.
    m_once->setVisible(kind != lstKind);
    m_date->setVisible(kind != lstKind);
    // The clock's health rings when the trouble starts.
    m_before->setEnabled(kind != healthKind);
    if (kind == healthKind)
        m_before->setValue(0);
}

bool AlarmsWindow::showTargets()
{
    QStringList names;
    for (const Target &target : m_tick.targets())
        names << target.name;
    if (names == m_targetNames)
        return false;
    m_targetNames = names;
    const QString chosen = m_target->currentText();
    m_target->clear();
    m_target->addItems(names);
    m_target->setCurrentIndex(std::max(0, int(names.indexOf(chosen))));
    return true;
}

void AlarmsWindow::showLines()
{
    m_table->setRowCount(0);
    for (const AlarmLine &line : m_lines)
        addRow(line);
}

void AlarmsWindow::addRow(const AlarmLine &line)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    QString texts[columnCount];
    QString about; // what it waits for, or why the line holds no alarm
    bool unread = false;
    if (const auto *alarm = std::get_if<Alarm>(&line)) {
        texts[nameColumn] = alarm->name;
        texts[kindColumn] = AlarmTexts::kind(alarm->when);
        texts[whenColumn] = AlarmTexts::when(alarm->when);
        texts[beforeColumn] = tr("%n min", nullptr, alarm->minutesBefore);
        about = AlarmTexts::whenWithOffset(*alarm);
        const auto *target = std::get_if<TargetAlarm>(&alarm->when);
        if (target && !m_targetNames.contains(target->target)) {
            const QString missing = tr("not in the Targets list: it will not ring");
            texts[whenColumn] += u" — "_s + missing;
            about += u" — "_s + missing;
        }
    } else {
        // A line that holds no alarm shows what it holds where it has it, and why in its When column.
        const UnreadAlarmLine &unreadLine = std::get<UnreadAlarmLine>(line);
        const QList<QStringView> fields = QStringView(unreadLine.text).split(u'\t');
        const bool five = fields.size() == 5;
        texts[nameColumn] = Extensions::shownAsIs(five ? fields[4] : unreadLine.text);
        if (five) {
            texts[kindColumn] = Extensions::shownAsIs(fields[0]);
            texts[beforeColumn] = Extensions::shownAsIs(fields[3]);
        }
        about = texts[whenColumn] = problemText(unreadLine.problem, five ? fields[0] : QStringView());
        unread = true;
    }
    for (int column = 0; column < columnCount; ++column) {
        auto *item = new QTableWidgetItem(texts[column]);
        QFont font = m_table->font();
        font.setItalic(unread);
        item->setFont(font);
        item->setToolTip(about);
        item->setData(Qt::AccessibleDescriptionRole, about);
        m_table->setItem(row, column, item);
    }
}

void AlarmsWindow::add()
{
    if (int(alarmsAmong(m_lines).size()) >= maxAlarms)
        return showProblem(tr("The list holds at most %1 alarms: remove one to add another").arg(maxAlarms));
    if (targetName(m_name->text()).isEmpty())
        return showProblem(tr("Give the alarm a name of at most %1 characters").arg(maxTargetNameLength), m_name);
    const int kind = m_kind->currentIndex();
    const QString kindWord = alarmFieldsOf(kinds[std::size_t(kind)]).kind;
    QString when;
    QString target;
    QWidget *whenField = m_time;
    switch (kind) {
    case lstKind:
        when = typedClock(*m_time);
        break;
    case localKind:
    case utcKind:
        when = typedClock(*m_time);
        if (m_once->isChecked())
            when.prepend(m_date->date().toString(Qt::ISODate) + u'T');
        break;
    case targetKind:
        if (m_target->currentIndex() < 0)
            return showProblem(tr("The Targets list is empty: add the target there first"), m_target);
        target = m_target->currentText();
        when = m_hourAngle->text().trimmed().replace(u'\u2212', u'-');
        if (when.isEmpty())
            when = u"0"_s;
        whenField = m_hourAngle;
        break;
    case tonightKind:
        when = alarmFieldsOf(TonightAlarm{AlarmEvent(m_event->currentIndex())}).when;
        break;
    case healthKind:
        when = alarmFieldsOf(HealthAlarm{ClockTrouble(m_trouble->currentIndex())}).when;
        break;
    }
    // Read as a stored line is, so that what is added reads back the same.
    const QString typed = kindWord + u'\t' + when + u'\t' + target + u'\t' + QString::number(m_before->value()) + u'\t'
        + m_name->text();
    const std::vector<AlarmLine> read = alarmListFromText(typed).lines;
    if (read.size() != 1)
        return showProblem(problemText(AlarmLineProblem::name, kindWord), m_name);
    if (const auto *unread = std::get_if<UnreadAlarmLine>(&read.front())) {
        QWidget *const fields[]{m_name, m_kind, whenField, m_target, m_before, m_name, nullptr};
        return showProblem(problemText(unread->problem, kindWord), fields[static_cast<int>(unread->problem)]);
    }
    std::vector<AlarmLine> lines = m_lines;
    lines.push_back(read.front());
    if (alarmListText(lines).size() > maxAlarmListLength)
        return showProblem(tr("The settings have no room to store another alarm: remove one, or give shorter names"));
    m_lines = std::move(lines);
    for (QLineEdit *field : {m_name, m_time, m_hourAngle})
        field->clear();
    m_name->setFocus();
    listChanged();
}

void AlarmsWindow::removeSelected()
{
    if (Extensions::eraseSelectedRows(*m_table, m_lines))
        listChanged();
}

void AlarmsWindow::listChanged()
{
    // Read again as the store will, so that an alarm waiting beyond the limit takes a place a
    // removal freed.
    m_lines = alarmListFromText(alarmListText(m_lines)).lines;
    showLines();
    m_tick.setAlarms(alarmsAmong(m_lines));
    if (saveAlarms(m_store, m_lines))
        showProblem({});
    else
        showProblem(tr("Cannot write the settings file %1: the list is kept, and saved once it can be")
                        .arg(m_store.fileName()));
}

void AlarmsWindow::showProblem(const QString &problem, QWidget *field)
{
    Extensions::showProblem(*m_problem, problem, {m_name, m_kind, m_time, m_target, m_hourAngle, m_before}, field);
}
