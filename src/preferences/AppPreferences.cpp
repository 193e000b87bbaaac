#include "AppPreferences.h"

#include <AppUtils/DefaultSettings.h>
#include <Extensions/Titles.h>

#include <QUrl>

using namespace Qt::StringLiterals;

AppPreferences::AppPreferences()
    : m_prefsGeneral(AppUtils::Defaults())
    , m_prefsUpdate(QUrl(QStringLiteral(HORAVANE_APPCAST_URL)), QStringLiteral(HORAVANE_VERSION))
{
    const QList<Preferences::Preferenceable *> panes{&m_prefsGeneral, &m_prefsUpdate};
    // The frame is kept under the English title, whatever the language of the window's title.
    m_window.emplace(panes, Extensions::prefsTitle(), u"Horavane Preferences"_s);
    m_prefsGeneral.view(); // the live store of the settings; the update pane waits to be shown
}

PreferencesGeneral &AppPreferences::prefsGeneral()
{
    return m_prefsGeneral;
}

SparklePreferences::SparklePreferences &AppPreferences::prefsUpdate()
{
    return m_prefsUpdate;
}

Preferences::PreferencesWindowController &AppPreferences::window()
{
    return *m_window;
}

AppPreferences &sharedPreferences()
{
    static AppPreferences *const instance = new AppPreferences;
    return *instance;
}
