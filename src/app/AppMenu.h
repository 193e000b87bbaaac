#pragma once

#include <QAction>
#include <QActionGroup>
#include <QObject>

class AppDelegate;
class QMainWindow;

// The menu bar of every clock window: Horavane (About, Donate, Check for Updates, Import Earth
// Orientation Data, Preferences, Quit), View (Show Details, Night Vision and its brightness,
// Full Screen, Stay on Top) and Window (Digital Clock, Analog Clock, Targets, Tonight, Alarms, Sites, Close).
// One set of actions serves all windows, so that no key is bound twice; the keys that are not
// about one window work from every window. Full Screen and Stay on Top act on the clock window
// in front, and Escape leaves full screen.
class AppMenu : public QObject
{
    Q_OBJECT

public:
    explicit AppMenu(AppDelegate &delegate, QObject *parent = nullptr);

    // Gives window the menu bar, once.
    void install(QMainWindow &window);
    // Gives the actions that have one their icon. Reading the icon theme takes longer than
    // building a clock window: this waits until the clocks are shown.
    void loadIcons();
    // Lets the application's keys (Quit, Preferences, the clock windows) work in a window that has
    // no menu bar: they are live only while a window that carries them is shown.
    void addKeys(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showAbout();
    // The clock window in front, or null when the window in front is another one.
    QMainWindow *frontClockWindow() const;
    void toggleFullScreen();
    void toggleStayOnTop();
    // Ticks Full Screen and Stay on Top as they are for the window in front.
    void showWindowState();
    QList<QAction *> applicationKeys();

    QAction m_about;
    QAction m_donate;
    QAction m_checkUpdates;
    QAction m_importEarthOrientation;
    QAction m_showDetails;
    QAction m_nightVision;
    QActionGroup m_nightBrightness;
    QAction m_fullScreen;
    QAction m_stayOnTop;
    QAction m_preferences;
    QAction m_quit;
    QAction m_showHoravane;
    QAction m_showAnalog;
    QAction m_showTargets;
    QAction m_showTonight;
    QAction m_showAlarms;
    QAction m_showSites;
    QAction m_close;
    QList<QMainWindow *> m_clockWindows; // those given the menu bar, while they live
};
