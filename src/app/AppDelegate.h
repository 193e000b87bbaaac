#pragma once

#include "AppMenu.h"
#include "WindowOpeners.h"
#include "look/NightPalette.h"
#include "timescales/EarthOrientationDownload.h"

#include <AppUtils/Repeater.h>

#include <QObject>
#include <QUrl>

#include <optional>
#include <vector>

class AppPreferences;
namespace AppUtils {
class Donation;
}

// Runs Horavane's launch and shutdown sequences and opens the clock windows.
class AppDelegate : public QObject
{
    Q_OBJECT

public:
    explicit AppDelegate(QObject *parent = nullptr);

    // Loads the settings, starts the tick, reopens the clock windows that were open when
    // Horavane last ended (the digital one the first time) and, once the first second is
    // shown, offers the donation window.
    void applicationDidFinishLaunching();

    // Stops the tick, records which clock windows are open, saves the settings and stops the
    // timer service, in that order. Runs once, however the end comes (Quit, the last window
    // closing, a signal or the session ending); later calls do nothing.
    void applicationWillTerminate();

    // The end has begun: the windows open now are the ones to reopen at the next launch, even
    // though the end closes them before applicationWillTerminate(). Cancelled, it forgets them.
    void applicationEndBegins();
    void applicationEndCancelled();

    // Stores what a person would expect to find at the next launch, without stopping anything:
    // the desktop session asks for this before it ends, and the end may still be cancelled.
    void saveState();

    // The menu commands.
    void showHoravane();
    void showAnalog();
    void showTargets();
    void showTonight();
    void showAlarms();
    void showSites();
    void showPreferences();
    // The preferences at the General pane, where the position comes from.
    void showPositionPreferences();
    void checkUpdates();
    void showDonate();
    // Asks for an Earth-orientation file and adds it to the user's data; the details section
    // then shows what came of it.
    void importEarthOrientation();
    // Turns on keeping Earth-orientation data current, stored as the General pane's box is,
    // and downloads it now.
    void downloadEarthOrientation();
    // Opens or closes the digital window's details, remembered across runs; opening them
    // also opens that window.
    void setDetailsShown(bool shown);
    // Night vision over every window, and its brightness, both remembered across runs.
    void setNightVision(bool on);
    void setNightBrightness(NightBrightness brightness);

Q_SIGNALS:
    void detailsShownChanged(bool shown);
    // The clock windows have shown their first second: what they do not need may start.
    void clocksShown();

public:
    // Another start of Horavane asked for this one: bring its windows forward.
    void activate();

private:
    // Brings the registered window of opener's kind to the front, or makes a controller and
    // shows its window; the controller then registers itself, and from then on its slot alone
    // keeps it alive.
    void showClockWindow(const WindowOpener &opener);
    void restoreWindows();
    void restoreNightVision();
    // Whether each kind of clock window is open, in the order of windowOpeners().
    static std::vector<bool> openWindows();
    void saveOpenWindows();
    // The preferences, their General pane loaded from the settings on first use.
    AppPreferences &preferences();
    void saveSettings();
    void offerDonation();
    void showDonation(AppUtils::Donation &window);
    // The donation window with our message, made afresh; null when the message is missing.
    AppUtils::Donation *donation() const;

    const QUrl hv_paypal;
    EarthOrientationDownload m_earthOrientationDownload; // follows the General pane's box
    AppMenu m_menu;
    AppUtils::Repeater m_afterFirstSecond; // once, just after the first tick
    bool m_preferencesLoaded = false;
    std::optional<std::vector<bool>> m_windowsAtEnd;
    bool m_terminated = false;
};
