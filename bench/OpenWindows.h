#pragma once

#include "FakeClock.h"
#include "analog/AnalogClockWindow.h"
#include "app/ApplicationId.h"
#include "digital/HoravaneWindow.h"
#include "engine/ClockUpdate.h"
#include "engine/Location.h"
#include "engine/WindowRegistry.h"

#include <QApplication>
#include <QMainWindow>
#include <QTemporaryDir>

#include <chrono>

// Horavane's two clock windows open offscreen, refreshed by a tick of their own on a clock that
// stands still until moved (its master timer has no alarm: wake() it), and the observer at Greenwich typed in by hand, so that all three dials
// turn. Settings live in a folder of their own: the person's real settings are never touched.
class OpenWindows
{
public:
    // Call before QApplication exists: the platform and the settings folder are read then.
    static void prepareEnvironment(const QTemporaryDir &home)
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")).toUtf8());
        qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral(".local/share")).toUtf8());
        qputenv("XDG_CACHE_HOME", home.filePath(QStringLiteral(".cache")).toUtf8());
    }

    // Opens both windows as the launch does, the digital one first.
    explicit OpenWindows(std::chrono::system_clock::time_point start)
        : m_clock(start)
    {
        nameApplication();
        Location::shared().setSettings({LocationSource::useManual, 51.4769, -0.0005, true});
        for (const std::shared_ptr<ClockWindow> &window :
            {makeClockWindow<HoravaneWindow>(m_tick), makeClockWindow<AnalogClockWindow>(m_tick)})
            window->showWindow(); // registers itself
        QCoreApplication::processEvents();
    }

    ~OpenWindows()
    {
        windowRegistry() = {};
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    OpenWindows(const OpenWindows &) = delete;
    OpenWindows &operator=(const OpenWindows &) = delete;

    FakeClock &clock() { return m_clock; }
    AppUtils::MasterTimer &timer() { return m_timer; }
    ClockUpdate &tick() { return m_tick; }
    QMainWindow &digitalWindow() { return *windowRegistry().openHoravaneWindow->window(); }

    // Does what the event loop does next after a tick: delivers what the tick posted (the
    // repaints).
    static void paint() { QCoreApplication::sendPostedEvents(); }

private:
    FakeClock m_clock;
    AppUtils::MasterTimer m_timer{m_clock};
    ClockUpdate m_tick{m_timer};
};
