#include "SitesWindow.h"

#include "SiteStore.h"
#include "engine/WindowRegistry.h"
#include "sky/SkyTexts.h"
#include "sky/Target.h"

#include <AppUtils/Digits.h>
#include <Extensions/CellsDelegate.h>
#include <Extensions/DirectionIsolates.h>
#include <Extensions/ProblemLine.h>
#include <Extensions/SelectedRows.h>
#include <Extensions/ShownText.h>
#include <Platform/TextField.h>

#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

enum Column { nameColumn, zoneColumn, timeColumn, lstColumn, daylightColumn, columnCount };

// Why a stored or typed line holds no site, in one line.
QString problemText(SiteLineProblem problem)
{
    switch (problem) {
    case SiteLineProblem::fields:
        return SitesWindow::tr(
            "This line is not a latitude, a longitude, an elevation, a time zone and a name separated by tabs");
    case SiteLineProblem::latitude:
        return SitesWindow::tr("The latitude is not a number of degrees from −90 to +90");
    case SiteLineProblem::longitude:
        return SitesWindow::tr("The longitude is not a number of degrees from −180 to +180");
    case SiteLineProblem::elevation:
        return SitesWindow::tr("The elevation is not a number of metres from −500 to 9000");
    case SiteLineProblem::zone:
        return SitesWindow::tr("This system has no such time zone: choose one from the list");
    case SiteLineProblem::name:
        return SitesWindow::tr("The name is empty, longer than %1 characters or holds a control character")
            .arg(maxTargetNameLength);
    case SiteLineProblem::tooMany:
        return SitesWindow::tr("The list follows at most %1 sites: this one waits until one is removed").arg(maxSites);
    }
    return {};
}

// Appends "UTC+05:30" or "UTC−04:00" (U+2212).
void appendOffset(QString &text, int seconds)
{
    text += seconds < 0 ? u"UTC\u2212"_s : u"UTC+"_s;
    const int minutes = std::abs(seconds) / 60;
    AppUtils::appendPadded(text, minutes / 60, 2);
    text += u':';
    AppUtils::appendPadded(text, minutes % 60, 2);
}

// A typed number: the whole text as a decimal number, or none. Empty gives fallback.
std::optional<double> typedNumber(const QLineEdit &field, std::optional<double> fallback = std::nullopt)
{
    const QString text = field.text().trimmed().replace(u'\u2212', u'-');
    if (text.isEmpty())
        return fallback;
    const Platform::TextField::LeadingNumber<double> number = Platform::TextField::leadingDouble(text);
    if (number.length == 0 || number.length != text.size() || number.overflow)
        return std::nullopt;
    return number.value;
}

} // namespace

SitesWindow::PositionKeeper &SitesWindow::positionKeeper()
{
    static PositionKeeper keeper;
    return keeper;
}

// The window's place is kept under its English title: a translated one would be lost when
// the desktop's language changes.
SitesWindow::SitesWindow(ClockUpdate &tick, AppUtils::DefaultSettings &store, PositionKeeper keeper)
    : ClockWindow(&WindowRegistry::openSitesWindow, u"Sites"_s, tick)
    , m_tick(tick)
    , m_store(store)
    , m_keeper(std::move(keeper))
{
}

SitesWindow::~SitesWindow() = default;

