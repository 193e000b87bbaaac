// Renders the pictures of docs/screenshots: each window at one fixed instant and place, in a
// light and a dark palette, so that the pictures only change when the windows do.
// Run through scripts/screenshots/run, which gives it a settings folder of its own.

#include "alarms/AlarmStore.h"
#include "alarms/AlarmsWindow.h"
#include "analog/AnalogClockWindow.h"
#include "app/AppDelegate.h"
#include "app/AppMenu.h"
#include "app/ApplicationId.h"
#include "digital/AlarmBanner.h"
#include "digital/HoravaneWindow.h"
#include "engine/ClockUpdate.h"
#include "engine/Location.h"
#include "look/NightVision.h"
#include "sites/SiteStore.h"
#include "sites/SitesWindow.h"
#include "targets/TargetStore.h"
#include "targets/TargetsWindow.h"
#include "tonight/TonightWindow.h"
#include "preferences/AppPreferences.h"
#include "preferences/SettingsKeys.h"
#include "preferences/StoredSettings.h"

#include <AppUtils/DefaultSettings.h>
#include <AppUtils/Donation.h>
#include <AppUtils/Path.h>

#include <QApplication>
#include <QTimeZone>
#include <QDir>
#include <QMainWindow>
#include <QStyle>
#include <QStyleFactory>

using namespace Qt::StringLiterals;
using namespace std::chrono;

namespace {
const system_clock::time_point instant = sys_days(2026y / December / 7) + 21h + 10min + 30s + 250ms;

enum class Scene {
    // The clock synchronised by chrony to a server within ±3.1 ms and UT1 from an observed row,
    // rather than whatever this machine's clock and data folders say today.
    observatory,
    // A dark site: no network, so UT1 is assumed and the download failed, and a GPS receiver
    // through gpsd gives the position and finds the unsynchronised clock 812.3 s slow.
    field,
};

// The reading at instant, as the scene has it.
void showReading(Scene scene = Scene::observatory)
{
    static AppUtils::SiderealClock sidereal;
    TimeFacts facts;
    if (scene == Scene::observatory) {
        facts.ut1 = {Ut1Source::Origin::file, {0.0876, Ut1Quality::observed, {}}, u"finals2000A.daily"_s, {}, {}};
        facts.clock = ClockHealth{true, 12ms, 1600us};
        facts.sync = ClockSync{ClockSync::Daemon::chrony, u"ntp.example.org"_s, 2, duration<double>(0.0008), duration<double>(0.0031), {}};
    } else {
        facts.clock = ClockHealth{false, 16s, {}};
        facts.download = {true, false, u"IERS download failed: Host maia.usno.navy.mil not found"_s};
    }
    facts.leapSeconds.validUntil = QDateTime(QDate(2027, 6, 28), {}, Qt::UTC);
    Location &location = Location::shared();
    ClockReading reading = readingAt(instant, location.settings(), location.observe(instant), facts, sidereal);
    if (scene == Scene::field) { // as the gpsd source would give it, without a gpsd to ask
        reading.settings.source = LocationSource::useGpsd;
        reading.gps = GpsState{GpsState::Fix::threeD, 46.0, 8, 812.3};
    }
    if (const auto *position = std::get_if<ObserverPosition>(&reading.observer)) {
        static TargetSky sky;
        const std::vector<Target> targets = targetsAmong(loadTargets(AppUtils::Defaults()));
        reading.targets = sky.places(floor<seconds>(instant).time_since_epoch().count(), 0, facts.ut1.estimate.seconds,
            position->latitude, position->longitude, targets);
        // Tonight, as the tick works it out while the Targets window is open.
        const QDate today(reading.local.tm_year + 1900, reading.local.tm_mon + 1, reading.local.tm_mday);
        if (std::optional<Night> night = nightOf(nightDateOf(today, reading.local.tm_hour), QTimeZone::systemTimeZone(),
                position->latitude, position->longitude, facts.ut1.estimate.seconds)) {
            reading.targetNights = std::make_shared<const std::vector<TargetNight>>(
                targetNights(*night, targets, SettingsDefaults::targetMinAltitude));
            reading.night = std::make_shared<const Night>(std::move(*night));
            reading.sky = skyAt(*reading.night, instant);
        }
    }
    // The remote sites, as the tick works them out while the Sites window is open.
    static SiteClock sites;
    sites.setSites(sitesAmong(loadSites(AppUtils::Defaults()).lines));
    std::optional<double> gast;
    if (reading.greenwichSidereal)
        gast = reading.greenwichSidereal->apparent;
    reading.sites = sites.at(floor<seconds>(instant).time_since_epoch().count(), gast, facts.ut1.estimate.seconds);
    ClockUpdate::shared().show(std::move(reading));
}

// The reading at instant, at which the first stored alarm rings.
void showAlarmRang()
{
    showReading();
    ClockReading reading = ClockUpdate::shared().reading();
    const std::vector<AlarmLine> alarms = loadAlarms(AppUtils::Defaults()).lines;
    reading.alarmsRang = {AlarmFiring{std::get<Alarm>(alarms.front()), floor<seconds>(instant), false}};
    ClockUpdate::shared().show(std::move(reading));
}

// Takes the alarm's banner away, as a click on it does, so that the windows saved next show none.
void dismissBanner(ClockWindow &digital)
{
    digital.window()->findChild<AlarmBanner *>()->dismiss();
}

QPalette darkPalette()
{
    QPalette dark;
    const QColor window(0x2b, 0x2d, 0x30), base(0x1e, 0x1f, 0x22), text(0xe8, 0xe8, 0xea);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::ToolTipBase, base);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::PlaceholderText, QColor(0x8a, 0x8c, 0x90));
    dark.setColor(QPalette::Highlight, QColor(0x0a, 0x84, 0xff));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(0x4c, 0xa3, 0xff));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(0x77, 0x79, 0x7d));
    return dark;
}

