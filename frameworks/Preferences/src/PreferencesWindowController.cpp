#include "Preferences/PreferencesWindowController.h"

#include "Preferences/Preferenceable.h"

#include <Platform/FrameAutosave.h>

#include <QAction>
#include <QActionGroup>
#include <QLayout>
#include <QMainWindow>
#include <QStackedWidget>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace Preferences {

namespace {

// As large as the pane on show, not as the largest pane, so that the window fits each one.
class PaneStack final : public QStackedWidget
{
public:
    using QStackedWidget::QStackedWidget;

    QSize sizeHint() const override
    {
        return currentWidget() ? currentWidget()->sizeHint() : QStackedWidget::sizeHint();
    }

    QSize minimumSizeHint() const override
    {
        return currentWidget() ? currentWidget()->minimumSizeHint() : QStackedWidget::minimumSizeHint();
    }
};

} // namespace

PreferencesWindowController::PreferencesWindowController(QList<Preferenceable *> panes, QString title,
                                                         std::optional<QString> frameName, QObject *parent)
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
    showCurrentPane();
}

int PreferencesWindowController::currentPane() const
{
    return m_current;
}

void PreferencesWindowController::loadWindow(QMainWindow &window)
{
    window.setWindowTitle(m_title);

    auto *toolBar = new QToolBar(tr("Panes"), &window);
    toolBar->setObjectName(u"panes"_s);
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setContextMenuPolicy(Qt::PreventContextMenu);   // no "hide the tool bar" menu
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
            if (on)
                selectPane(i);
        });
    }

    auto *close = new QAction(tr("Close"), &window);
    close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    connect(close, &QAction::triggered, &window, &QWidget::close);
    window.addAction(close);

    // The window takes the size the tool bar and the pane ask for, and no other.
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    showCurrentPane();
}

void PreferencesWindowController::windowDidLoad()
{
    Platform::FrameAutosave::attach(*window(), m_frameName);
}

void PreferencesWindowController::showCurrentPane()
{
    if (!m_stack || !m_buttons || m_current < 0)
        return;   // the window is not built yet, or has no pane
    m_stack->setCurrentIndex(m_current);
    m_buttons->actions().at(m_current)->setChecked(true);
    m_stack->updateGeometry();
    window()->layout()->activate();   // resize now, not at the next event loop pass
}

} // namespace Preferences
