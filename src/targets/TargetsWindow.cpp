#include "TargetsWindow.h"

#include "TargetCells.h"
#include "TargetStore.h"
#include "engine/IsoTime.h"
#include "engine/WindowRegistry.h"
#include "preferences/SettingsKeys.h"
#include "sky/SkyTexts.h"

#include <Extensions/CellsDelegate.h>
#include <Extensions/DirectionIsolates.h>
#include <Extensions/ProblemLine.h>
#include <Extensions/SelectedRows.h>
#include <Extensions/ShownText.h>
#include <Platform/TextField.h>

#include <QAction>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The per-second columns, then tonight's.
enum Column {
    name,
    ra,
    dec,
    hourAngle,
    meridian,
    altitude,
    airMass,
    state,
    rise,
    transit,
    set,
    darkHours,
    columnCount
};

// The altitudes the dark-time limit may take, in degrees.
constexpr double lowestLimit = 0;
constexpr double highestLimit = 89;

// The stored limit, or the default in place of one out of range (a hand edit).
double storedLimit(const AppUtils::DefaultSettings &store)
{
    const double limit = store.loadDouble(SettingsKeys::targetMinAltitude, SettingsDefaults::targetMinAltitude);
    return limit >= lowestLimit && limit <= highestLimit ? limit : SettingsDefaults::targetMinAltitude;
}

// Why a typed coordinate was refused, in one line.
QString problemText(CoordinateProblem problem, bool rightAscension)
{
    switch (problem) {
    case CoordinateProblem::empty:
        return rightAscension ? TargetsWindow::tr("Type a right ascension, such as 05 35 17.3")
                              : TargetsWindow::tr("Type a declination, such as −05 23 28");
    case CoordinateProblem::unreadable:
        return rightAscension
            ? TargetsWindow::tr(
                "The right ascension reads as neither hours (5.588) nor hours, minutes and seconds (05 35 17.3)")
            : TargetsWindow::tr(
                "The declination reads as neither degrees (−5.391) nor degrees, minutes and seconds (−05 23 28)");
    case CoordinateProblem::sign:
        return TargetsWindow::tr("A right ascension has no sign: it runs from 0 h to 24 h");
    case CoordinateProblem::minutes:
        return TargetsWindow::tr("Minutes run from 0 to 59");
    case CoordinateProblem::seconds:
        return TargetsWindow::tr("Seconds run from 0 to 59.9…");
    case CoordinateProblem::range:
        return rightAscension ? TargetsWindow::tr("A right ascension is below 24 h")
                              : TargetsWindow::tr("A declination lies between −90° and +90°");
    }
    return {};
}

// Why a stored line holds no target, in one line.
QString problemText(TargetLineProblem problem)
{
    switch (problem) {
    case TargetLineProblem::fields:
        return TargetsWindow::tr("This line is not a right ascension, a declination and a name separated by tabs");
    case TargetLineProblem::rightAscension:
        return TargetsWindow::tr("The right ascension is not a number of hours from 0 to below 24");
    case TargetLineProblem::declination:
        return TargetsWindow::tr("The declination is not a number of degrees from −90 to +90");
    case TargetLineProblem::name:
        return TargetsWindow::tr("The name is empty, longer than %1 characters or holds a control character")
            .arg(maxTargetNameLength);
    case TargetLineProblem::tooMany:
        return TargetsWindow::tr("The list follows at most %1 targets: this one waits until one is removed")
            .arg(maxTargets);
    }
    return {};
}

QString unreadableState()
{
    return TargetsWindow::tr("unreadable");
}

} // namespace

// The window's place is kept under its English title: a translated one would be lost when
// the desktop's language changes.
TargetsWindow::TargetsWindow(ClockUpdate &tick, AppUtils::DefaultSettings &store)
    : ClockWindow(&WindowRegistry::openTargetsWindow, u"Targets"_s, tick)
    , m_tick(tick)
    , m_store(store)
{
}

