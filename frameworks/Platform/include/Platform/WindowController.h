#pragma once

#include <QObject>
#include <QPointer>

class QMainWindow;

namespace Platform {

class ControlledWindow;

// Owns one top-level QMainWindow, built the first time it is shown.
//
// Closing the window only hides it: the controller and its window stay alive until the
// owner destroys the controller, which destroys the window. An owner that releases the
// controller when its window closes does so with deleteLater() from windowClosed or
// windowWillClose(), not with a plain delete: the window is still inside its close event
// there. (A plain delete is survived, the window then going with deleteLater(), but the
// rest of that close handler would run on a destroyed controller.)
class WindowController : public QObject
{
    Q_OBJECT
public:
    explicit WindowController(QObject *parent = nullptr);
    ~WindowController() override;

    // First call: builds the window (loadWindow(), then windowDidLoad()) and shows it.
    // Later calls: shows the window if hidden, un-minimises, raises and activates it.
    void showWindow();

    // The window; null until the first showWindow().
    QMainWindow *window() const;

Q_SIGNALS:
    // Once, after windowDidLoad() and before the window is first shown: the moment for others
    // to add to the window (a menu bar, say) without it changing size on screen.
    void windowLoaded();
    // After windowWillClose(), from the window's accepted close event.
    void windowClosed();

protected:
    // Fills the new, still hidden window (typically the uic class's setupUi(&window)).
    virtual void loadWindow(QMainWindow &window) = 0;
    // Runs once, after loadWindow() and before the window is first shown.
    virtual void windowDidLoad();
    // Runs from every accepted close of the window; the window is about to hide.
    virtual void windowWillClose();

private:
    friend class ControlledWindow;
    void windowDidClose();

    QPointer<ControlledWindow> m_window;
};

} // namespace Platform
