#pragma once

#include <QAction>
#include <QObject>

class AppDelegate;
class QMainWindow;

// The menu bar of every clock window: Horavane (About, Donate, Check for Updates, Preferences,
// Quit) and Window (Digital Clock, Analog Clock, Close). One set of actions serves all windows.
class AppMenu : public QObject
{
    Q_OBJECT

public:
    explicit AppMenu(AppDelegate &delegate, QObject *parent = nullptr);

    // Gives window the menu bar, once.
    void install(QMainWindow &window);

private:
    void showAbout();

    QAction m_about;
    QAction m_donate;
    QAction m_checkUpdates;
    QAction m_preferences;
    QAction m_quit;
    QAction m_showHoravane;
    QAction m_showAnalog;
    QAction m_close;
};
