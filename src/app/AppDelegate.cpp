#include "AppDelegate.h"

#include "ApplicationId.h"

#include "Lifecycle.h"
#include "WindowOpeners.h"
#include "alarms/AlarmStore.h"
#include "digital/HoravaneWindow.h"
#include "engine/ClockUpdate.h"
#include "engine/Location.h"
#include "engine/WindowRegistry.h"
#include "look/NightVision.h"
#include "preferences/AppPreferences.h"
#include "preferences/SettingsKeys.h"
#include "preferences/StoredSettings.h"
#include "sites/SiteStore.h"
#include "sites/SitesWindow.h"
#include "targets/TargetStore.h"

#include <AppUtils/DefaultSettings.h>
#include <AppUtils/Donation.h>
#include <AppUtils/MasterTimer.h>
#include <AppUtils/Path.h>

#include <QApplication>
#include <QFileDialog>
#include <QMainWindow>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

AppDelegate::AppDelegate(QObject *parent)
    : QObject(parent)
    , hv_paypal(QUrl(QStringLiteral(HORAVANE_DONATION_URL)))
    , m_earthOrientationDownload(TimeSources::systemPlaces().userFolder)
    , m_menu(*this)
{
}

void AppDelegate::applicationDidFinishLaunching()
{
    // The clocks start on the stored settings read as values; the preferences window, whose
    // General pane holds them from then on, takes longer to build than both clock windows
    // and waits until they are shown.
    Location::shared().setSettings(loadObserverSettings(AppUtils::Defaults()));
    // The sites, for scripts too: the Sites window hands over every edit.
    const SiteListRead sites = loadSites(AppUtils::Defaults());
    warnOfUnreadSites(sites);
    ClockUpdate::shared().setSites(sitesAmong(sites.lines));
    // The alarms ring while any window is open: the Alarms window hands over every edit.
    const AlarmListRead alarms = loadAlarms(AppUtils::Defaults());
    warnOfUnreadAlarms(alarms);
    ClockUpdate::shared().setAlarms(alarmsAmong(alarms.lines));
    // The targets, so that an alarm at a target rings with the Targets window closed.
    const std::vector<TargetLine> targets = loadTargets(AppUtils::Defaults());
    warnOfUnreadTargets(targets);
    ClockUpdate::shared().setTargets(targetsAmong(targets));
    TimeSources::shared().setTypedDut1(loadTypedDut1(AppUtils::Defaults()));
    qCDebug(lcLifecycle, "settings loaded");
    restoreNightVision();
    AppUtils::MasterTimer::shared().start();
    qCDebug(lcLifecycle, "master timer started");
    ClockUpdate::shared().start();
    qCDebug(lcLifecycle, "tick started");
    restoreWindows();
    // After the first second has been drawn, what the clocks do not need: the preferences,
    // the icons (the icon themes take a while to read), the service for other programs and the
    // donation window.
    m_afterFirstSecond.start(1s, [this](std::chrono::system_clock::time_point) {
        m_afterFirstSecond.stop();
        QTimer::singleShot(0, this, [this] {
            preferences();
            setApplicationIcon();
            m_menu.loadIcons();
            Q_EMIT clocksShown();
            offerDonation();
        });
    });
    qCDebug(lcLifecycle, "launched");
}

void AppDelegate::applicationWillTerminate()
{
    if (m_terminated)
        return;
    m_terminated = true;
    ClockUpdate::shared().stop();
    m_afterFirstSecond.stop();
    qCDebug(lcLifecycle, "tick stopped");
    saveOpenWindows();
    saveSettings();
    AppUtils::Defaults().sync();
    AppUtils::MasterTimer::shared().stop();
    qCDebug(lcLifecycle, "master timer stopped");
}

// Closing the windows on the way out can post a second Quit before the event loop returns:
// the first one tells what was open.
void AppDelegate::applicationEndBegins()
{
    if (!m_windowsAtEnd)
        m_windowsAtEnd = openWindows();
}

void AppDelegate::applicationEndCancelled()
{
    m_windowsAtEnd.reset();
}

void AppDelegate::saveState()
{
    saveOpenWindows();
    saveSettings();
    AppUtils::Defaults().sync();
}

