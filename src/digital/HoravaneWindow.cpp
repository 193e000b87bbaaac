#include "HoravaneWindow.h"

#include "IsoTime.h"
#include "Readout.h"
#include "engine/CivilTime.h"
#include "engine/Location.h"
#include "engine/WindowRegistry.h"
#include "preferences/PreferencesGeneral.h"
#include "ui_HoravaneWindow.h"

#include <AppUtils/Sidereal.h>
#include <Extensions/ButtonValue.h>
#include <Extensions/DegreesText.h>

#include <QCheckBox>
#include <QFontDatabase>

using namespace Qt::StringLiterals;

// The window's place is kept under its English title: a translated one would be lost when
// the desktop's language changes.
HoravaneWindow::HoravaneWindow(const AppUtils::Clock &clock, std::function<Location &()> location)
    : ClockWindow(&WindowRegistry::openHoravaneWindow, u"Horavane"_s, clock, std::move(location))
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
    for (Readout *readout : {m_ui->m_localtime, m_ui->m_utc, m_ui->m_localsidereal, m_ui->m_location,
                             m_ui->m_locn_source})
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
    using Source = PreferencesGeneral::LocationSource;
    const PreferencesGeneral &pane = location().pane();
    QStringList sources;
    for (const Source source : {Source::useSiTech, Source::useManual, Source::useCoreLocation})
        sources << pane.locationSourceName(source);
    m_ui->m_locn_source->reserveWidthFor(sources);
    QStringList reasons;
    for (const NoPosition reason :
         {NoPosition::waitingForFix, NoPosition::notAllowed, NoPosition::noService, NoPosition::serverGivesNone})
        reasons << whyNoPosition(reason);
    m_ui->m_positionStatus->reserveWidthFor(reasons);
}

void HoravaneWindow::update()
{
    const auto now = clock().now();
    m_ui->m_utc->setText(isoText(now, 0));
    m_ui->m_localtime->setText(isoText(now, localUtcOffsetSeconds(now)));
    showObserver(now);
}

void HoravaneWindow::showObserver(std::chrono::system_clock::time_point now)
{
    // Each text is worked out in full before it is set, so that a label whose text stays the
    // same from one second to the next is not repainted.
    Location &provider = location();
    PreferencesGeneral &pane = provider.pane();
    m_ui->m_locn_source->setText(pane.locationSourceName(pane.currentLocationSource()));

    QString position;
    QString sidereal;
    QString status;
    const std::variant<ObserverPosition, NoPosition> observed = provider.observe();
    if (const auto *observer = std::get_if<ObserverPosition>(&observed)) {
        const bool decimal = Extensions::boolValue(pane.locationDecimalBox());
        position = Extensions::degreesText(observer->latitude, decimal) + u" , "_s
            + Extensions::degreesText(observer->longitude, decimal);
        const qint64 unixSeconds = std::chrono::floor<std::chrono::seconds>(now).time_since_epoch().count();
        sidereal = AppUtils::Sidereal::local(unixSeconds, observer->longitude).value_or(QString());
    } else {
        status = whyNoPosition(std::get<NoPosition>(observed));
    }
    m_ui->m_location->setText(position);
    m_ui->m_localsidereal->setText(sidereal);
    m_ui->m_positionStatus->setText(status);
}

QString HoravaneWindow::whyNoPosition(NoPosition reason)
{
    switch (reason) {
    case NoPosition::waitingForFix:
        return tr("Waiting for the first fix from the location service");
    case NoPosition::notAllowed:
        return tr("The location service does not allow Horavane to know the position");
    case NoPosition::noService:
        return tr("No location service on this desktop: choose Manual in Preferences");
    case NoPosition::serverGivesNone:
        return tr("SiTech NTP Server gives no position");
    }
    return {};
}
