#pragma once

#include <QList>
#include <QObject>
#include <QRect>
#include <QString>
#include <QTimer>

#include <functional>

class QWidget;

namespace Platform {

// Keeps a top-level window's position and size across runs, under a name.
//
// The geometry (QWidget::saveGeometry()) is stored as "WindowFrames/<name>" in the
// application's settings file, $XDG_CONFIG_HOME/<organisation name>/<application name>.conf
// (INI). It is written when the window has stopped moving or resizing for a
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

    // Asked before each write; false leaves the stored frames as they are. Unset: always written.
    static void setWriteCheck(std::function<bool()> check);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FrameAutosave(QWidget &window, QString name);
    void restore();
    void save();

    QWidget &m_window;
    QString m_name;
    QTimer m_pending; // coalesces a drag or resize into one write
};

// Where to put a window whose outer rectangle is frame so that its title bar can be grabbed.
// frame itself when a strip of the title bar (the top titleBarHeight pixels, at least
// min(frame width, 64) pixels wide) lies on one of screens, the screens' available areas,
// or when screens is empty. Otherwise frame moved the least distance to lie wholly on the
// screen it overlaps most (the first of screens when it overlaps none), shrunk to that
// screen's size if larger.
QRect reachableFrame(const QRect &frame, int titleBarHeight, const QList<QRect> &screens);

} // namespace Platform
