#pragma once

#include <chrono>
#include <optional>

#include <Platform/WindowController.h>

#include <QList>
#include <QPointer>
#include <QString>

class QActionGroup;

namespace Preferences {

class Preferenceable;
class PaneStack;

// The preferences window: a tool bar with one button per pane, in the order given, over
// the selected pane's view. The window is as wide as the widest pane and as high as the
// selected one; when the user switches panes in the shown window, its height follows in a
// short animation. It keeps its place on screen across runs, under its title. Closing it (the close button or Ctrl+W)
// only hides it; showWindow() brings back the same window with the same controls.
//
// The panes are not owned and must outlive the window's use; their views are shown in the
// window and handed back to them when the controller is destroyed.
class PreferencesWindowController : public Platform::WindowController
{
    Q_OBJECT
public:
    // The window is built at the first showWindow(). title is the window's title. frameName
    // is the name under which its frame is kept (empty keeps none); it defaults to the title,
    // but a translated title would lose the saved place when the desktop's language changes.
    PreferencesWindowController(QList<Preferenceable *> panes, QString title,
        std::optional<QString> frameName = std::nullopt, QObject *parent = nullptr);
    ~PreferencesWindowController() override;

    // Shows the pane at index (0 = first) and fits the window to it at once. An index out of range
    // changes nothing. Before the window is built, chooses the pane it opens with.
    void selectPane(int index);

protected:
    void loadWindow(QMainWindow &window) override;
    void windowDidLoad() override;

private:
    std::chrono::milliseconds resizeTime() const; // for a switch by the user
    void showCurrentPane(std::chrono::milliseconds resizeTime);

    QList<Preferenceable *> m_panes;
    QString m_title;
    QString m_frameName;
    int m_current;
    QPointer<PaneStack> m_stack; // these two belong to the window
    QPointer<QActionGroup> m_buttons;
    QList<QPointer<QWidget>> m_views; // the panes' views, to hand back
};

} // namespace Preferences