void SitesWindow::loadWindow(QMainWindow &window)
{
    window.setWindowTitle(tr("Sites"));
    auto *central = new QWidget(&window);
    auto *grid = new QGridLayout(central);
    const auto caption = [central, grid](const QString &label, QWidget *field, int column) {
        // The caption first: screen readers meet a window's parts in the order they were made.
        auto *text = new QLabel(label, central);
        text->setBuddy(field);
        grid->addWidget(text, 0, column);
        grid->addWidget(field, 1, column);
    };
    const auto edit = [central](const QString &accessible, const QString &example) {
        auto *field = new QLineEdit(central);
        field->setAccessibleName(accessible);
        field->setPlaceholderText(example);
        return field;
    };
    m_name = edit(tr("Site name"), tr("Cerro Pachón"));
    m_name->setMaxLength(maxTargetNameLength);
    caption(tr("&Name"), m_name, 0);
    m_latitude = edit(tr("Latitude, degrees, north positive"), u"−30.2407"_s);
    caption(tr("&Latitude"), m_latitude, 1);
    m_longitude = edit(tr("Longitude, degrees, east positive"), u"−70.7366"_s);
    caption(tr("L&ongitude"), m_longitude, 2);
    m_elevation = edit(tr("Elevation, metres"), u"2715"_s);
    caption(tr("&Elevation"), m_elevation, 3);
    for (QLineEdit *number : {m_latitude, m_longitude, m_elevation})
        number->setLayoutDirection(Qt::LeftToRight);
    // The system's own zones, found by any part of their name as it is typed.
    m_zone = new QComboBox(central);
    m_zone->setEditable(true);
    m_zone->setInsertPolicy(QComboBox::NoInsert);
    m_zone->setAccessibleName(tr("Time zone"));
    QStringList zones;
    for (const QByteArray &id : QTimeZone::availableTimeZoneIds())
        zones << QString::fromLatin1(id);
    m_zone->addItems(zones);
    m_zone->setCurrentIndex(-1);
    m_zone->lineEdit()->setPlaceholderText(u"America/Santiago"_s);
    auto *completer = new QCompleter(zones, m_zone);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    m_zone->setCompleter(completer);
    caption(tr("&Time zone"), m_zone, 4);
    auto *addButton = new QPushButton(tr("&Add"), central);
    grid->addWidget(addButton, 1, 5);
    m_problem = new QLabel(central);
    m_problem->setObjectName(u"m_problem"_s);
    m_problem->setForegroundRole(QPalette::PlaceholderText);
    m_problem->setWordWrap(true);
    grid->addWidget(m_problem, 2, 0, 1, 6);

    m_table = new QTableWidget(0, columnCount, central);
    m_table->setAccessibleName(tr("Sites"));
    m_table->setHorizontalHeaderLabels({tr("Name"), tr("Time zone"), tr("Local time"), tr("LST"), tr("Daylight")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    // Each clock column is as wide as the widest text it can show, so that a new second never
    // lays the table out again; fixed-width digits keep the text from shifting sideways.
    const QFontMetrics metrics(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const auto narrower = [&metrics](const QString &a, const QString &b) {
        return metrics.horizontalAdvance(a) < metrics.horizontalAdvance(b);
    };
    QString widestDaylight;
    for (const Daylight part : {Daylight::day, Daylight::civilTwilight, Daylight::nauticalTwilight,
             Daylight::astronomicalTwilight, Daylight::night})
        widestDaylight = std::max(widestDaylight, SkyTexts::daylight(part), narrower);
    const QString widest[]{{}, u"America/Argentina/ComodRivadavia"_s, u"00:00:00 UTC\u221200:00"_s, u"00:00:00"_s,
        widestDaylight};
    QHeaderView *header = m_table->horizontalHeader();
    for (int column = zoneColumn; column < columnCount; ++column) {
        const int text = metrics.horizontalAdvance(widest[column]) + 2 * metrics.averageCharWidth();
        m_table->setColumnWidth(column, std::max(text, header->sectionSizeHint(column)));
    }
    header->setSectionResizeMode(nameColumn, QHeaderView::Stretch);
    // The clocks change every second: drawn as cells, not shaped again each time.
    auto *clocks = new Extensions::CellsDelegate(&Extensions::ltrIsolated, m_table);
    for (const int column : {timeColumn, lstColumn})
        m_table->setItemDelegateForColumn(column, clocks);
    grid->addWidget(m_table, 3, 0, 1, 6);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    m_observe = new QPushButton(tr("&Observe from Here"), central);
    m_observe->setObjectName(u"m_observe"_s);
    m_observe->setToolTip(tr("Makes the selected site the observer's position, as a manual position"));
    m_remove = new QPushButton(tr("&Remove"), central);
    for (QPushButton *button : {m_observe, m_remove}) {
        button->setEnabled(false);
        bottom->addWidget(button);
    }
    grid->addLayout(bottom, 4, 0, 1, 6);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(4, 1);
    window.setCentralWidget(central);
    window.resize(980, 360);

    auto *deleteKey = new QAction(m_table);
    deleteKey->setShortcut(QKeySequence::Delete);
    deleteKey->setShortcutContext(Qt::WidgetShortcut);
    m_table->addAction(deleteKey);
    connect(deleteKey, &QAction::triggered, this, &SitesWindow::removeSelected);
    connect(m_remove, &QPushButton::clicked, this, &SitesWindow::removeSelected);
    connect(m_observe, &QPushButton::clicked, this, &SitesWindow::observeFromSelected);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, [this] {
        const QList<QModelIndex> rows = m_table->selectionModel()->selectedRows();
        m_remove->setEnabled(!rows.isEmpty());
        m_observe->setEnabled(rows.size() == 1
            && std::holds_alternative<Site>(m_lines[std::size_t(rows.front().row())]) && m_keeper);
    });
    connect(addButton, &QPushButton::clicked, this, &SitesWindow::add);
    for (QLineEdit *field : {m_name, m_latitude, m_longitude, m_elevation, m_zone->lineEdit()})
        connect(field, &QLineEdit::returnPressed, this, &SitesWindow::add);
    showProblem({});

    // The list has the focus at first: a caret blinking in an empty field all night would
    // repaint the window twice a second.
    m_table->setFocus();
    SiteListRead read = loadSites(m_store);
    m_lines = std::move(read.lines);
    showLines();
    const std::vector<Site> sites = sitesAmong(m_lines);
    m_tick.setSites(sites);
    QStringList problems;
    if (const std::size_t unread = m_lines.size() - sites.size())
        problems << (unread == 1
                ? tr("A stored row holds no site: it is kept as it is, and its tooltip says why")
                : tr("%1 stored rows hold no site: they are kept as they are, and their tooltips say why").arg(unread));
    if (read.leftOut)
        problems << tr("The stored list is too long: its last %1 characters are not shown").arg(read.leftOut);
    showProblem(problems.join(u' '));
}

void SitesWindow::update()
{
    const ClockReading &reading = ClockWindow::reading();
    std::size_t index = 0; // among the sites, which the reading carries in their order
    for (std::size_t row = 0; row < m_lines.size(); ++row) {
        const auto *site = std::get_if<Site>(&m_lines[row]);
        if (!site)
            continue;
        // The reading may be older than an edit of the list: it then holds other sites.
        const SiteReading *now
            = index < reading.sites.size() && reading.sites[index].site == *site ? &reading.sites[index] : nullptr;
        ++index;
        const int r = int(row);
        m_cell.clear();
        if (now) {
            AppUtils::appendClock(m_cell, now->localSecondOfDay);
            m_cell += u' ';
            appendOffset(m_cell, now->utcOffsetSeconds);
        }
        setCell(r, timeColumn, m_cell);
        m_cell.clear();
        if (now && now->siderealSeconds)
            AppUtils::appendClock(m_cell, int(*now->siderealSeconds));
        setCell(r, lstColumn, m_cell);
        const std::optional<Daylight> part = now ? now->daylight : std::nullopt;
        if (part != m_shownDaylight[row]) {
            setCell(r, daylightColumn, part ? SkyTexts::daylight(*part) : QString());
            m_shownDaylight[row] = part;
        }
    }
}

void SitesWindow::setCell(int row, int column, const QString &text)
{
    QTableWidgetItem *item = m_table->item(row, column);
    if (item->text() != text)
        item->setText(text);
}

void SitesWindow::showLines()
{
    m_table->setRowCount(0);
    for (const SiteLine &line : m_lines)
        addRow(line);
    m_shownDaylight.assign(m_lines.size(), std::nullopt); // the new rows' cells are empty
    update();
}

void SitesWindow::addRow(const SiteLine &line)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    QString texts[columnCount];
    QString about; // the site's place, or why the line holds none
    bool unread = false;
    if (const auto *site = std::get_if<Site>(&line)) {
        texts[nameColumn] = site->name;
        texts[zoneColumn] = QString::fromLatin1(site->zone);
        about = tr("Latitude %1°, longitude %2°, elevation %3 m")
                    .arg(site->latitude, 0, 'f', 4)
                    .arg(site->longitude, 0, 'f', 4)
                    .arg(site->elevation, 0, 'f', 0);
    } else {
        // A line that holds no site shows what it holds, in its columns where it has them.
        const UnreadSiteLine &unreadLine = std::get<UnreadSiteLine>(line);
        const QList<QStringView> fields = QStringView(unreadLine.text).split(u'\t');
        texts[nameColumn] = Extensions::shownAsIs(fields.size() == 5 ? fields[4] : unreadLine.text);
        if (fields.size() == 5)
            texts[zoneColumn] = Extensions::shownAsIs(fields[3]);
        about = problemText(unreadLine.problem);
        unread = true;
    }
    const QFont digits = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int column = 0; column < columnCount; ++column) {
        auto *item = new QTableWidgetItem(texts[column]);
        QFont font = column == nameColumn || column == zoneColumn ? m_table->font() : digits;
        font.setItalic(unread);
        item->setFont(font);
        item->setToolTip(about);
        item->setData(Qt::AccessibleDescriptionRole, about);
        m_table->setItem(row, column, item);
    }
}

