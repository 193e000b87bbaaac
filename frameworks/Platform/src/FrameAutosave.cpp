#include "Platform/FrameAutosave.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <chrono>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace Platform {

namespace {

// Long enough to span the steps of a drag, short enough to land before a crash could.
constexpr auto SAVE_DELAY = 500ms;

// The part of a title bar that must be on screen to grab the window with the mouse.
constexpr int REACHABLE_WIDTH = 64;

QSettings appSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                     QCoreApplication::applicationName());
}

} // namespace

FrameAutosave *FrameAutosave::attach(QWidget &window, const QString &name)
{
    delete window.findChild<FrameAutosave *>(QString(), Qt::FindDirectChildrenOnly);
    if (name.isEmpty())
        return nullptr;
    auto *autosave = new FrameAutosave(window, name);
    autosave->restore();
    return autosave;
}

QString FrameAutosave::settingsKey(const QString &name)
{
    return u"WindowFrames/"_s + name;
}

FrameAutosave::FrameAutosave(QWidget &window, QString name)
    : QObject(&window)
    , m_window(window)
    , m_name(std::move(name))
{
    m_pending.setSingleShot(true);
    m_pending.setInterval(SAVE_DELAY);
    connect(&m_pending, &QTimer::timeout, this, &FrameAutosave::save);
    window.installEventFilter(this);
}

bool FrameAutosave::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            if (m_window.isVisible())
                m_pending.start();
            break;
        case QEvent::Hide:   // closed or minimised: the frame is final for now
            save();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void FrameAutosave::restore()
{
    const QByteArray stored = appSettings().value(settingsKey(m_name)).toByteArray();
    if (stored.isEmpty() || !m_window.restoreGeometry(stored))
        return;   // nothing stored, or not a geometry: the window keeps its own placement

    QList<QRect> areas;
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        areas.append(primary->availableGeometry());
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            areas.append(screen->availableGeometry());
    }
    const QRect frame = m_window.frameGeometry();
    const QRect reachable = reachableFrame(frame, m_window.style()->pixelMetric(QStyle::PM_TitleBarHeight), areas);
    if (reachable == frame)
        return;
    m_window.resize(m_window.size() - (frame.size() - reachable.size()));
    m_window.move(reachable.topLeft());
}

void FrameAutosave::save()
{
    m_pending.stop();
    appSettings().setValue(settingsKey(m_name), m_window.saveGeometry());
}

QRect reachableFrame(const QRect &frame, int titleBarHeight, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return frame;
    const QRect titleBar(frame.topLeft(), QSize(frame.width(), titleBarHeight));
    const int needed = std::min(frame.width(), REACHABLE_WIDTH);
    for (const QRect &screen : screens) {
        const QRect shown = screen.intersected(titleBar);
        if (shown.width() >= needed && shown.height() == titleBar.height())
            return frame;
    }

    const auto overlap = [&frame](const QRect &screen) {
        const QRect shared = screen.intersected(frame);
        return qint64(shared.width()) * shared.height();
    };
    const QRect target = *std::max_element(screens.begin(), screens.end(),
                                            [&overlap](const QRect &a, const QRect &b) { return overlap(a) < overlap(b); });
    const QSize size = frame.size().boundedTo(target.size());
    const int x = std::clamp(frame.x(), target.left(), target.right() + 1 - size.width());
    const int y = std::clamp(frame.y(), target.top(), target.bottom() + 1 - size.height());
    return QRect(QPoint(x, y), size);
}

} // namespace Platform
