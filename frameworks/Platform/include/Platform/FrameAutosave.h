#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;

namespace Platform {

// Keeps a top-level window's position and size across runs, under a name.
//
// The geometry (QWidget::saveGeometry()) is stored as "WindowFrames/<name>" in the
// application's settings file, QSettings(IniFormat, UserScope, organisation name,
// application name). It is written when the window has stopped moving or resizing for a
// moment, and at once when the window closes or hides.
class FrameAutosave : public QObject
{
    Q_OBJECT
public:
    // Restores window's geometry stored under name, if any, then keeps it up to date. Call
    // before the window is first shown. A stored geometry that does not parse is ignored;
    // one whose title bar would be out of reach (its screen unplugged since, say) is moved,
    // and shrunk if need be, onto the screen it overlaps most, or the primary screen.
    // Replaces an earlier autosave of the same window. An empty name stores nothing.
    // Returns the autosave, owned by window, or null for an empty name.
    static FrameAutosave *attach(QWidget &window, const QString &name);

    // The settings key of name: "WindowFrames/<name>".
    static QString settingsKey(const QString &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FrameAutosave(QWidget &window, QString name);
    void restore();
    void save();

    QWidget &m_window;
    QString m_name;
    QTimer m_pending;   // coalesces a drag or resize into one write
};

// Moves frame, a window's outer rectangle, the least distance that puts all of its title
// bar (its top titleBarHeight pixels) inside one of the available screen areas, or as
// much of it as fits. Only moves a frame whose title bar is not at least partly reachable
// already: a strip of min(frame width, 64) pixels must lie wholly on one screen. Picks the
// screen that overlaps frame most, the first one when none does; shrinks frame to that
// screen when it is larger. Returns frame unchanged when screens is empty.
QRect reachableFrame(const QRect &frame, int titleBarHeight, const QList<QRect> &screens);

} // namespace Platform
