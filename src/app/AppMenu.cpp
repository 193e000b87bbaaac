#include "AppMenu.h"

#include "AppDelegate.h"
#include "preferences/SettingsKeys.h"

#include <AppUtils/DefaultSettings.h>

#include <Preferences/ThemedIcon.h>

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>

namespace {
void setUp(QAction &action, const QString &text, QKeySequence shortcut = {}, QAction::MenuRole role = QAction::NoRole)
{
    action.setText(text);
    action.setShortcut(shortcut);
    action.setMenuRole(role);
}
} // namespace

AppMenu::AppMenu(AppDelegate &delegate, QObject *parent)
    : QObject(parent)
{
    setUp(m_about, tr("&About Horavane"), {}, QAction::AboutRole);
    setUp(m_donate, tr("&Donate…"));
    setUp(m_checkUpdates, tr("Check for &Updates…"));
    setUp(m_importEarthOrientation, tr("&Import Earth Orientation Data…"));
    setUp(m_showDetails, tr("Show &Details"), QKeySequence(tr("Ctrl+D")));
    m_showDetails.setCheckable(true);
    m_showDetails.setChecked(AppUtils::Defaults().loadBool(SettingsKeys::showDetails, false));
    setUp(m_preferences, tr("&Preferences…"), QKeySequence(tr("Ctrl+,")), QAction::PreferencesRole);
    setUp(m_quit, tr("&Quit"), QKeySequence::Quit, QAction::QuitRole);
    setUp(m_showHoravane, tr("&Digital Clock"), QKeySequence(tr("Ctrl+1")));
    setUp(m_showAnalog, tr("&Analog Clock"), QKeySequence(tr("Ctrl+2")));
    setUp(m_close, tr("&Close"), QKeySequence::Close);
    for (QAction *action : applicationKeys())
        action->setShortcutContext(Qt::ApplicationShortcut);
    m_quit.setIcon(QIcon::fromTheme(QStringLiteral("application-exit")));
    m_preferences.setIcon(Preferences::themedIcon(QStringLiteral("preferences-system")));

    connect(&m_about, &QAction::triggered, this, &AppMenu::showAbout);
    connect(&m_donate, &QAction::triggered, &delegate, &AppDelegate::showDonate);
    connect(&m_checkUpdates, &QAction::triggered, &delegate, &AppDelegate::checkUpdates);
    connect(&m_importEarthOrientation, &QAction::triggered, &delegate, &AppDelegate::importEarthOrientation);
    connect(&m_showDetails, &QAction::toggled, &delegate, &AppDelegate::setDetailsShown);
    connect(&delegate, &AppDelegate::detailsShownChanged, &m_showDetails, &QAction::setChecked);
    connect(&m_preferences, &QAction::triggered, &delegate, &AppDelegate::showPreferences);
    connect(&m_quit, &QAction::triggered, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    connect(&m_showHoravane, &QAction::triggered, &delegate, &AppDelegate::showHoravane);
    connect(&m_showAnalog, &QAction::triggered, &delegate, &AppDelegate::showAnalog);
    connect(&m_close, &QAction::triggered, this, [] {
        if (QWidget *window = QApplication::activeWindow())
            window->close();
    });
}

void AppMenu::install(QMainWindow &window)
{
    if (window.menuWidget())
        return;
    auto *bar = new QMenuBar(&window);
    QMenu *application = bar->addMenu(tr("&Horavane"));
    application->addActions({&m_about, &m_donate, &m_checkUpdates});
    application->addSeparator();
    application->addAction(&m_importEarthOrientation);
    application->addSeparator();
    application->addAction(&m_preferences);
    application->addSeparator();
    application->addAction(&m_quit);
    bar->addMenu(tr("&View"))->addAction(&m_showDetails);
    QMenu *windows = bar->addMenu(tr("&Window"));
    windows->addActions({&m_showHoravane, &m_showAnalog});
    windows->addSeparator();
    windows->addAction(&m_close);
    window.setMenuBar(bar);
}

void AppMenu::addKeys(QWidget &window)
{
    if (!window.actions().contains(&m_quit)) // re-adding would remove and insert each again
        window.addActions(applicationKeys());
}

QList<QAction *> AppMenu::applicationKeys()
{
    return {&m_preferences, &m_quit, &m_showHoravane, &m_showAnalog};
}

void AppMenu::showAbout()
{
    QMessageBox::about(QApplication::activeWindow(), tr("About Horavane"),
        tr("<h3>Horavane %1</h3>"
           "<p>A clock for astronomers: civil local time, UTC and the local "
           "sidereal time of your site, exact to the second.</p>"
           "<p>Sidereal time: IAU 2006/2000A apparent sidereal time, computed "
           "with ERFA.</p>"
           "<p><a href=\"https://horavane.org\">horavane.org</a> · "
           "GNU General Public License, version 3 or later.</p>")
            .arg(QCoreApplication::applicationVersion()));
}