void SitesWindow::add()
{
    if (int(sitesAmong(m_lines).size()) >= maxSites)
        return showProblem(tr("The list holds at most %1 sites: remove one to add another").arg(maxSites));
    const QString siteName = targetName(m_name->text());
    if (siteName.isEmpty())
        return showProblem(tr("Give the site a name of at most %1 characters").arg(maxTargetNameLength), m_name);
    const std::optional<double> latitude = typedNumber(*m_latitude);
    if (!latitude)
        return showProblem(problemText(SiteLineProblem::latitude), m_latitude);
    const std::optional<double> longitude = typedNumber(*m_longitude);
    if (!longitude)
        return showProblem(problemText(SiteLineProblem::longitude), m_longitude);
    const std::optional<double> elevation = typedNumber(*m_elevation, 0.0);
    if (!elevation)
        return showProblem(problemText(SiteLineProblem::elevation), m_elevation);
    // Checked as a stored line is, so that what is added reads back the same.
    const SiteLine typed = Site{siteName, *latitude, *longitude, *elevation, m_zone->currentText().trimmed().toLatin1()};
    const std::vector<SiteLine> read = siteListFromText(siteListText({&typed, 1})).lines;
    if (const auto *unread = read.empty() ? nullptr : std::get_if<UnreadSiteLine>(&read.front())) {
        QWidget *const fields[]{nullptr, m_latitude, m_longitude, m_elevation, m_zone, m_name, nullptr};
        return showProblem(problemText(unread->problem), fields[static_cast<int>(unread->problem)]);
    }
    std::vector<SiteLine> lines = m_lines;
    lines.push_back(typed);
    if (siteListText(lines).size() > maxSiteListLength)
        return showProblem(tr("The unreadable rows leave no room to store another site: remove one of them"));
    m_lines = std::move(lines);
    for (QLineEdit *field : {m_name, m_latitude, m_longitude, m_elevation})
        field->clear();
    m_zone->setCurrentIndex(-1);
    m_name->setFocus();
    listChanged();
}