TargetsWindow::~TargetsWindow() = default;

void TargetsWindow::loadWindow(QMainWindow &window)
{
    window.setWindowTitle(tr("Targets"));
    auto *central = new QWidget(&window);
    auto *grid = new QGridLayout(central);
    const auto field
        = [central, grid](const QString &label, const QString &accessible, const QString &example, int column) {
              // The caption first: screen readers meet a window's parts in the order they were made.
              auto *caption = new QLabel(label, central);
              auto *edit = new QLineEdit(central);
              edit->setAccessibleName(accessible);
              edit->setPlaceholderText(example);
              caption->setBuddy(edit);
              grid->addWidget(caption, 0, column);
              grid->addWidget(edit, 1, column);
              return edit;
          };
    m_name = field(tr("&Name"), tr("Target name"), tr("M42"), 0);
    m_ra = field(tr("&RA (J2000)"), tr("Right ascension, J2000"), u"05 35 17.3"_s, 1);
    m_dec = field(tr("D&ec (J2000)"), tr("Declination, J2000"), u"−05 23 28"_s, 2);
    m_name->setMaxLength(maxTargetNameLength);
    for (QLineEdit *coordinate : {m_ra, m_dec})
        coordinate->setLayoutDirection(Qt::LeftToRight); // typed as read, in every locale
    auto *addButton = new QPushButton(tr("&Add"), central);
    grid->addWidget(addButton, 1, 3);
    // Quieter than the fields, in the palette's own dimmed text colour, as the General pane's notes.
    m_problem = new QLabel(central);
    m_problem->setObjectName(u"m_problem"_s);
    m_problem->setForegroundRole(QPalette::PlaceholderText);
    m_problem->setWordWrap(true);
    grid->addWidget(m_problem, 2, 0, 1, 4);

    m_table = new QTableWidget(0, columnCount, central);
    m_table->setAccessibleName(tr("Targets"));
    const double limit = storedLimit(m_store);
    m_table->setHorizontalHeaderLabels(
        {tr("Name"), tr("RA"), tr("Dec"), tr("Hour angle"), tr("Meridian"), tr("Altitude"), tr("Airmass"), tr("State"),
            tr("Rise"), tr("Transit"), tr("Set"), TargetCells::darkHeading(limit)});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    // Each column is as wide as the widest text it can show, so that a new second never lays
    // the table out again; fixed-width digits keep the text from shifting sideways.
    const QFont digits = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QFontMetrics metrics(digits);
    const auto narrower = [&metrics](const QString &a, const QString &b) {
        return metrics.horizontalAdvance(a) < metrics.horizontalAdvance(b);
    };
    TargetNight circumpolar;
    circumpolar.circumpolar = true;
    const QString riseOrSet = std::max(TargetCells::riseOrSet(circumpolar, {}), u"00:00"_s, narrower);
    const QString widest[]{{}, u"00 00 00.0"_s, u"−00 00 00"_s, u"−00 00 00"_s, TargetCells::meridian(-43000),
        u"−00.0°"_s, u"00.00"_s, std::max(TargetCells::state(Visibility::neverRises), unreadableState(), narrower),
        riseOrSet, u"00:00"_s, riseOrSet, TargetCells::duration(std::chrono::hours(23) + std::chrono::minutes(59))};
    QHeaderView *header = m_table->horizontalHeader();
    for (int column = ra; column < columnCount; ++column) {
        const int text = metrics.horizontalAdvance(widest[column]) + 2 * metrics.averageCharWidth();
        m_table->setColumnWidth(column, std::max(text, header->sectionSizeHint(column)));
    }
    header->setSectionResizeMode(name, QHeaderView::Stretch);
    m_table->setItemDelegate(new Extensions::CellsDelegate(&Extensions::firstStrongIsolated, m_table));
    auto *coordinates = new Extensions::CellsDelegate(&Extensions::ltrIsolated, m_table);
    for (const int column : {ra, dec, hourAngle, altitude, airMass})
        m_table->setItemDelegateForColumn(column, coordinates);
    grid->addWidget(m_table, 3, 0, 1, 4);

    m_positionStatus = new QLabel(central);
    m_positionStatus->setObjectName(u"m_positionStatus"_s);
    m_positionStatus->setAccessibleDescription(tr("Why no position is shown")); // its name is what it says
    m_positionStatus->setForegroundRole(QPalette::PlaceholderText);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_positionStatus, 1);
    // The limit of the dark-time column, read as a sentence: "Dark hours above [30] °".
    auto *limitCaption = new QLabel(tr("Dark hours a&bove"), central);
    m_limit = new QLineEdit(central);
    m_limit->setObjectName(u"m_limit"_s);
    m_limit->setAccessibleName(tr("Lowest altitude for dark hours, degrees"));
    m_limit->setLayoutDirection(Qt::LeftToRight);
    m_limit->setAlignment(Qt::AlignRight);
    m_limit->setMaximumWidth(metrics.horizontalAdvance(u"00.000"_s) + 4 * metrics.averageCharWidth());
    Platform::TextField::setDoubleValue(*m_limit, limit);
    limitCaption->setBuddy(m_limit);
    bottom->addWidget(limitCaption);
    bottom->addWidget(m_limit);
    bottom->addWidget(new QLabel(u"°"_s, central));
    bottom->addSpacing(metrics.averageCharWidth() * 2);
    m_remove = new QPushButton(tr("&Remove"), central);
    m_remove->setEnabled(false);
    bottom->addWidget(m_remove);
    grid->addLayout(bottom, 4, 0, 1, 4);
    m_limitProblem = new QLabel(central);
    m_limitProblem->setObjectName(u"m_limitProblem"_s);
    m_limitProblem->setForegroundRole(QPalette::PlaceholderText);
    m_limitProblem->setAlignment(Qt::AlignRight);
    m_limitProblem->hide();
    grid->addWidget(m_limitProblem, 5, 0, 1, 4);
    grid->setColumnStretch(0, 1);
    window.setCentralWidget(central);
    window.resize(1180, 400);

    auto *deleteKey = new QAction(m_table);
    deleteKey->setShortcut(QKeySequence::Delete);
    deleteKey->setShortcutContext(Qt::WidgetShortcut);
    m_table->addAction(deleteKey);
    connect(deleteKey, &QAction::triggered, this, &TargetsWindow::removeSelected);
    connect(m_remove, &QPushButton::clicked, this, &TargetsWindow::removeSelected);
    connect(m_table, &QTableWidget::itemSelectionChanged, this,
        [this] { m_remove->setEnabled(!m_table->selectedItems().isEmpty()); });
    connect(addButton, &QPushButton::clicked, this, &TargetsWindow::add);
    for (QLineEdit *edit : {m_name, m_ra, m_dec})
        connect(edit, &QLineEdit::returnPressed, this, &TargetsWindow::add);
    connect(m_limit, &QLineEdit::editingFinished, this, &TargetsWindow::limitEdited);
    showProblem({});
    m_tick.setTargetLimit(limit);

    // The list has the focus at first: a caret blinking in an empty field all night would
    // repaint the window twice a second, and the fields are a click or Alt+N away.
    m_table->setFocus();
    m_lines = loadTargets(m_store);
    showLines();
    const std::vector<Target> targets = targetsAmong(m_lines);
    m_tick.setTargets(targets);
    if (const std::size_t unread = m_lines.size() - targets.size())
        showProblem(unread == 1
                ? tr("A stored row holds no target: it is kept as it is, and its tooltip says why")
                : tr("%1 stored rows hold no target: they are kept as they are, and their tooltips say why")
                      .arg(unread));
}

