#pragma once

#include <QObject>
#include <QUrl>

// Runs Horavane's launch and shutdown sequences and opens the clock windows.
class AppDelegate : public QObject
{
    Q_OBJECT

public:
    explicit AppDelegate(QObject *parent = nullptr);

    // Loads the settings, starts the tick, reopens the clock windows that were open when
    // Horavane last ended (the digital one the first time) and offers the donation window.
    void applicationDidFinishLaunching();

    // Stops the tick, records which clock windows are open, saves the settings and stops the
    // timer service, in that order. Runs once, however the end comes (Quit, the last window
    // closing, a signal or the session ending); later calls do nothing.
    void applicationWillTerminate();

    // Stores what a person would expect to find at the next launch, without stopping anything:
    // the desktop session asks for this before it ends, and the end may still be cancelled.
    void saveState();

private:
    void restoreWindows();
    void saveOpenWindows();
    void offerDonation();

    const QUrl hv_paypal;
    bool m_terminated = false;
};
