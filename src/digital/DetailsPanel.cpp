#include "DetailsPanel.h"

#include "engine/Alarm.h"
#include "look/NightPalette.h"

#include <AppUtils/Digits.h>
#include <Extensions/Readout.h>

#include <QEvent>
#include <QFontDatabase>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

using Extensions::Readout;

using namespace Qt::StringLiterals;

namespace {

QString signedSeconds(double seconds)
{
    return QString::asprintf("%+.4f s", seconds);
}

QString milliseconds(std::chrono::microseconds bound)
{
    const double ms = double(bound.count()) / 1000.0;
    return ms < 10 ? QString::number(ms, 'f', 1) : QString::number(std::round(ms), 'f', 0);
}

} // namespace

DetailsPanel::DetailsPanel(QWidget *parent)
    : QWidget(parent)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 4, 0, 0);
    auto *rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    column->addWidget(rule);
    auto *rows = m_rows = new QFormLayout;
    rows->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    rows->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rows->setHorizontalSpacing(12);
    rows->setVerticalSpacing(6);
    column->addLayout(rows);

    m_ut1 = addRow(tr("UT1 − UTC:"), tr("UT1 minus UTC in seconds, and where it comes from"));
    m_ut1Problem = addProblemLine(tr("Why an Earth-orientation file was set aside"));
    m_downloadRow = new QWidget(this);
    auto *download = new QHBoxLayout(m_downloadRow);
    download->setContentsMargins(0, 0, 0, 0);
    m_downloadLine = new Readout(m_downloadRow);
    m_downloadLine->setForegroundRole(QPalette::PlaceholderText);
    m_downloadLine->setAccessibleDescription(tr("What the Earth-orientation download is doing, or why it failed"));
    download->addWidget(m_downloadLine);
    m_downloadButton = new QPushButton(tr("Download from the IERS"), m_downloadRow);
    m_downloadButton->setAccessibleDescription(
        tr("Keeps Earth-orientation data current from now on, starting with a download now"));
    connect(m_downloadButton, &QPushButton::clicked, this, &DetailsPanel::downloadWanted);
    download->addWidget(m_downloadButton);
    download->addStretch();
    m_rows->addRow(QString(), m_downloadRow);
    m_greenwichMean = addRow(tr("Greenwich mean sidereal time:"), tr("Greenwich mean sidereal time"));
    m_greenwichApparent = addRow(tr("Greenwich apparent sidereal time:"), tr("Greenwich apparent sidereal time"));
    m_localMean = addRow(tr("Local mean sidereal time:"), tr("Local mean sidereal time at the observer"));
    m_julianDate = addRow(tr("Julian Date:"), tr("Julian Date of UTC"));
    m_modifiedJulianDate = addRow(tr("Modified Julian Date:"), tr("Modified Julian Date of UTC"));
    m_clock = addRow(tr("System clock:"), tr("How far the computer's clock can be trusted"));
    m_leapSeconds = addRow(tr("Leap seconds:"), tr("TAI minus UTC, and until when the leap-second list is valid"));
    m_leapSecondProblem = addProblemLine(tr("Why the system's leap-second list was set aside"));
    m_scriptingProblem = addProblemLine(tr("Why other programs cannot read this clock"));
    m_gps = addRow(
        tr("GPS:"), tr("The GPS receiver's fix, the satellites it uses, and its time against the system clock"));
    m_gps->reserveWidthFor({gpsText(GpsState{GpsState::Fix::threeD, 9999, 99, -99999.9})});
    m_gps->setText(gpsText(m_shownGps));
    m_rows->setRowVisible(m_gps, false); // until gpsd is the source

    const QString sidereal = u"00:00:00.0"_s;
    for (Readout *readout : {m_greenwichMean, m_greenwichApparent, m_localMean})
        readout->reserveWidthFor({sidereal});
    m_ut1->reserveWidthFor(
        {ut1Text({Ut1Source::Origin::file, {-0.9, Ut1Quality::extrapolated, 0.02}, u"finals2000A.daily"_s, {}, {}})});
    m_julianDate->reserveWidthFor({u"2400000.00000"_s});
    m_modifiedJulianDate->reserveWidthFor({u"00000.00000"_s});
    m_clock->reserveWidthFor({clockText(std::nullopt), clockText(ClockHealth{}),
        clockText(ClockHealth{true, std::chrono::seconds(16), std::chrono::seconds(16)}),
        // A reference clock's; a server's longer name widens the row once, when it comes.
        syncText({ClockSync::Daemon::chrony, u"PPS"_s, 1, std::chrono::duration<double>(-0.00004),
            std::chrono::duration<double>(0.00005), {}}),
        gpsClockText(GpsState{GpsState::Fix::threeD, {}, {}, -99999.9})});
    m_leapSeconds->reserveWidthFor({leapSecondText(37, {QDateTime(QDate(2000, 12, 28), {}), {}})});
    for (QWidget *line : std::initializer_list<QWidget *>{
             m_ut1Problem, m_downloadRow, m_downloadLine, m_downloadButton, m_leapSecondProblem, m_scriptingProblem})
        line->hide();
    colourClockRow();
}

