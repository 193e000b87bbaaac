#include "HoravaneWindow.h"

#include "AlarmBanner.h"
#include "DetailsPanel.h"
#include "engine/IsoTime.h"
#include "engine/WindowRegistry.h"
#include "preferences/SettingsKeys.h"
#include "ui_HoravaneWindow.h"

#include <AppUtils/DefaultSettings.h>
#include <AppUtils/Sidereal.h>
#include <Extensions/DegreesText.h>
#include <Extensions/FittingFonts.h>
#include <Extensions/Readout.h>

#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cmath>

using Extensions::Readout;
using namespace Qt::StringLiterals;

// The window's place is kept under its English title: a translated one would be lost when
// the desktop's language changes.
HoravaneWindow::HoravaneWindow(const ClockUpdate &tick)
    : ClockWindow(&WindowRegistry::openHoravaneWindow, u"Horavane"_s, tick)
    , m_ui(std::make_unique<Ui::HoravaneWindow>())
{
}

HoravaneWindow::~HoravaneWindow() = default;

void HoravaneWindow::loadWindow(QMainWindow &window)
{
    m_ui->setupUi(&window);
    // Fixed-width digits, so that the text does not shift sideways every second.
    QFont readoutFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    readoutFont.setPointSizeF(readoutFont.pointSizeF() * 1.15);
    for (Readout *readout :
        {m_ui->m_localtime, m_ui->m_utc, m_ui->m_localsidereal, m_ui->m_location, m_ui->m_locn_source})
        readout->setFont(readoutFont);
    // Quieter than the read-outs, in the palette's own dimmed text colour for light and dark.
    m_ui->m_positionStatus->setForegroundRole(QPalette::PlaceholderText);

    // Each read-out is as wide as the widest text it can show, so that a new second repaints
    // it without laying out the window again. Every digit is as wide as 0 in a fixed-width font.
    m_ui->m_localtime->reserveWidthFor({u"0000-00-00T00:00:00.000+00:00:00"_s});
    m_ui->m_utc->reserveWidthFor({u"0000-00-00T00:00:00.000Z"_s});
    m_ui->m_localsidereal->reserveWidthFor({u"00:00:00"_s});
    QStringList positions;
    for (const bool decimal : {true, false})
        positions << Extensions::degreesText(-90, decimal) + u" , "_s + Extensions::degreesText(-180, decimal);
    m_ui->m_location->reserveWidthFor(positions);
    using Source = LocationSource;
    QStringList sources;
    for (const Source source : {Source::useSiTech, Source::useManual, Source::useCoreLocation, Source::useGpsd})
        sources << locationSourceName(source);
    m_ui->m_locn_source->reserveWidthFor(sources);
    QStringList reasons;
    for (const NoPosition reason : {NoPosition::waitingForFix, NoPosition::noFixInAMinute, NoPosition::notAllowed,
             NoPosition::noService, NoPosition::serverGivesNone, NoPosition::storedPositionUnusable})
        reasons << noPositionText(reason);
    // gpsd's lines name its server, which may be longer: the read-out widens for it then.
    const QString server = u"localhost:2947"_s;
    reasons << noPositionText({NoPosition::waitingForGpsd, server}) << noPositionText({NoPosition::noGpsd, server})
            << noPositionText({NoPosition::gpsdHasNoFix, server, 99});
    m_ui->m_positionStatus->reserveWidthFor(reasons);
    m_ui->m_openPreferences->hide();
    connect(m_ui->m_openPreferences, &QPushButton::clicked, this, &HoravaneWindow::positionPreferencesWanted);

    m_details = new DetailsPanel(m_ui->centralwidget);
    m_ui->verticalLayout->insertWidget(1, m_details);
    connect(m_details, &DetailsPanel::downloadWanted, this, &HoravaneWindow::earthOrientationDownloadWanted);
    m_banner = new AlarmBanner(m_ui->centralwidget);
    m_ui->verticalLayout->insertWidget(0, m_banner);
    connect(m_banner, &AlarmBanner::heightChanged, this, &HoravaneWindow::fitHeight);
    // Each caption beside its value, which is on its right, or on its left where the window
    // reads right to left. Stated absolutely: a label would mirror its alignment only for a
    // caption in a right-to-left script.
    const Qt::Alignment towardsValue = window.isRightToLeft() ? Qt::AlignLeft : Qt::AlignRight;
    for (QLabel *label : m_ui->centralwidget->findChildren<QLabel *>())
        label->setAlignment(towardsValue | Qt::AlignAbsolute | Qt::AlignVCenter);
    alignLabels();

    // A window made larger than its contents shows them larger, in the middle under its top.
    m_ui->verticalLayout->setAlignment(Qt::AlignHCenter);
    QList<QWidget *> scaled{m_ui->centralwidget}; // whose font the labels and the quieter lines inherit
    for (Readout *readout : m_ui->centralwidget->findChildren<Readout *>())
        if (readout->testAttribute(Qt::WA_SetFont))
            scaled << readout;
    m_fonts = new Extensions::FittingFonts(*m_ui->centralwidget, scaled, [this] { alignLabels(); });
    setDetailsShown(AppUtils::Defaults().loadBool(SettingsKeys::showDetails, false));
}