void TargetsWindow::update()
{
    const ClockReading &reading = ClockWindow::reading();
    const auto *noPosition = std::get_if<NoPosition>(&reading.observer);
    const QDate today(reading.local.tm_year + 1900, reading.local.tm_mon + 1, reading.local.tm_mday);
    QString status;
    if (noPosition)
        status = noPositionText(*noPosition);
    else if (!reading.night && !almanacCovers(nightDateOf(today, reading.local.tm_hour)))
        status = tr("No rising and setting times: the almanac covers the years 1900 to 2100");
    if (m_positionStatus->text() != status)
        m_positionStatus->setText(status);
    // The night's columns change only with the night, the list or the limit: a new pointer.
    const bool newNights = reading.targetNights != m_shownNights;
    m_shownNights = reading.targetNights;
    std::size_t index = 0; // among the targets, which the reading places in their order
    for (std::size_t row = 0; row < m_lines.size(); ++row) {
        const auto *target = std::get_if<Target>(&m_lines[row]);
        if (!target)
            continue;
        // The reading may be older than an edit of the list: it then holds other targets.
        const bool placed = index < reading.targets.size() && reading.targets[index].target == *target;
        const TargetPlace *place = placed && !noPosition ? &reading.targets[index] : nullptr;
        const bool charted
            = m_shownNights && index < m_shownNights->size() && (*m_shownNights)[index].target == *target;
        const TargetNight *course = charted ? &(*m_shownNights)[index] : nullptr;
        ++index;
        const int r = int(row);
        setCell(r, hourAngle, place ? TargetCells::hourAngle(place->hourAngle) : QString());
        setCell(r, meridian, place ? TargetCells::meridian(place->secondsToMeridian) : QString());
        setCell(r, altitude, place ? SkyTexts::altitude(std::llround(place->altitude * 10)) : QString());
        setCell(r, airMass, place ? TargetCells::airmass(place->altitude) : QString());
        setCell(r, state, place ? TargetCells::state(place->visibility) : QString());
        if (newNights)
            showCourse(r, course);
    }
}