Readout *DetailsPanel::addRow(const QString &label, const QString &description)
{
    // The caption first: a screen reader meets the children in the order they were made.
    auto *name = new QLabel(label, this);
    auto *readout = new Readout(this);
    readout->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    readout->setAccessibleDescription(description);
    name->setBuddy(readout); // which makes it the read-out's label for a screen reader
    m_rows->addRow(name, readout);
    return readout;
}

Readout *DetailsPanel::addProblemLine(const QString &description)
{
    auto *line = new Readout(this);
    line->setForegroundRole(QPalette::PlaceholderText);
    line->setAccessibleDescription(description);
    m_rows->addRow(QString(), line);
    return line;
}

void DetailsPanel::show(const ClockReading &reading)
{
    m_ut1->setText(ut1Text(reading.time.ut1));
    showProblem(*m_ut1Problem, reading.time.ut1.problem);
    showDownload(reading.time.ut1, reading.time.download);
    const auto &greenwich = reading.greenwichSidereal;
    m_greenwichMean->setText(tenthsText(greenwich ? std::optional(greenwich->mean) : std::nullopt));
    m_greenwichApparent->setText(tenthsText(greenwich ? std::optional(greenwich->apparent) : std::nullopt));
    m_localMean->setText(tenthsText(reading.localMeanSiderealSeconds));
    m_julianDate->setText(QString::number(reading.julianDate, 'f', 5));
    m_modifiedJulianDate->setText(QString::number(reading.modifiedJulianDate(), 'f', 5));
    showGps(reading);
    // The daemon says something new once a minute at most; the kernel's bound grows each second.
    const auto &sync = reading.time.sync;
    auto clockShown = std::tuple(sync ? std::nullopt : reading.time.clock, sync, m_gpsClock);
    if (clockShown != m_clockShown) {
        m_clockShown = std::move(clockShown);
        m_clock->setText(m_gpsClock.isEmpty() ? clockText(reading.time.clock, sync) : m_gpsClock);
    }
    const bool synchronised = sync || (reading.time.clock && reading.time.clock->synchronised);
    if (std::exchange(m_clockSynchronised, synchronised) != synchronised)
        colourClockRow();
    m_leapSeconds->setText(leapSecondText(reading.taiMinusUtc, reading.time.leapSeconds));
    showProblem(*m_leapSecondProblem, reading.time.leapSeconds.problem);
    showProblem(*m_scriptingProblem, reading.scriptingProblem);
}

// The offer of a download while UT1 − UTC is a guess, and what the download is doing.
void DetailsPanel::showDownload(const Ut1Source &ut1, const EarthOrientationDownloadState &download)
{
    showProblem(*m_downloadLine, downloadText(download));
    const bool guessed = ut1.origin == Ut1Source::Origin::assumed
        || (ut1.origin == Ut1Source::Origin::file && ut1.estimate.quality == Ut1Quality::stale);
    const bool offer = guessed && !download.on;
    if (offer != m_downloadButton->isVisibleTo(m_downloadRow))
        m_downloadButton->setVisible(offer);
    const bool shown = offer || !m_downloadLine->text().isEmpty();
    if (shown != m_downloadRow->isVisibleTo(this))
        m_downloadRow->setVisible(shown);
}

