#include <Extensions/FittingFonts.h>

#include <QEvent>
#include <QLayout>
#include <QResizeEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// Factors are whole 32nds: a drag changes the fonts every few pixels, not at every one.
constexpr qreal steps = 32;

QFont grown(QFont font, qreal factor)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * factor)));
    return font;
}

} // namespace

namespace Extensions {

FittingFonts::FittingFonts(QWidget &area, const QList<QWidget *> &scaled, std::function<void()> realign)
    : QObject(&area)
    , m_area(area)
    , m_realign(std::move(realign))
{
    for (QWidget *widget : scaled)
        m_given.push_back({widget, {widget->font(), widget->testAttribute(Qt::WA_SetFont)}});
    m_natural = m_measured = contentsMinimum();
    // Set, not left to the layout, which would hold the window at the size of the grown text.
    m_area.setMinimumSize(m_natural);
    m_area.installEventFilter(this);
}

void FittingFonts::remeasure()
{
    const qreal factor = m_factor;
    apply(1);
    m_natural = contentsMinimum();
    m_area.setMinimumSize(m_natural);
    apply(factor);
    m_measured = contentsMinimum();
}

// Before the area's layout sees the event: the layout then places what was just grown.
bool FittingFonts::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_area && event->type() == QEvent::Resize) {
        fit(static_cast<QResizeEvent *>(event)->size());
    } else if (watched == &m_area && event->type() == QEvent::LayoutRequest && contentsMinimum() != m_measured) {
        remeasure(); // a section opened, a line appeared, the style changed
        fit(m_area.size());
    }
    return QObject::eventFilter(watched, event);
}

// The margins stay as they are while the text grows, so the contents at factor × natural text
// need less than factor × the natural size: they fit.
void FittingFonts::fit(const QSize &room)
{
    qreal factor = 1;
    if (!m_natural.isEmpty()) {
        const qreal fits = std::min(qreal(room.width()) / m_natural.width(), qreal(room.height()) / m_natural.height());
        factor = std::max<qreal>(1, std::floor(fits * steps) / steps);
    }
    apply(factor);
    m_measured = contentsMinimum();
}

void FittingFonts::apply(qreal factor)
{
    if (factor == m_factor)
        return;
    m_factor = factor;
    for (const auto &[widget, given] : m_given) {
        const auto &[font, own] = given;
        // Back at 1 an inherited font is inherited again, so that a new desktop font reaches it.
        if (widget)
            widget->setFont(factor != 1 ? grown(font, factor) : own ? font : QFont());
    }
    if (m_realign)
        m_realign();
}

// A layout takes in new sizes of what it holds only once it is activated, and passes its own up
// only then: the innermost go first.
QSize FittingFonts::contentsMinimum() const
{
    QList<QWidget *> widgets = m_area.findChildren<QWidget *>();
    widgets.prepend(&m_area);
    for (auto it = widgets.crbegin(); it != widgets.crend(); ++it)
        if (QLayout *layout = (*it)->layout())
            layout->activate();
    return m_area.layout() ? m_area.layout()->totalMinimumSize() : QSize();
}

} // namespace Extensions