void TargetsWindow::showCourse(int row, const TargetNight *course)
{
    // A time shows its UTC as tooltip and accessible description.
    const auto show = [this, row](int column, const QString &text, const std::optional<SkyInstant> &instant) {
        setCell(row, column, text);
        QTableWidgetItem &item = *m_table->item(row, column);
        const QString utc = instant ? isoText(*instant, 0) : QString();
        if (item.toolTip() != utc) {
            item.setToolTip(utc);
            item.setData(Qt::AccessibleDescriptionRole, utc);
        }
    };
    if (!course) {
        for (const int column : {rise, transit, set})
            show(column, {}, std::nullopt);
        return setCell(row, darkHours, {});
    }
    const bool rises = course->rise || course->circumpolar;
    show(rise, TargetCells::riseOrSet(*course, course->rise), course->rise);
    show(transit, TargetCells::transit(*course), rises ? std::optional(course->transit) : std::nullopt);
    show(set, TargetCells::riseOrSet(*course, course->set), course->set);
    setCell(row, darkHours, TargetCells::duration(course->darkAboveLimit));
}

void TargetsWindow::limitEdited()
{
    const QString text = m_limit->text().trimmed();
    const Platform::TextField::LeadingNumber<double> number = Platform::TextField::leadingDouble(text);
    const double limit = number.value;
    QString problem;
    if (number.length == 0 || number.length != text.size() || !(limit >= lowestLimit && limit <= highestLimit))
        problem = tr("Not used: the altitude is a number of degrees from %1 to %2").arg(lowestLimit).arg(highestLimit);
    else {
        if (!m_store.saveDouble(SettingsKeys::targetMinAltitude, limit))
            problem = tr("Cannot write the settings file %1: the altitude holds until Horavane ends")
                          .arg(m_store.fileName());
        m_tick.setTargetLimit(limit);
        m_table->horizontalHeaderItem(darkHours)->setText(TargetCells::darkHeading(limit));
    }
    m_limitProblem->setText(problem);
    m_limitProblem->setVisible(!problem.isEmpty());
    m_limit->setAccessibleDescription(problem);
}