void DetailsPanel::showGps(const ClockReading &reading)
{
    const bool rowShown = reading.settings.source == LocationSource::useGpsd;
    if (std::exchange(m_gpsRowShown, rowShown) != rowShown)
        m_rows->setRowVisible(m_gps, rowShown);
    std::optional<GpsState> shown = reading.gps;
    if (shown && shown->timeOffset)
        shown->timeOffset = std::round(*shown->timeOffset * 10) / 10; // a serial fix jitters below that
    if (shown == m_shownGps)
        return;
    m_shownGps = std::move(shown);
    m_gps->setText(gpsText(m_shownGps));
    const QString gpsClock = gpsClockText(m_shownGps);
    if (std::exchange(m_gpsClock, gpsClock).isEmpty() != gpsClock.isEmpty())
        colourClockRow();
}

// Problems change seldom and take any length: each is given the room it needs when it comes.
void DetailsPanel::showProblem(Readout &line, const QString &problem)
{
    if (problem == line.text())
        return;
    line.reserveWidthFor({problem});
    line.setText(problem);
    line.setVisible(!problem.isEmpty());
}

void DetailsPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        colourClockRow();
    QWidget::changeEvent(event);
}

// Green for a synchronised clock, red otherwise, each dark on a light window and light on a
// dark one, so that both read at the contrast of ordinary text. At night there is no green:
// an unsynchronised clock is the brightest red instead.
void DetailsPanel::colourClockRow()
{
    const bool trusted = m_clockSynchronised && m_gpsClock.isEmpty();
    const bool dark = palette().color(QPalette::Window).lightnessF() < 0.5;
    const QColor colour = isNightPalette(palette())
        ? palette().color(trusted ? QPalette::WindowText : QPalette::BrightText)
        : trusted ? (dark ? QColor(0x7f, 0xd4, 0x8f) : QColor(0x1b, 0x6e, 0x2c))
                  : (dark ? QColor(0xff, 0x8a, 0x80) : QColor(0xb3, 0x26, 0x1e));
    QPalette colours = m_clock->palette();
    colours.setColor(QPalette::WindowText, colour);
    m_clock->setPalette(colours);
}

QString DetailsPanel::ut1Text(const Ut1Source &ut1)
{
    const QString value = signedSeconds(ut1.estimate.seconds);
    switch (ut1.origin) {
    case Ut1Source::Origin::assumed:
        return tr("%1 · assumed: no Earth-orientation data").arg(signedSeconds(0));
    case Ut1Source::Origin::typed:
        return tr("%1 · typed on %2").arg(value, ut1.typedOn.toString(Qt::ISODate));
    case Ut1Source::Origin::file:
        break;
    }
    QString quality;
    switch (ut1.estimate.quality) {
    case Ut1Quality::observed:
        quality = tr("observed");
        break;
    case Ut1Quality::predicted:
        quality = tr("predicted");
        break;
    case Ut1Quality::extrapolated:
        quality = tr("extrapolated");
        break;
    case Ut1Quality::stale:
        quality = tr("stale");
        break;
    }
    if (ut1.estimate.accuracy)
        quality = tr("%1 ±%2 s").arg(quality, QString::number(*ut1.estimate.accuracy, 'f', 4));
    return tr("%1 · %2, %3").arg(value, ut1.fileName, quality);
}

QString DetailsPanel::downloadText(const EarthOrientationDownloadState &download)
{
    return download.running ? tr("Downloading Earth-orientation data from the IERS…") : download.problem;
}

QString DetailsPanel::clockText(const std::optional<ClockHealth> &clock, const std::optional<ClockSync> &sync)
{
    if (sync)
        return syncText(*sync);
    if (!clock)
        return tr("unknown: the system does not say");
    if (!clock->synchronised)
        return tr("not synchronised — the times shown may be wrong");
    if (clock->estimatedError)
        return tr("synchronised, ±%1 ms (estimated ±%2 ms)")
            .arg(milliseconds(clock->maximumError), milliseconds(*clock->estimatedError));
    return tr("synchronised, ±%1 ms").arg(milliseconds(clock->maximumError));
}