void save(QWidget &window, const QDir &folder, const QString &name)
{
    window.raise();
    QCoreApplication::processEvents();
    const QString path = folder.filePath(name + u".png"_s);
    if (!window.grab().save(path))
        qFatal("cannot write %s", qPrintable(path));
    qInfo("%s", qPrintable(path));
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    nameApplication();
    QApplication::setApplicationVersion(QStringLiteral(HORAVANE_VERSION));
    QApplication::setStyle(QStyleFactory::create(u"Fusion"_s));
    NightVision::shared().install();
    if (argc != 2)
        qFatal("usage: %s <output folder>", argv[0]);
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    // The Royal Observatory, Greenwich, typed in by hand; or the desktop's location service,
    // which has no fix to give on the private X server.
    AppUtils::Defaults().saveDouble(SettingsKeys::latitude, 51.4769);
    AppUtils::Defaults().saveDouble(SettingsKeys::longitude, -0.0005);
    AppPreferences &preferences = sharedPreferences();
    // A night's list, with a circumpolar and a never-rising target from Greenwich.
    const std::vector<TargetLine> night{Target{u"M42 Orion Nebula"_s, 5.5881, -5.3911},
        Target{u"M31 Andromeda Galaxy"_s, 0.7123, 41.2689}, Target{u"Polaris"_s, 2.5303, 89.2641},
        Target{u"Betelgeuse"_s, 5.9195, 7.4071}, Target{u"Omega Centauri"_s, 13.4470, -47.4794}};
    saveTargets(AppUtils::Defaults(), night);
    ClockUpdate::shared().setTargets(targetsAmong(night));
    // Five remote observatories, north and south, east and west.
    saveSites(AppUtils::Defaults(),
        std::vector<SiteLine>{Site{u"Cerro Pachón"_s, -30.2407, -70.7366, 2715, "America/Santiago"},
            Site{u"Gamsberg, Namibia"_s, -23.34, 16.23, 2347, "Africa/Windhoek"},
            Site{u"Calar Alto"_s, 37.2236, -2.5463, 2168, "Europe/Madrid"},
            Site{u"Mauna Kea"_s, 19.8207, -155.4681, 4207, "Pacific/Honolulu"},
            Site{u"Siding Spring"_s, -31.2733, 149.0617, 1165, "Australia/Sydney"}});
    // A night's alarms: one of each kind, one for a target since removed and a hand-edited line
    // that holds none.
    saveAlarms(AppUtils::Defaults(),
        std::vector<AlarmLine>{Alarm{u"Flip M42"_s, TargetAlarm{u"M42 Orion Nebula"_s, 0.5}, 10},
            Alarm{u"Drift scan"_s, SiderealAlarm{5 * 3600 + 12 * 60 + 33}, 0},
            Alarm{u"Dome open"_s, TonightAlarm{AlarmEvent::astronomicalDusk}, 15},
            Alarm{u"Log the seeing"_s, CivilAlarm{23 * 3600, true, std::nullopt}, 0},
            Alarm{u"Comet"_s, CivilAlarm{2 * 3600 + 30 * 60, false, QDate(2026, 12, 8)}, 5},
            Alarm{u"Meridian of M1"_s, TargetAlarm{u"M1 Crab Nebula"_s, 0}, 10},
            Alarm{u"Clock"_s, HealthAlarm{ClockTrouble::unsynchronised}, 0},
            UnreadAlarmLine{u"lst\t24:00:00\t\t0\tMidnight"_s, AlarmLineProblem::when}});
    AppDelegate delegate;
    // A stored setting reaches the pane and, as at launch, the clocks.
    const auto reload = [&preferences] {
        preferences.prefsGeneral().loadSettings();
        Location::shared().setSettings(loadObserverSettings(AppUtils::Defaults()));
        showReading();
    };
    const auto chooseSource = [&reload](int source) {
        AppUtils::Defaults().saveInteger(SettingsKeys::locationSource, source);
        reload();
    };
    chooseSource(1);
    const auto chooseLstDial = [&reload](bool hours24) {
        AppUtils::Defaults().saveBool(SettingsKeys::lst24Hours, hours24);
        reload();
    };

    AppMenu menu(delegate);
    const auto digital = makeClockWindow<HoravaneWindow>();
    const auto analog = makeClockWindow<AnalogClockWindow>();
    const auto targets = makeClockWindow<TargetsWindow>();
    const auto tonight = makeClockWindow<TonightWindow>();
    const auto sites = makeClockWindow<SitesWindow>();
    const auto alarms = makeClockWindow<AlarmsWindow>();
    const auto withMenu = [&menu](const std::shared_ptr<ClockWindow> &window) {
        QObject::connect(window.get(), &Platform::WindowController::windowLoaded, &menu,
            [&menu, window = window.get()] { menu.install(*window->window()); });
    };
    for (const auto &window : {digital, analog, targets, tonight, sites, alarms})
        withMenu(window);

    const QPalette light = QApplication::style()->standardPalette();
    for (const auto &[palette, suffix] : {std::pair{light, u""_s}, std::pair{darkPalette(), u"-dark"_s}}) {
        QApplication::setPalette(palette);
        for (const auto &window : {digital, analog, targets, tonight, sites, alarms})
            window->showWindow();
        showReading();
        save(*digital->window(), folder, u"digital-window"_s + suffix);
        delegate.setDetailsShown(true);
        save(*digital->window(), folder, u"digital-window-details"_s + suffix);
        showReading(Scene::field);
        save(*digital->window(), folder, u"digital-window-details-field"_s + suffix);
        showReading();
        delegate.setDetailsShown(false);
        chooseSource(2);
        save(*digital->window(), folder, u"digital-window-no-position"_s + suffix);
        chooseSource(1);
        save(*analog->window(), folder, u"analog-window"_s + suffix);
        save(*targets->window(), folder, u"targets-window"_s + suffix);
        save(*tonight->window(), folder, u"tonight-window"_s + suffix);
        save(*sites->window(), folder, u"sites-window"_s + suffix);
        showAlarmRang();
        save(*alarms->window(), folder, u"alarms-window"_s + suffix);
        save(*digital->window(), folder, u"digital-window-alarm"_s + suffix);
        dismissBanner(*digital);
        if (suffix.isEmpty()) { // the 24-hour sidereal dial, in light only
            chooseLstDial(true);
            save(*analog->window(), folder, u"analog-window-24h"_s);
            chooseLstDial(false);
        }
        preferences.window().showWindow();
        preferences.window().selectPane(0);
        save(*preferences.window().window(), folder, u"preferences-general"_s + suffix);
        preferences.window().selectPane(1);
        save(*preferences.window().window(), folder, u"preferences-updates"_s + suffix);
    }

    // Night vision at its middle brightness, over every window.
    QApplication::setPalette(QPalette());
    delegate.setNightVision(true);
    delegate.setDetailsShown(true);
    save(*digital->window(), folder, u"digital-window-details-night"_s);
    showReading(Scene::field);
    save(*digital->window(), folder, u"digital-window-details-field-night"_s);
    showReading();
    save(*analog->window(), folder, u"analog-window-night"_s);
    save(*targets->window(), folder, u"targets-window-night"_s);
    save(*tonight->window(), folder, u"tonight-window-night"_s);
    save(*sites->window(), folder, u"sites-window-night"_s);
    showAlarmRang();
    save(*alarms->window(), folder, u"alarms-window-night"_s);
    delegate.setDetailsShown(false);
    save(*digital->window(), folder, u"digital-window-alarm-night"_s);
    dismissBanner(*digital);
    delegate.setDetailsShown(true);
    for (int pane : {0, 1}) {
        preferences.window().selectPane(pane);
        save(*preferences.window().window(), folder, pane == 0 ? u"preferences-general-night"_s : u"preferences-updates-night"_s);
    }
    AppUtils::Donation::newDonation(*AppUtils::Path::resourcePath(u"donation"_s, u"rtf"_s), QUrl(u"https://horavane.org/donate"_s));
    AppUtils::Donation::shared()->showWindow();
    save(*AppUtils::Donation::shared(), folder, u"donation-night"_s);
    delegate.setNightVision(false);

    // In light only: a list with a hand-edited line that holds no target, and the digital
    // window laid out right to left.
    QApplication::setPalette(light);
    saveTargets(AppUtils::Defaults(),
        std::vector<TargetLine>{night.front(), UnreadTargetLine{u"24\t0\tTypo"_s, TargetLineProblem::rightAscension}, night.back()});
    const auto damaged = makeClockWindow<TargetsWindow>();
    withMenu(damaged);
    damaged->showWindow();
    showReading();
    save(*damaged->window(), folder, u"targets-window-unreadable"_s);
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    showReading();
    save(*digital->window(), folder, u"digital-window-details-rtl"_s);
    tonight->window()->close();
    const auto tonightRtl = makeClockWindow<TonightWindow>(); // its captions are aligned when it is made
    tonightRtl->showWindow();
    showReading();
    save(*tonightRtl->window(), folder, u"tonight-window-rtl"_s);
    save(*alarms->window(), folder, u"alarms-window-rtl"_s);
    return 0;
}