// One column of labels for both forms, so that their read-outs line up.
void HoravaneWindow::alignLabels()
{
    const QList<QLabel *> labels = m_ui->centralwidget->findChildren<QLabel *>();
    int widest = 0;
    for (QLabel *label : labels) {
        label->setMinimumWidth(0); // a label's size hint is never below its minimum
        widest = std::max(widest, label->sizeHint().width());
    }
    for (QLabel *label : labels)
        label->setMinimumWidth(widest);
}

void HoravaneWindow::setDetailsShown(bool shown)
{
    if (shown == m_details->isVisibleTo(m_details->parentWidget()))
        return;
    m_details->setVisible(shown);
    if (shown)
        m_details->show(reading());
    fitHeight();
}

void HoravaneWindow::fitHeight()
{
    QMainWindow *main = window();
    if (!main || !main->centralWidget())
        return;
    // Twice: the first gives the alarm band its width, from which it takes its height.
    main->centralWidget()->layout()->activate();
    main->centralWidget()->layout()->activate();
    m_fonts->remeasure();
    main->centralWidget()->layout()->activate(); // or the hint still counts the section
    main->layout()->activate();
    const QWidget &area = *main->centralWidget();
    const int height = int(std::ceil(m_fonts->naturalSize().height() * m_fonts->factor()));
    main->resize(main->width(), main->sizeHint().height() - area.sizeHint().height() + height);
}

void HoravaneWindow::update()
{
    const ClockReading &reading = ClockWindow::reading();
    if (!reading.alarmsRang.empty())
        m_banner->ring(reading.alarmsRang);
    m_ui->m_utc->setText(isoText(reading.instant, 0));
    m_ui->m_localtime->setText(isoText(reading.instant, reading.utcOffsetSeconds));
    const auto [start, length] = meaninglessSpan(reading.time.errorBound());
    m_ui->m_utc->setDimmed(start, length);
    m_ui->m_localtime->setDimmed(start, length);
    m_ui->m_localsidereal->setText(
        reading.siderealSeconds ? AppUtils::Sidereal::text(*reading.siderealSeconds) : QString());
    showObserver(reading);
    if (m_details->isVisibleTo(m_details->parentWidget()))
        m_details->show(reading);
}

void HoravaneWindow::showObserver(const ClockReading &reading)
{
    ShownObserver shown{reading.settings, reading.observer};
    if (shown == m_shownObserver)
        return;
    m_shownObserver = std::move(shown);
    m_ui->m_locn_source->setText(locationSourceName(reading.settings.source));
    QString position;
    QString status;
    // Every reason but the first seconds of waiting is mended in the preferences.
    bool mendedInPreferences = false;
    if (const auto *observer = std::get_if<ObserverPosition>(&reading.observer)) {
        const bool decimal = reading.settings.decimal;
        position = Extensions::degreesText(observer->latitude, decimal) + u" , "_s
            + Extensions::degreesText(observer->longitude, decimal);
    } else {
        const NoPosition &reason = std::get<NoPosition>(reading.observer);
        status = noPositionText(reason);
        // Waiting, or a receiver without a fix, is mended under the sky, not in the preferences.
        mendedInPreferences = reason.reason != NoPosition::waitingForFix && reason.reason != NoPosition::waitingForGpsd
            && reason.reason != NoPosition::gpsdHasNoFix;
    }
    m_ui->m_location->setText(position);
    m_ui->m_positionStatus->setText(status);
    m_ui->m_openPreferences->setVisible(mendedInPreferences);
}
