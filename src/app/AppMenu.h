#pragma once

#include <QAction>
#include <QObject>

class AppDelegate;
class QMainWindow;

// The menu bar of every clock window: Horavane (About, Donate, Check for Updates, Import Earth
// Orientation Data, Preferences, Quit), View (Show Details) and Window (Digital Clock, Analog
// Clock, Close). One set of actions serves all windows,
// so that no key is bound twice; the keys that are not about one window work from every window.
class AppMenu : public QObject
{
    Q_OBJECT

public:
    explicit AppMenu(AppDelegate &delegate, QObject *parent = nullptr);

    // Gives window the menu bar, once.
    void install(QMainWindow &window);
    // Lets the application's keys (Quit, Preferences, the two clocks) work in a window that has
    // no menu bar: they are live only while a window that carries them is shown.
    void addKeys(QWidget &window);

private:
    void showAbout();
    QList<QAction *> applicationKeys();

    QAction m_about;
    QAction m_donate;
    QAction m_checkUpdates;
    QAction m_importEarthOrientation;
    QAction m_showDetails;
    QAction m_preferences;
    QAction m_quit;
    QAction m_showHoravane;
    QAction m_showAnalog;
    QAction m_close;
};
