#include "Platform/FrameAutosave.h"

#include <AppUtils/DefaultSettings.h>

#include <QCoreApplication>
#include <QDataStream>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <optional>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace Platform {

namespace {

// Long enough to span the steps of a drag; short enough that a crash soon after loses little.
constexpr auto SAVE_DELAY = 500ms;

// The part of a title bar that must be on screen to grab the window with the mouse.
constexpr int REACHABLE_WIDTH = 64;

// The window's own rectangle (without its frame) when not maximised, if data holds all of what
// QWidget::saveGeometry() writes, with non-empty frames. restoreGeometry() checks only the
// header, and applies whatever a cut-short value leaves.
std::optional<QRect> normalGeometry(const QByteArray &data)
{
    QDataStream stream(data);
    stream.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 majorVersion = 0;
    quint16 minorVersion = 0;
    QRect frame;
    QRect normal;
    qint32 screen = 0;
    quint8 maximized = 0;
    quint8 fullScreen = 0;
    stream >> magic >> majorVersion >> minorVersion >> frame >> normal >> screen >> maximized >> fullScreen;
    qint32 screenWidth = 0;
    QRect geometry;
    if (majorVersion > 1)
        stream >> screenWidth;
    if (majorVersion > 2)
        stream >> geometry;
    if (stream.status() != QDataStream::Ok || !frame.isValid() || !normal.isValid())
        return std::nullopt;
    return normal;
}

} // namespace

WindowPlacement platformPlacement()
{
    return QGuiApplication::platformName().startsWith(u"wayland") ? WindowPlacement::sizeOnly
                                                                  : WindowPlacement::positionAndSize;
}

FrameAutosave *FrameAutosave::attach(QWidget &window, const QString &name, WindowPlacement placement)
{
    delete window.findChild<FrameAutosave *>(QString(), Qt::FindDirectChildrenOnly);
    if (name.isEmpty())
        return nullptr;
    auto *autosave = new FrameAutosave(window, name, placement);
    autosave->restore();
    return autosave;
}

QString FrameAutosave::settingsKey(const QString &name)
{
    return u"WindowFrames/"_s + name;
}

QString FrameAutosave::sizeKey(const QString &name)
{
    return u"WindowSizes/"_s + name;
}

FrameAutosave::FrameAutosave(QWidget &window, QString name, WindowPlacement placement)
    : QObject(&window)
    , m_window(window)
    , m_name(std::move(name))
    , m_placement(placement)
{
    m_pending.setSingleShot(true);
    m_pending.setInterval(SAVE_DELAY);
    connect(&m_pending, &QTimer::timeout, this, &FrameAutosave::save);
    // A window still open at quit may never hide, nor see its last move written.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &FrameAutosave::save);
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
        case QEvent::Hide: // closed or minimised: the frame is final for now
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
    // Beside the application's other settings, with the same guards on the file.
    const AppUtils::DefaultSettings &settings = AppUtils::Defaults();
    const QByteArray stored = settings.loadBytes(settingsKey(m_name));
    const std::optional<QRect> normal = normalGeometry(stored);
    if (m_placement == WindowPlacement::sizeOnly) {
        const QSize size = settings.loadSize(sizeKey(m_name));
        if (size.isValid() && !size.isEmpty())
            m_window.resize(size);
        else if (normal)
            m_window.resize(normal->size());
        return;
    }
    if (!normal || !m_window.restoreGeometry(stored))
        return; // nothing stored, or not a geometry: the window keeps its own placement

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
    if (m_placement == WindowPlacement::sizeOnly) {
        if (!(m_window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) // the screen's size
            AppUtils::Defaults().saveSize(sizeKey(m_name), m_window.size());
    } else
        AppUtils::Defaults().saveBytes(settingsKey(m_name), m_window.saveGeometry());
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
    const QRect target = *std::max_element(
        screens.begin(), screens.end(), [&overlap](const QRect &a, const QRect &b) { return overlap(a) < overlap(b); });
    const QSize size = frame.size().boundedTo(target.size());
    const int x = std::clamp(frame.x(), target.left(), target.right() + 1 - size.width());
    const int y = std::clamp(frame.y(), target.top(), target.bottom() + 1 - size.height());
    return QRect(QPoint(x, y), size);
}

} // namespace Platform
