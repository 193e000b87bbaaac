#include "TonightWindow.h"

#include "TonightTexts.h"

#include "sky/SkyTexts.h"
#include "engine/WindowRegistry.h"

#include <Extensions/Readout.h>

#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QMainWindow>
#include <QVBoxLayout>

#include <cmath>
#include <ctime>

using namespace Qt::StringLiterals;
using Extensions::Readout;

namespace {

// A line's text at the side where the window's lines start, whatever its script: a label
// follows the direction of its own text, so English in a right-to-left window would stay left.
void alignToStart(QLabel &line)
{
    line.setAlignment((line.isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute | Qt::AlignVCenter);
}

constexpr int sunEventCount = 8; // sunset to sunrise, the first of NightEvent

// The Sun's read-outs' object names, in NightEvent's order.
constexpr const char16_t *sunEventNames[sunEventCount]{u"sunset", u"civilDusk", u"nauticalDusk", u"astronomicalDusk",
    u"astronomicalDawn", u"nauticalDawn", u"civilDawn", u"sunrise"};

// Whether the Sun crosses the altitude of event on a night that reaches from brightest to
// darkest: sunset and sunrise lie between day and civil twilight, the twilights' ends between
// each part and the next darker one.
bool sunReaches(NightEvent event, const Night &night)
{
    const int index = static_cast<int>(event);
    // The part of the day the crossing leads into (at dusk) or out of (at dawn).
    const int darkerPart = index < sunEventCount / 2 ? index + 1 : sunEventCount - index;
    return static_cast<int>(night.brightest) < darkerPart && darkerPart <= static_cast<int>(night.darkest);
}

std::size_t at(NightEvent event)
{
    return static_cast<std::size_t>(event);
}

} // namespace

// The window's place is kept under its English title: a translated one would be lost when
// the desktop's language changes.
TonightWindow::TonightWindow(const ClockUpdate &tick)
    : ClockWindow(&WindowRegistry::openTonightWindow, u"Tonight"_s, tick)
{
}

TonightWindow::~TonightWindow() = default;

void TonightWindow::loadWindow(QMainWindow &window)
{
    window.setWindowTitle(tr("Tonight"));
    auto *central = new QWidget(&window);
    auto *column = new QVBoxLayout(central);
    m_status = new QLabel(central);
    m_status->setObjectName(u"m_status"_s);
    m_status->setAccessibleDescription(tr("Why the night is not shown")); // its name is what it says
    m_status->setForegroundRole(QPalette::PlaceholderText);
    m_status->setWordWrap(true);
    alignToStart(*m_status);
    column->addWidget(m_status);
    m_nightPart = new QWidget(central);
    column->addWidget(m_nightPart);
    column->addStretch();
    m_rows = new QFormLayout(m_nightPart);
    m_rows->setContentsMargins(0, 0, 0, 0);
    m_rows->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter); // beside the value; mirrored right to left
    m_rows->setHorizontalSpacing(12);
    m_rows->setVerticalSpacing(6);

