#include "Preferences/PreferencesWindowController.h"

#include "Preferences/Preferenceable.h"

#include <Platform/FrameAutosave.h>

#include <QAction>
#include <QActionGroup>
#include <QLayout>
#include <QMainWindow>
#include <QStackedWidget>
#include <QStyle>
#include <QToolBar>
#include <QVariantAnimation>

#include <algorithm>
#include <chrono>

using namespace Qt::StringLiterals;

namespace Preferences {

namespace {

// How long the window takes to reach the height of the pane the user switched to.
constexpr std::chrono::milliseconds RESIZE_TIME(150);

} // namespace

// As wide as the widest pane, so that switching never changes the window's width, and as
// high as the pane on show, or, while switching, as an animation between the two heights.
class PaneStack final : public QStackedWidget
{
public:
    explicit PaneStack(QWidget *parent)
        : QStackedWidget(parent)
    {
        m_resize.setEasingCurve(QEasingCurve::InOutQuad);
        connect(&m_resize, &QVariantAnimation::valueChanged, this, [this](const QVariant &height) {
            m_height = height.toInt();
            updateGeometry();
        });
        connect(&m_resize, &QVariantAnimation::finished, this, [this] {
            m_height.reset();
            updateGeometry();
        });
    }

    // Shows the pane at index; the stack takes its height over duration, or at once for zero.
    void showPane(int index, std::chrono::milliseconds duration)
    {
        const int from = sizeHint().height();
        m_resize.stop();
        m_height.reset();
        setCurrentIndex(index);
        if (duration.count() > 0 && sizeHint().height() != from) {
            m_height = from;
            m_resize.setDuration(int(duration.count()));
            m_resize.setStartValue(from);
            m_resize.setEndValue(sizeHint().height());
            m_resize.start();
        }
        updateGeometry();
    }

    QSize sizeHint() const override
    {
        int width = 0;
        for (int i = 0; i < count(); ++i)
            width = std::max(width, widget(i)->sizeHint().width());
        const int height = currentWidget() ? currentWidget()->sizeHint().height() : 0;
        return {width, m_height.value_or(height)};
    }

    // The window is as large as this asks, no more and no less.
    QSize minimumSizeHint() const override { return sizeHint(); }

private:
    QVariantAnimation m_resize;
    std::optional<int> m_height; // while the animation runs
};

PreferencesWindowController::PreferencesWindowController(
    QList<Preferenceable *> panes, QString title, std::optional<QString> frameName, QObject *parent)
    : Platform::WindowController(parent)
    , m_panes(std::move(panes))
    , m_title(std::move(title))
    , m_frameName(frameName.value_or(m_title))
    , m_current(m_panes.isEmpty() ? -1 : 0)
{
}

PreferencesWindowController::~PreferencesWindowController()
{
    // The panes own their views: take them out before the window destroys its children.
    for (const QPointer<QWidget> &view : std::as_const(m_views)) {
        if (view && m_stack && view->parentWidget() == m_stack)
            view->setParent(nullptr);
    }
}

void PreferencesWindowController::selectPane(int index)
{
    if (index < 0 || index >= m_panes.size())
        return;
    m_current = index;
    showCurrentPane(std::chrono::milliseconds(0));
}

void PreferencesWindowController::loadWindow(QMainWindow &window)
{
    window.setWindowTitle(m_title);

    auto *toolBar = new QToolBar(tr("Panes"), &window);
    toolBar->setObjectName(u"panes"_s);
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setContextMenuPolicy(Qt::PreventContextMenu); // no "hide the tool bar" menu
    toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    window.addToolBar(Qt::TopToolBarArea, toolBar);

    auto *stack = new PaneStack(&window);
    window.setCentralWidget(stack);
    m_stack = stack;
    m_buttons = new QActionGroup(&window);

    for (int i = 0; i < m_panes.size(); ++i) {
        Preferenceable &pane = *m_panes.at(i);
        QWidget *view = pane.view();
        m_views.append(view);
        stack->addWidget(view);

        QAction *button = toolBar->addAction(pane.toolbarItemIcon(), pane.toolbarItemTitle());
        button->setCheckable(true);
        m_buttons->addAction(button);
        toolBar->widgetForAction(button)->setAccessibleName(pane.toolbarItemTitle());
        // Toggled, not triggered: a screen reader switches a button on without clicking it.
        connect(button, &QAction::toggled, this, [this, i](bool on) {
            if (on && i != m_current) {
                m_current = i;
                showCurrentPane(resizeTime());
            }
        });
    }

    auto *close = new QAction(tr("Close"), &window);
    close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    connect(close, &QAction::triggered, &window, &QWidget::close);
    window.addAction(close);

    // The window takes the size the tool bar and the pane ask for, and no other.
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    showCurrentPane(std::chrono::milliseconds(0));
}

void PreferencesWindowController::windowDidLoad()
{
    Platform::FrameAutosave::attach(*window(), m_frameName);
}

std::chrono::milliseconds PreferencesWindowController::resizeTime() const
{
    // A hidden window has nobody to watch it grow; a style without animations wants none.
    const bool animate = window()->isVisible()
        && window()->style()->styleHint(QStyle::SH_Widget_Animation_Duration, nullptr, window()) > 0;
    return animate ? RESIZE_TIME : std::chrono::milliseconds(0);
}

void PreferencesWindowController::showCurrentPane(std::chrono::milliseconds resizeTime)
{
    if (!m_stack || !m_buttons || m_current < 0)
        return; // the window is not built yet, or has no pane
    m_stack->showPane(m_current, resizeTime);
    m_buttons->actions().at(m_current)->setChecked(true);
    window()->layout()->activate(); // resize now, not at the next event loop pass
}

} // namespace Preferences