void SitesWindow::removeSelected()
{
    if (Extensions::eraseSelectedRows(*m_table, m_lines))
        listChanged();
}

void SitesWindow::observeFromSelected()
{
    const QList<QModelIndex> rows = m_table->selectionModel()->selectedRows();
    if (rows.size() != 1 || !m_keeper)
        return;
    const auto *site = std::get_if<Site>(&m_lines[std::size_t(rows.front().row())]);
    if (!site)
        return;
    if (m_keeper(site->latitude, site->longitude))
        showProblem(tr("The clocks now observe from %1").arg(site->name));
    else
        showProblem(tr("The clocks observe from %1, but the settings file %2 cannot be written")
                        .arg(site->name, m_store.fileName()));
}

void SitesWindow::listChanged()
{
    // Read again as the store will, so that a site waiting beyond the limit takes a place a
    // removal freed.
    m_lines = siteListFromText(siteListText(m_lines)).lines;
    showLines();
    m_tick.setSites(sitesAmong(m_lines));
    if (saveSites(m_store, m_lines))
        showProblem({});
    else
        showProblem(tr("Cannot write the settings file %1: the list is kept, and saved once it can be")
                        .arg(m_store.fileName()));
}

void SitesWindow::showProblem(const QString &problem, QWidget *field)
{
    Extensions::showProblem(*m_problem, problem, {m_name, m_latitude, m_longitude, m_elevation, m_zone}, field);
}
