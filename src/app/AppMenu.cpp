#include "AppMenu.h"

#include "AppDelegate.h"
#include "look/NightVision.h"
#include "preferences/SettingsKeys.h"

#include <AppUtils/DefaultSettings.h>

#include <Preferences/ThemedIcon.h>

#include <QApplication>
#include <QKeyEvent>
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
    , m_nightBrightness(this)
{
    setUp(m_about, tr("&About Horavane"), {}, QAction::AboutRole);
    setUp(m_donate, tr("&Donate…"));
    setUp(m_checkUpdates, tr("Check for &Updates…"));
    setUp(m_importEarthOrientation, tr("&Import Earth Orientation Data…"));
    setUp(m_showDetails, tr("Show &Details"), QKeySequence(tr("Ctrl+D")));
    m_showDetails.setCheckable(true);
    m_showDetails.setChecked(AppUtils::Defaults().loadBool(SettingsKeys::showDetails, false));
    setUp(m_nightVision, tr("&Night Vision"), QKeySequence(tr("Ctrl+Shift+N")));
    m_nightVision.setCheckable(true);
    const std::pair<NightBrightness, QString> steps[]{{NightBrightness::bright, tr("&Bright")},
        {NightBrightness::medium, tr("&Medium")}, {NightBrightness::dim, tr("&Dim")}};
    for (const auto &[brightness, text] : steps) {
        QAction *step = m_nightBrightness.addAction(text);
        step->setCheckable(true);
        step->setData(static_cast<int>(brightness));
    }
    setUp(m_fullScreen, tr("&Full Screen"), QKeySequence(Qt::Key_F11));
    m_fullScreen.setCheckable(true);
    setUp(m_stayOnTop, tr("Stay on &Top"));
    m_stayOnTop.setCheckable(true);
    // Only an X11 window manager lets a program ask to stay above the others; Wayland leaves
    // that to the person, through the compositor's own window menu.
    m_stayOnTop.setVisible(QGuiApplication::platformName() == u"xcb");
    setUp(m_preferences, tr("&Preferences…"), QKeySequence(tr("Ctrl+,")), QAction::PreferencesRole);
    setUp(m_quit, tr("&Quit"), QKeySequence::Quit, QAction::QuitRole);
    setUp(m_showHoravane, tr("&Digital Clock"), QKeySequence(tr("Ctrl+1")));
    setUp(m_showAnalog, tr("&Analog Clock"), QKeySequence(tr("Ctrl+2")));
    setUp(m_showTargets, tr("&Targets"), QKeySequence(tr("Ctrl+3")));
    setUp(m_showTonight, tr("T&onight"), QKeySequence(tr("Ctrl+4")));
    setUp(m_showAlarms, tr("A&larms"), QKeySequence(tr("Ctrl+5")));
    setUp(m_showSites, tr("&Sites"), QKeySequence(tr("Ctrl+6")));
    setUp(m_close, tr("&Close"), QKeySequence::Close);
    for (QAction *action : applicationKeys())
        action->setShortcutContext(Qt::ApplicationShortcut);

    connect(&m_about, &QAction::triggered, this, &AppMenu::showAbout);
    connect(&m_donate, &QAction::triggered, &delegate, &AppDelegate::showDonate);
    connect(&m_checkUpdates, &QAction::triggered, &delegate, &AppDelegate::checkUpdates);
    connect(&m_importEarthOrientation, &QAction::triggered, &delegate, &AppDelegate::importEarthOrientation);
    connect(&m_showDetails, &QAction::toggled, &delegate, &AppDelegate::setDetailsShown);
    connect(&delegate, &AppDelegate::detailsShownChanged, &m_showDetails, &QAction::setChecked);
    // Triggered, not toggled: ticking the item to show the state at launch stores nothing.
    connect(&m_nightVision, &QAction::triggered, &delegate, &AppDelegate::setNightVision);
    connect(&m_nightBrightness, &QActionGroup::triggered, &delegate,
        [&delegate](QAction *step) { delegate.setNightBrightness(static_cast<NightBrightness>(step->data().toInt())); });
    const auto showNightVision = [this] {
        const NightVision &night = NightVision::shared();
        m_nightVision.setChecked(night.isOn());
        for (QAction *step : m_nightBrightness.actions())
            step->setChecked(step->data().toInt() == static_cast<int>(night.brightness()));
    };
    connect(&NightVision::shared(), &NightVision::changed, this, showNightVision);
    showNightVision();
    connect(&m_fullScreen, &QAction::triggered, this, &AppMenu::toggleFullScreen);
    connect(&m_stayOnTop, &QAction::triggered, this, &AppMenu::toggleStayOnTop);
    connect(&m_preferences, &QAction::triggered, &delegate, &AppDelegate::showPreferences);
    connect(&m_quit, &QAction::triggered, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    connect(&m_showHoravane, &QAction::triggered, &delegate, &AppDelegate::showHoravane);
    connect(&m_showAnalog, &QAction::triggered, &delegate, &AppDelegate::showAnalog);
    connect(&m_showTargets, &QAction::triggered, &delegate, &AppDelegate::showTargets);
    connect(&m_showTonight, &QAction::triggered, &delegate, &AppDelegate::showTonight);
    connect(&m_showAlarms, &QAction::triggered, &delegate, &AppDelegate::showAlarms);
    connect(&m_showSites, &QAction::triggered, &delegate, &AppDelegate::showSites);
    connect(&m_close, &QAction::triggered, this, [] {
        if (QWidget *window = QApplication::activeWindow())
            window->close();
    });
}

void AppMenu::loadIcons()
{
    m_quit.setIcon(QIcon::fromTheme(QStringLiteral("application-exit")));
    m_preferences.setIcon(Preferences::themedIcon(QStringLiteral("preferences-system")));
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
    QMenu *view = bar->addMenu(tr("&View"));
    view->addAction(&m_showDetails);
    view->addSeparator();
    view->addAction(&m_nightVision);
    view->addMenu(tr("Night Vision &Brightness"))->addActions(m_nightBrightness.actions());
    view->addSeparator();
    view->addActions({&m_fullScreen, &m_stayOnTop});
    connect(view, &QMenu::aboutToShow, this, &AppMenu::showWindowState);
    QMenu *windows = bar->addMenu(tr("&Window"));
    windows->addActions({&m_showHoravane, &m_showAnalog, &m_showTargets, &m_showTonight, &m_showAlarms, &m_showSites});
    windows->addSeparator();
    windows->addAction(&m_close);
    window.setMenuBar(bar);
    m_clockWindows.append(&window);
    connect(&window, &QObject::destroyed, this, [this, &window] { m_clockWindows.removeOne(&window); });
    window.installEventFilter(this);
}

void AppMenu::addKeys(QWidget &window)
{
    if (!window.actions().contains(&m_quit)) // re-adding would remove and insert each again
        window.addActions(applicationKeys());
}

QList<QAction *> AppMenu::applicationKeys()
{
    return {&m_preferences, &m_quit, &m_nightVision, &m_showHoravane, &m_showAnalog, &m_showTargets, &m_showTonight,
        &m_showAlarms, &m_showSites};
}

QMainWindow *AppMenu::frontClockWindow() const
{
    auto *front = qobject_cast<QMainWindow *>(QApplication::activeWindow());
    return m_clockWindows.contains(front) ? front : nullptr;
}

// On the screen the window is on: Qt fills the screen the window is shown on.
void AppMenu::toggleFullScreen()
{
    if (QMainWindow *window = frontClockWindow())
        window->isFullScreen() ? window->showNormal() : window->showFullScreen();
    showWindowState();
}

void AppMenu::toggleStayOnTop()
{
    if (QMainWindow *window = frontClockWindow()) {
        window->setWindowFlag(Qt::WindowStaysOnTopHint, !(window->windowFlags() & Qt::WindowStaysOnTopHint));
        window->show(); // a change of flags hides a top-level window
    }
    showWindowState();
}

void AppMenu::showWindowState()
{
    const QMainWindow *window = frontClockWindow();
    m_fullScreen.setChecked(window && window->isFullScreen());
    m_stayOnTop.setChecked(window && (window->windowFlags() & Qt::WindowStaysOnTopHint));
}

bool AppMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        auto *window = static_cast<QWidget *>(watched);
        if (window->isFullScreen()) {
            window->showNormal();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
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