void AppDelegate::showClockWindow(const WindowOpener &opener)
{
    std::shared_ptr<ClockWindow> controller = windowRegistry().*opener.slot;
    if (!controller) {
        controller = opener.make();
        connect(controller.get(), &Platform::WindowController::windowLoaded, this,
            [this, window = controller.get()] { m_menu.install(*window->window()); });
        if (const auto *digital = qobject_cast<const HoravaneWindow *>(controller.get())) {
            connect(digital, &HoravaneWindow::positionPreferencesWanted, this, &AppDelegate::showPositionPreferences);
            connect(digital, &HoravaneWindow::earthOrientationDownloadWanted, this,
                &AppDelegate::downloadEarthOrientation);
        }
    }
    controller->showWindow();
    qCDebug(lcLifecycle) << "window shown" << opener.settingsKey;
}

void AppDelegate::restoreWindows()
{
    int reopened = 0;
    for (const WindowOpener &opener : windowOpeners()) {
        if (AppUtils::Defaults().loadBool(opener.settingsKey, false)) {
            ++reopened;
            showClockWindow(opener);
        }
    }
    if (reopened == 0)
        showClockWindow(windowOpeners().front());
}

void AppDelegate::showHoravane()
{
    showClockWindow(windowOpener(&WindowRegistry::openHoravaneWindow));
}

void AppDelegate::showAnalog()
{
    showClockWindow(windowOpener(&WindowRegistry::openAnalogWindow));
}

void AppDelegate::showTargets()
{
    showClockWindow(windowOpener(&WindowRegistry::openTargetsWindow));
}

void AppDelegate::showTonight()
{
    showClockWindow(windowOpener(&WindowRegistry::openTonightWindow));
}

void AppDelegate::showAlarms()
{
    showClockWindow(windowOpener(&WindowRegistry::openAlarmsWindow));
}

void AppDelegate::showSites()
{
    showClockWindow(windowOpener(&WindowRegistry::openSitesWindow));
}

void AppDelegate::importEarthOrientation()
{
    const QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(), tr("Import Earth Orientation Data"),
        {}, tr("IERS Bulletin A or finals files (*.dat *.data *.daily *.all *.txt);;All files (*)"), nullptr,
        NightVision::shared().fileDialogOptions());
    if (path.isEmpty())
        return;
    TimeSources::shared().importEarthOrientation(path);
    setDetailsShown(true);
}

void AppDelegate::downloadEarthOrientation()
{
    preferences().prefsGeneral().setEarthOrientationDownload(true);
    m_earthOrientationDownload.fetchNow();
}

void AppDelegate::setDetailsShown(bool shown)
{
    AppUtils::Defaults().saveBool(SettingsKeys::showDetails, shown);
    if (shown && !windowRegistry().openHoravaneWindow)
        showHoravane();
    if (const std::shared_ptr<ClockWindow> digital = windowRegistry().openHoravaneWindow)
        static_cast<HoravaneWindow &>(*digital).setDetailsShown(shown);
    Q_EMIT detailsShownChanged(shown);
}

void AppDelegate::setNightVision(bool on)
{
    AppUtils::Defaults().saveBool(SettingsKeys::nightVision, on);
    NightVision::shared().setOn(on);
}

void AppDelegate::setNightBrightness(NightBrightness brightness)
{
    AppUtils::Defaults().saveInteger(SettingsKeys::nightVisionBrightness, static_cast<qint64>(brightness));
    NightVision::shared().setBrightness(brightness);
}

// Before any window shows, so that a night does not start with a white flash.
void AppDelegate::restoreNightVision()
{
    NightVision &night = NightVision::shared();
    const qint64 brightness = AppUtils::Defaults().loadInteger(
        SettingsKeys::nightVisionBrightness, static_cast<qint64>(NightBrightness::medium));
    if (brightness >= static_cast<qint64>(NightBrightness::dim) && brightness <= static_cast<qint64>(NightBrightness::bright))
        night.setBrightness(static_cast<NightBrightness>(brightness));
    night.setOn(AppUtils::Defaults().loadBool(SettingsKeys::nightVision, false));
}

void AppDelegate::showPreferences()
{
    Platform::WindowController &window = preferences().window();
    window.showWindow();
    m_menu.addKeys(*window.window());
    qCDebug(lcLifecycle, "preferences shown");
}

