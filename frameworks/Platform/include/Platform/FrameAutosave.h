#pragma once

#include <QList>
#include <QObject>
#include <QRect>
#include <QString>
#include <QTimer>

class QWidget;

namespace Platform {

// What a window system lets a program do with its own windows: X11 lets it put them where
// they were; Wayland leaves the place to the compositor, so only the size is the program's.
enum class WindowPlacement { positionAndSize, sizeOnly };

// The placement of the window system the application runs on.
WindowPlacement platformPlacement();

// Keeps a top-level window's position and size across runs, under a name.
//
// Where windows can be placed, the geometry (QWidget::saveGeometry()) is stored as
// "WindowFrames/<name>" in the application's settings file, AppUtils::Defaults(). Where only the size is
// ours, the size alone is stored as "WindowSizes/<name>", and the frame an X11 session stored
// is left as it is for the next one. Either is written when the window has stopped moving or
// resizing for a moment, and at once when the window closes or hides.
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
    // With sizeOnly, restores the stored size (or that of the stored frame) and nothing else.
    static FrameAutosave *attach(
        QWidget &window, const QString &name, WindowPlacement placement = platformPlacement());

    // The settings keys of name: "WindowFrames/<name>" and "WindowSizes/<name>".
    static QString settingsKey(const QString &name);
    static QString sizeKey(const QString &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FrameAutosave(QWidget &window, QString name, WindowPlacement placement);
    void restore();
    void save();

    QWidget &m_window;
    QString m_name;
    WindowPlacement m_placement;
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