QString DetailsPanel::syncText(const ClockSync &sync)
{
    // Milliseconds to the bound's first significant digit or two; the offset to the same place,
    // left out when it rounds to nothing.
    const double bound = sync.errorBound.count() * 1000;
    const int decimals = bound < 0.01 ? 3 : bound < 0.1 ? 2 : bound < 10 ? 1 : 0;
    QString text = tr("synchronised to %1 (stratum %2)").arg(sync.reference).arg(sync.stratum);
    const double offset = sync.offset ? sync.offset->count() * 1000 : 0;
    if (std::round(offset * std::pow(10, decimals)) != 0)
        text = tr("%1 · offset %2 ms").arg(text, QString::asprintf("%+.*f", decimals, offset));
    text = tr("%1 · ±%2 ms").arg(text, QString::number(bound, 'f', decimals));
    if (sync.leap != ClockSync::Leap::none)
        text = tr("%1 · a leap second ends this UTC day").arg(text);
    return text;
}

QString DetailsPanel::gpsText(const std::optional<GpsState> &gps)
{
    if (!gps)
        return tr("no report from gpsd");
    QString text;
    switch (gps->fix) {
    case GpsState::Fix::none:
        text = tr("no fix");
        break;
    case GpsState::Fix::twoD:
        text = tr("2-D fix");
        break;
    case GpsState::Fix::threeD:
        text = gps->altitude ? tr("3-D fix, %1 m").arg(std::round(*gps->altitude), 0, 'f', 0) : tr("3-D fix");
        break;
    }
    if (gps->satellitesUsed)
        text = tr("%1 · %2 satellites used").arg(text).arg(*gps->satellitesUsed);
    if (gps->timeOffset)
        text = tr("%1 · GPS − clock %2 s").arg(text, QString::asprintf("%+.1f", *gps->timeOffset));
    return text;
}

QString DetailsPanel::gpsClockText(const std::optional<GpsState> &gps)
{
    if (!gps || !gps->timeOffset || std::abs(*gps->timeOffset) <= gpsDisagreementSeconds)
        return {};
    const QString seconds = QString::number(std::abs(*gps->timeOffset), 'f', 1);
    return *gps->timeOffset > 0 ? tr("the GPS says the system clock is %1 s slow").arg(seconds)
                                : tr("the GPS says the system clock is %1 s fast").arg(seconds);
}

QString DetailsPanel::leapSecondText(std::optional<double> taiMinusUtc, const LeapSecondState &table)
{
    const QString offset = taiMinusUtc ? tr("TAI − UTC = %1 s").arg(*taiMinusUtc, 0, 'g', 10) : tr("TAI − UTC unknown");
    if (table.validUntil && table.problem.isEmpty())
        return tr("%1 · valid until %2").arg(offset, table.validUntil->date().toString(Qt::ISODate));
    return tr("%1 · ERFA's own table").arg(offset);
}

QString DetailsPanel::tenthsText(const std::optional<double> &seconds)
{
    if (!seconds || !(*seconds >= 0 && *seconds < 86400))
        return {};
    const int tenths = std::min(int(*seconds * 10), 863999); // truncates, never to 24:00:00.0
    QString text;
    AppUtils::appendClock(text, tenths / 10);
    text += u'.';
    AppUtils::appendPadded(text, tenths % 10, 1);
    return text;
}

std::pair<int, int> meaninglessSpan(std::optional<std::chrono::microseconds> bound)
{
    constexpr int lastMillisecond = 22; // in "YYYY-MM-DDTHH:MM:SS.mmm"
    const int digits = bound ? meaninglessDigits(*bound) : 0;
    if (digits <= 3)
        return {lastMillisecond + 1 - digits, digits};
    const int start = lastMillisecond - digits; // skips back over the decimal point too
    return {start, lastMillisecond + 1 - start};
}