    m_title = addLine(tr("The night shown"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_zones = addLine(tr("The time zone of the times shown"));
    m_zones->setObjectName(u"zones"_s);
    m_zones->setForegroundRole(QPalette::PlaceholderText);

    const QString clock = u"00:00"_s;
    const QString notTonight = tr("not tonight");
    addHeading(tr("Sun"));
    m_noSunrise = addLine(tr("Why there is no sunset or sunrise"));
    m_noSunrise->setObjectName(u"noSunrise"_s);
    const QString sunCaptions[]{tr("Sunset:"), tr("Civil dusk:"), tr("Nautical dusk:"), tr("Astronomical dusk:"),
        tr("Astronomical dawn:"), tr("Nautical dawn:"), tr("Civil dawn:"), tr("Sunrise:")};
    for (int i = 0; i < sunEventCount; ++i) {
        if (static_cast<NightEvent>(i) == NightEvent::astronomicalDawn) {
            m_noNight = addLine(tr("Why there is no astronomical night"));
            m_noNight->setObjectName(u"noNight"_s);
        }
        m_events[std::size_t(i)]
            = addRow(sunCaptions[i], {}, {clock, notTonight}, QString::fromUtf16(sunEventNames[i]));
    }
    addHeading(tr("Moon"));
    m_events[at(NightEvent::moonrise)]
        = addRow(tr("Moonrise:"), {}, {clock, TonightTexts::noMoonEvent(NightEvent::moonrise)}, u"moonrise"_s);
    m_events[at(NightEvent::moonset)]
        = addRow(tr("Moonset:"), {}, {clock, TonightTexts::noMoonEvent(NightEvent::moonset)}, u"moonset"_s);
    Night sample;
    sample.moonIllumination = 1;
    sample.moonAgeDays = 29.5;
    m_moonLight = addRow(tr("Illuminated:"), tr("The Moon's illuminated part at midnight, and whether it grows"),
        {TonightTexts::moonLight(sample)}, u"moonLight"_s);
    QStringList phases;
    for (const MoonPhase phase : {MoonPhase::waxingCrescent, MoonPhase::waxingGibbous, MoonPhase::waningGibbous,
             MoonPhase::waningCrescent, MoonPhase::firstQuarter, MoonPhase::lastQuarter}) {
        sample.moonPhase = phase;
        phases << TonightTexts::moonAge(sample);
    }
    m_moonAge
        = addRow(tr("Phase:"), tr("The Moon's phase at midnight, and its age since new Moon"), phases, u"moonAge"_s);
    addHeading(tr("Dark"));
    m_dark = addRow(tr("Dark:"), {}, {clock + u'–' + clock + u", "_s + clock + u'–' + clock}, u"dark"_s);
    m_darkHours = addRow(tr("Dark hours:"), tr("Astronomical night with the Moon down, in all"),
        {SkyTexts::span(23 * 60 + 59)}, u"darkHours"_s);
    addHeading(tr("Now"));
    m_sunAltitude = addRow(tr("Sun altitude:"), tr("The altitude of the Sun's centre, without refraction"),
        {SkyTexts::altitude(-900)}, u"sunAltitude"_s);
    m_moonAltitude = addRow(tr("Moon altitude:"), tr("The altitude of the Moon's centre, without refraction"),
        {SkyTexts::altitude(-900)}, u"moonAltitude"_s);
    QStringList parts, countdowns{TonightTexts::countdown(std::nullopt, 0)};
    for (int part = 0; part <= static_cast<int>(Daylight::night); ++part)
        parts << SkyTexts::daylight(static_cast<Daylight>(part));
    for (int event = 0; event < nightEventCount; ++event)
        countdowns << TonightTexts::countdown(static_cast<NightEvent>(event), 23 * 60 + 59);
    m_daylight = addRow(tr("Part of the day:"), {}, parts, u"daylight"_s);
    m_next = addRow(tr("Next:"), tr("The night's next event, and how long until it"), countdowns, u"next"_s);
    // The lines that say why something is not shown stay out until a reading needs them, so
    // that the window opens no taller than its rows.
    m_status->hide();
    m_rows->setRowVisible(m_noSunrise, false);
    m_rows->setRowVisible(m_noNight, false);
    window.setCentralWidget(central);
}

Readout *TonightWindow::addRow(
    const QString &caption, const QString &description, const QStringList &widest, const QString &objectName)
{
    auto *name = new QLabel(caption, m_nightPart);
    auto *readout = new Readout(m_nightPart);
    readout->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    readout->setAccessibleDescription(description);
    // As wide as the widest text the row shows, so that a new text never lays the window out again.
    readout->reserveWidthFor(widest);
    readout->setObjectName(objectName);
    name->setBuddy(readout); // which makes it the read-out's label for a screen reader
    m_rows->addRow(name, readout);
    return readout;
}

QLabel *TonightWindow::addLine(const QString &description)
{
    auto *line = new QLabel(m_nightPart);
    line->setAccessibleDescription(description);
    line->setWordWrap(true);
    alignToStart(*line);
    m_rows->addRow(line);
    return line;
}

void TonightWindow::addHeading(const QString &text)
{
    auto *heading = new QLabel(text, m_nightPart);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setContentsMargins(0, 6, 0, 0);
    alignToStart(*heading);
    m_rows->addRow(heading);
}

void TonightWindow::update()
{
    const ClockReading &reading = ClockWindow::reading();
    showStatus(reading);
    if (!m_shownNight || *m_shownNight != reading.night) {
        m_shownNight = reading.night;
        m_nightPart->setVisible(reading.night != nullptr);
        if (reading.night)
            showNight(*reading.night);
    }
    if (reading.night && reading.sky)
        showNow(reading);
}

void TonightWindow::showStatus(const ClockReading &reading)
{
    const auto *noPosition = std::get_if<NoPosition>(&reading.observer);
    auto status = std::pair(noPosition ? std::optional(*noPosition) : std::nullopt, reading.night != nullptr);
    if (m_shownStatus == status)
        return;
    m_shownStatus = std::move(status);
    const QString text = noPosition ? noPositionText(*noPosition)
        : reading.night             ? QString()
                                    : TonightTexts::almanacUnavailable();
    m_status->setText(text);
    m_status->setVisible(!text.isEmpty());
}

void TonightWindow::showNight(const Night &night)
{
    tzset(); // the zone in force now, as the reading's local time was worked out in
    m_title->setText(tr("Night of %1").arg(QLocale().toString(night.date, QLocale::LongFormat)));
    m_zones->setText(TonightTexts::zones(night));
    for (int i = 0; i < nightEventCount; ++i) {
        const auto event = static_cast<NightEvent>(i);
        Readout &row = *m_events[at(event)];
        const std::optional<SkyInstant> &when = night.at(event);
        const bool sun = event != NightEvent::moonrise && event != NightEvent::moonset;
        const QString utc = when ? TonightTexts::utcTime(*when) : QString();
        row.setText(when ? SkyTexts::localClock(*when) : sun ? tr("not tonight") : TonightTexts::noMoonEvent(event));
        row.setToolTip(utc);
        row.setAccessibleDescription(utc);
        // A crossing the Sun never makes leaves its row out; the line across says why.
        if (sun)
            m_rows->setRowVisible(&row, when || sunReaches(event, night));
    }
    const QString noSunrise = TonightTexts::brightestSentence(night.brightest);
    const QString noNight = TonightTexts::darkestSentence(night.darkest);
    m_noSunrise->setText(noSunrise);
    m_noNight->setText(noNight);
    m_rows->setRowVisible(m_noSunrise, !noSunrise.isEmpty());
    m_rows->setRowVisible(m_noNight, !noNight.isEmpty());
    m_moonLight->setText(TonightTexts::moonLight(night));
    m_moonAge->setText(TonightTexts::moonAge(night));
    m_dark->setText(TonightTexts::darkIntervals(night));
    const QString darkUtc = night.dark.empty() ? QString() : TonightTexts::darkIntervals(night, true);
    m_dark->setToolTip(darkUtc);
    m_dark->setAccessibleDescription(darkUtc);
    m_darkHours->setText(SkyTexts::span(std::llround(night.darkHours() * 60)));
    m_rows->setRowVisible(m_darkHours, !night.dark.empty());
}

void TonightWindow::showNow(const ClockReading &reading)
{
    const SkyNow &sky = *reading.sky;
    const long long sunTenths = std::llround(sky.sunAltitude * 10);
    if (std::exchange(m_sunTenths, sunTenths) != sunTenths)
        m_sunAltitude->setText(SkyTexts::altitude(sunTenths));
    const long long moonTenths = std::llround(sky.moonAltitude * 10);
    if (std::exchange(m_moonTenths, moonTenths) != moonTenths)
        m_moonAltitude->setText(SkyTexts::altitude(moonTenths));
    if (std::exchange(m_shownDaylight, sky.daylight) != sky.daylight)
        m_daylight->setText(SkyTexts::daylight(sky.daylight));
    const auto countdown = std::pair(sky.next, sky.next ? TonightTexts::minutesUntil(reading.instant, sky.nextAt) : 0);
    if (std::exchange(m_shownCountdown, countdown) != countdown)
        m_next->setText(TonightTexts::countdown(countdown.first, countdown.second));
}