void AppDelegate::showPositionPreferences()
{
    preferences().window().selectPane(0); // General
    showPreferences();
}

void AppDelegate::checkUpdates()
{
    preferences().prefsUpdate().checkForUpdates();
}

// Unlike the offer at launch, the menu command shows the window even to those who asked not
// to see it again.
void AppDelegate::showDonate()
{
    if (AppUtils::Donation *window = donation())
        showDonation(*window);
}

void AppDelegate::activate()
{
    bool anyOpen = false;
    for (const WindowOpener &opener : windowOpeners()) {
        if (windowRegistry().*opener.slot) {
            anyOpen = true;
            showClockWindow(opener);
        }
    }
    if (!anyOpen)
        showHoravane();
    qCDebug(lcLifecycle, "activated");
}

std::vector<bool> AppDelegate::openWindows()
{
    std::vector<bool> open;
    for (const WindowOpener &opener : windowOpeners())
        open.push_back(windowRegistry().*opener.slot != nullptr);
    return open;
}

void AppDelegate::saveOpenWindows()
{
    const std::vector<bool> open = m_windowsAtEnd.value_or(openWindows());
    const std::span<const WindowOpener> openers = windowOpeners();
    for (std::size_t i = 0; i < openers.size(); ++i) {
        AppUtils::Defaults().saveBool(openers[i].settingsKey, open[i]);
        qCDebug(lcLifecycle) << "saved" << openers[i].settingsKey << bool(open[i]);
    }
}

AppPreferences &AppDelegate::preferences()
{
    AppPreferences &preferences = sharedPreferences();
    if (m_preferencesLoaded)
        return preferences;
    m_preferencesLoaded = true;
    // The clocks follow the pane's observer settings as a value: the engine reads no widget.
    connect(&preferences.prefsGeneral(), &PreferencesGeneral::observerChanged, this,
        [](const ObserverSettings &settings) { Location::shared().setSettings(settings); });
    // "Observe from here" goes through the pane, which holds the position until it is saved.
    SitesWindow::positionKeeper() = [&general = preferences.prefsGeneral()](double latitude, double longitude) {
        return general.observeFrom(latitude, longitude);
    };
    connect(&preferences.prefsGeneral(), &PreferencesGeneral::typedDut1Changed, this,
        [](const std::optional<TypedDut1> &typed) { TimeSources::shared().setTypedDut1(typed); });
    // The download, like the typed DUT1, reaches the clocks through the time sources' facts.
    m_earthOrientationDownload.setSources(
        AppUtils::Defaults().loadString(SettingsKeys::eopSources, SettingsDefaults::eopSources));
    connect(&m_earthOrientationDownload, &EarthOrientationDownload::stateChanged, this,
        [](const EarthOrientationDownloadState &state) { TimeSources::shared().setDownloadState(state); });
    connect(&m_earthOrientationDownload, &EarthOrientationDownload::heldCopyReplaced, &TimeSources::shared(),
        &TimeSources::rescan);
    connect(&preferences.prefsGeneral(), &PreferencesGeneral::earthOrientationDownloadChanged,
        &m_earthOrientationDownload, &EarthOrientationDownload::setOn);
    preferences.prefsGeneral().loadSettings();
    qCDebug(lcLifecycle, "preferences loaded");
    return preferences;
}

// Stores every setting the General pane holds, and says so only when they reached the disk.
void AppDelegate::saveSettings()
{
    if (preferences().prefsGeneral().saveSettings())
        qCDebug(lcLifecycle, "settings saved");
    else
        qWarning("horavane: cannot save the settings to %s", qPrintable(AppUtils::Defaults().fileName()));
}

void AppDelegate::offerDonation()
{
    AppUtils::Donation *window = donation();
    if (window && !window->staysHidden()) {
        showDonation(*window);
        qCDebug(lcLifecycle, "donation window shown");
    }
}

void AppDelegate::showDonation(AppUtils::Donation &window)
{
    window.showWindow();
    m_menu.addKeys(window);
}

AppUtils::Donation *AppDelegate::donation() const
{
    const std::optional<QString> message = AppUtils::Path::resourcePath(u"donation"_s, u"rtf"_s);
    if (!message)
        return nullptr;
    AppUtils::Donation::newDonation(*message, hv_paypal);
    return AppUtils::Donation::shared();
}
