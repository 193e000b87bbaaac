#include "RedOnlyStyle.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace {
// Room around an option's rectangle for what styles draw just outside it (focus frames, the
// soft edge of a shadow).
constexpr int OVERHANG = 4;
} // namespace

RedOnlyStyle::RedOnlyStyle(QStyle *base)
    : QProxyStyle(base)
{
}

void RedOnlyStyle::setRedCeiling(std::optional<int> ceiling)
{
    const bool cursorsChange = ceiling.has_value() != m_ceiling.has_value();
    m_ceiling = ceiling;
    if (cursorsChange) { // line edits read their cursor's width at a change of style
        for (QWidget *widget : QApplication::allWidgets()) {
            if (qobject_cast<QLineEdit *>(widget)) {
                QEvent styleChange(QEvent::StyleChange);
                QCoreApplication::sendEvent(widget, &styleChange);
            }
        }
    }
}

template <typename Draw>
void RedOnlyStyle::drawRedOnly(QPainter *painter, const QRect &area, Draw draw) const
{
    if (!m_ceiling || m_depth > 0 || !painter || !painter->device() || area.isEmpty()) {
        draw(painter);
        return;
    }
    const QRect bounds = area.adjusted(-OVERHANG, -OVERHANG, OVERHANG, OVERHANG);
    // Sharp on HiDPI: the device transform already holds the device pixel ratio when there is one.
    const QTransform toDevice = painter->deviceTransform();
    const qreal ratio = std::max(painter->device()->devicePixelRatioF(), std::hypot(toDevice.m11(), toDevice.m12()));
    QImage image((QSizeF(bounds.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    {
        QPainter inner(&image);
        inner.setRenderHints(painter->renderHints());
        inner.setFont(painter->font());
        inner.setPen(painter->pen());
        inner.setBrush(painter->brush());
        inner.setLayoutDirection(painter->layoutDirection());
        inner.translate(-bounds.topLeft());
        ++m_depth;
        draw(&inner);
        --m_depth;
    }
    keepRedOnly(image, *m_ceiling);
    painter->drawImage(bounds.topLeft(), image);
}

void RedOnlyStyle::drawPrimitive(
    PrimitiveElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    drawRedOnly(painter, option ? option->rect : QRect(),
        [&](QPainter *p) { QProxyStyle::drawPrimitive(element, option, p, widget); });
}

void RedOnlyStyle::drawControl(
    ControlElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    // A cell without an icon is its text and the palette's fills, red already: drawn as it is,
    // so that a table whose cells change every second does not go through an image per cell.
    const auto *cell = qstyleoption_cast<const QStyleOptionViewItem *>(option);
    if (element == CE_ItemViewItem && cell && !(cell->features & QStyleOptionViewItem::HasDecoration)) {
        ++m_depth;
        QProxyStyle::drawControl(element, option, painter, widget);
        --m_depth;
        return;
    }
    drawRedOnly(painter, option ? option->rect : QRect(),
        [&](QPainter *p) { QProxyStyle::drawControl(element, option, p, widget); });
}

void RedOnlyStyle::drawComplexControl(
    ComplexControl control, const QStyleOptionComplex *option, QPainter *painter, const QWidget *widget) const
{
    drawRedOnly(painter, option ? option->rect : QRect(),
        [&](QPainter *p) { QProxyStyle::drawComplexControl(control, option, p, widget); });
}

void RedOnlyStyle::drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette,
    bool enabled, const QString &text, QPalette::ColorRole textRole) const
{
    drawRedOnly(painter, rect,
        [&](QPainter *p) { QProxyStyle::drawItemText(p, rect, flags, palette, enabled, text, textRole); });
}

void RedOnlyStyle::drawItemPixmap(QPainter *painter, const QRect &rect, int alignment, const QPixmap &pixmap) const
{
    if (!m_ceiling || m_depth > 0) {
        QProxyStyle::drawItemPixmap(painter, rect, alignment, pixmap);
        return;
    }
    QImage image = pixmap.toImage();
    keepRedOnly(image, *m_ceiling);
    QPixmap red = QPixmap::fromImage(std::move(image));
    red.setDevicePixelRatio(pixmap.devicePixelRatio());
    QProxyStyle::drawItemPixmap(painter, rect, alignment, red);
}

void RedOnlyStyle::polish(QWidget *widget)
{
    if (qobject_cast<QLineEdit *>(widget))
        widget->installEventFilter(this);
    QProxyStyle::polish(widget);
}

void RedOnlyStyle::unpolish(QWidget *widget)
{
    widget->removeEventFilter(this);
    QProxyStyle::unpolish(widget);
}

int RedOnlyStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    if (metric == PM_TextCursorWidth && m_ceiling)
        return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

bool RedOnlyStyle::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint || !m_ceiling || watched == m_painting)
        return QProxyStyle::eventFilter(watched, event);
    auto *edit = static_cast<QLineEdit *>(watched);
    m_painting = edit;
    QCoreApplication::sendEvent(edit, event);
    m_painting = nullptr;
    if (edit->hasFocus() && !edit->isReadOnly()) { // steady: the blink is the line edit's own
        const QRect cursor = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QPainter painter(edit);
        painter.fillRect(QRect(cursor.topLeft(), QSize(QProxyStyle::pixelMetric(PM_TextCursorWidth), cursor.height())),
            edit->palette().color(QPalette::Text));
    }
    return true;
}

void keepRedOnly(QImage &image, int ceiling)
{
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            const int alpha = qAlpha(pixel);
            const int brightest = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)});
            line[x] = qRgba(std::min(brightest, ceiling * alpha / 255), 0, 0, alpha);
        }
    }
}
