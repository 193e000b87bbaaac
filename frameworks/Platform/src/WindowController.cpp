#include "Platform/WindowController.h"

#include <QCloseEvent>
#include <QMainWindow>
#include <QScopedValueRollback>

namespace Platform {

// The controller's window: reports its accepted closes to the controller.
class ControlledWindow final : public QMainWindow
{
public:
    explicit ControlledWindow(WindowController &controller)
        : m_controller(&controller)
    {
    }

    bool isClosing() const { return m_closing; }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        QMainWindow::closeEvent(event);
        if (!event->isAccepted() || !m_controller)
            return;
        const QScopedValueRollback closing(m_closing, true);
        m_controller->windowDidClose();
    }

private:
    QPointer<WindowController> m_controller;
    bool m_closing = false;
};

WindowController::WindowController(QObject *parent)
    : QObject(parent)
{
}

WindowController::~WindowController()
{
    if (!m_window)
        return;
    // Destroyed from its own close handler: the window still has its close event to finish.
    if (m_window->isClosing())
        m_window->deleteLater();
    else
        delete m_window.data();
}

void WindowController::showWindow()
{
    if (!m_window) {
        m_window = new ControlledWindow(*this);
        loadWindow(*m_window);
        windowDidLoad();
        Q_EMIT windowLoaded();
    }
    QMainWindow &window = *m_window;
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

QMainWindow *WindowController::window() const
{
    return m_window.data();
}

void WindowController::windowDidLoad() {}

void WindowController::windowWillClose() {}

void WindowController::windowDidClose()
{
    const QPointer<WindowController> alive(this);
    windowWillClose();
    if (alive)
        Q_EMIT windowClosed();
}

} // namespace Platform
