#include "AlarmBanner.h"

#include "engine/AlarmTexts.h"
#include "look/NightPalette.h"
#include "look/SystemColours.h"

#include <QAccessible>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

namespace {
constexpr Qt::Alignment textAlignment = Qt::AlignLeft | Qt::AlignVCenter; // mirrored right to left
constexpr int textFlags = Qt::TextWordWrap;
} // namespace

AlarmBanner::AlarmBanner(QWidget *parent)
    : QWidget(parent)
{
    setAccessibleName(tr("Alarm"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
    setToolTip(tr("Click or press Escape to dismiss"));
    // Only while the band shows: a hidden widget's shortcut does not fire.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &AlarmBanner::dismiss);
    hide();
}

void AlarmBanner::ring(std::span<const AlarmFiring> firings)
{
    if (firings.empty())
        return;
    m_rang += int(firings.size());
    const QString newest = AlarmTexts::rang(firings.back());
    m_text = m_rang > 1 ? tr("%1, and %n more", nullptr, m_rang - 1).arg(newest) : newest;
    setAccessibleDescription(m_text);
    fitHeight();
    show();
    update();
    Q_EMIT heightChanged();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void AlarmBanner::dismiss()
{
    if (isHidden())
        return;
    m_rang = 0;
    hide();
    Q_EMIT heightChanged();
}

// Half a line of room beside the text, a third above and below.
QRect AlarmBanner::textRect(const QRect &area) const
{
    const int line = fontMetrics().height();
    return area.adjusted(line / 2, line / 3, -line / 2, -line / 3);
}

int AlarmBanner::heightForWidth(int width) const
{
    const QRect area = textRect(QRect(0, 0, width, 1 << 20));
    const int text = fontMetrics().boundingRect(area, textAlignment | textFlags, m_text).height();
    return text + (1 << 20) - area.height();
}

QSize AlarmBanner::sizeHint() const
{
    return minimumSizeHint();
}

// Never wider than a short line: the band takes the width the read-outs give the window and
// wraps its text in it, rather than widening the window.
QSize AlarmBanner::minimumSizeHint() const
{
    const int width = fontMetrics().averageCharWidth() * 20;
    return {width, heightForWidth(width)};
}

// The layout gives the band its width; its height follows the text wrapped in it.
void AlarmBanner::fitHeight()
{
    const int height = heightForWidth(width());
    if (height != minimumHeight() || height != maximumHeight())
        setFixedHeight(height);
}

void AlarmBanner::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitHeight();
}

void AlarmBanner::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitHeight();
}

// Taken, so that the release comes here too.
void AlarmBanner::mousePressEvent(QMouseEvent *event)
{
    event->setAccepted(event->button() == Qt::LeftButton);
}

void AlarmBanner::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        dismiss();
}

void AlarmBanner::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette &colours = palette();
    const bool night = isNightPalette(colours);
    QColor fill;
    QColor ink;
    if (night) { // a red frame on black: nothing brighter than the brightest red
        fill = colours.color(QPalette::Base);
        ink = colours.color(QPalette::BrightText);
        painter.setPen(QPen(ink, 1.5));
    } else {
        fill = systemRed(colours);
        ink = Qt::white;
        painter.setPen(Qt::NoPen);
    }
    const qreal radius = fontMetrics().height() / 4.0;
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), radius, radius);
    painter.setPen(ink);
    painter.drawText(textRect(rect()), textAlignment | textFlags, m_text);
}
