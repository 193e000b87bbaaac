#pragma once

#include "PreferencesGeneral.h"

#include <Preferences/PreferencesWindowController.h>
#include <SparklePreferences/SparklePreferences.h>

#include <optional>

// The preferences window and its panes, kept for the life of the process. Through
// prefsGeneral() the rest of the program reaches the live settings.
//
// (Not called Preferences: that name belongs to the framework's namespace.)
class AppPreferences
{
public:
    // Builds the General pane (on the shared settings), the update pane and the window, and
    // loads the General pane's view, so that its controls exist before loadSettings(). The
    // update pane's view is built when the window first shows it.
    // Shows nothing; the window comes on screen only through window().showWindow(), and
    // closing it only hides it.
    AppPreferences();

    PreferencesGeneral &prefsGeneral();
    SparklePreferences::SparklePreferences &prefsUpdate();
    Preferences::PreferencesWindowController &window();

private:
    std::optional<Preferences::PreferencesWindowController> m_window; // none until the panes exist
    PreferencesGeneral m_prefsGeneral;
    SparklePreferences::SparklePreferences m_prefsUpdate;
};

// The one AppPreferences, made on the first call (the first call must come after QApplication
// exists; later calls from any thread get the same object) and never destroyed: it owns
// widgets, which must not be destroyed after QApplication is.
AppPreferences &sharedPreferences();