void TargetsWindow::setCell(int row, int column, const QString &text)
{
    QTableWidgetItem *item = m_table->item(row, column);
    if (item->text() != text)
        item->setText(text);
}

void TargetsWindow::showLines()
{
    m_table->setRowCount(0);
    for (const TargetLine &line : m_lines)
        addRow(line);
    m_shownNights.reset(); // the new rows' night cells are empty
    update();
}

void TargetsWindow::addRow(const TargetLine &line)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    QString texts[columnCount];
    QString problem;
    if (const auto *target = std::get_if<Target>(&line)) {
        texts[name] = target->name;
        texts[ra] = rightAscensionText(target->raHours);
        texts[dec] = declinationText(target->decDegrees);
    } else {
        // A line that holds no target shows what it holds, in its columns where it has them.
        const UnreadTargetLine &unread = std::get<UnreadTargetLine>(line);
        const QList<QStringView> fields = QStringView(unread.text).split(u'\t');
        texts[name] = Extensions::shownAsIs(fields.size() == 3 ? fields[2] : unread.text);
        if (fields.size() == 3) {
            texts[ra] = Extensions::shownAsIs(fields[0]);
            texts[dec] = Extensions::shownAsIs(fields[1]);
        }
        texts[state] = unreadableState();
        problem = problemText(unread.problem);
    }
    const QFont digits = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int column = 0; column < columnCount; ++column) {
        auto *item = new QTableWidgetItem(texts[column]);
        QFont font = column == name ? m_table->font() : digits;
        if (!problem.isEmpty()) {
            font.setItalic(true);
            item->setToolTip(problem);
            item->setData(Qt::AccessibleDescriptionRole, problem);
        }
        item->setFont(font);
        m_table->setItem(row, column, item);
    }
}

void TargetsWindow::add()
{
    if (int(targetsAmong(m_lines).size()) >= maxTargets)
        return showProblem(tr("The list holds at most %1 targets: remove one to add another").arg(maxTargets));
    const QString name = targetName(m_name->text());
    if (name.isEmpty())
        return showProblem(tr("Give the target a name of at most %1 characters").arg(maxTargetNameLength), m_name);
    const CoordinateEntry ra = parseRightAscension(m_ra->text());
    if (const auto *problem = std::get_if<CoordinateProblem>(&ra))
        return showProblem(problemText(*problem, true), m_ra);
    const CoordinateEntry dec = parseDeclination(m_dec->text());
    if (const auto *problem = std::get_if<CoordinateProblem>(&dec))
        return showProblem(problemText(*problem, false), m_dec);

    std::vector<TargetLine> lines = m_lines;
    lines.push_back(Target{name, std::get<double>(ra), std::get<double>(dec)});
    if (targetListText(lines).size() > maxStoredListLength)
        return showProblem(tr("The unreadable rows leave no room to store another target: remove one of them"));
    m_lines = std::move(lines);
    for (QLineEdit *edit : {m_name, m_ra, m_dec})
        edit->clear();
    m_name->setFocus();
    listChanged();
}

void TargetsWindow::removeSelected()
{
    if (Extensions::eraseSelectedRows(*m_table, m_lines))
        listChanged();
}

void TargetsWindow::listChanged()
{
    // Read again as the store will, so that a target waiting beyond the limit takes a place a
    // removal freed.
    m_lines = targetListFromText(targetListText(m_lines));
    showLines();
    m_tick.setTargets(targetsAmong(m_lines));
    if (saveTargets(m_store, m_lines))
        showProblem({});
    else
        showProblem(tr("Cannot write the settings file %1: the list is kept, and saved once it can be")
                        .arg(m_store.fileName()));
}

void TargetsWindow::showProblem(const QString &problem, QLineEdit *field)
{
    Extensions::showProblem(*m_problem, problem, {m_name, m_ra, m_dec}, field);
}
