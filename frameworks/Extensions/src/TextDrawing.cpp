#include <Extensions/TextDrawing.h>

#include <QGuiApplication>
#include <QPainter>

#include <cmath>

namespace Extensions {

void drawText(QPainter &painter, const QString &text, const QRectF &dest, qreal pointSize, Qt::Alignment just,
    const QColor &color)
{
    if (text.isEmpty() || dest.isEmpty() || !std::isfinite(pointSize) || pointSize <= 0 || !color.isValid())
        return;

    QFont face = QGuiApplication::font();
    face.setPointSizeF(pointSize);

    Qt::Alignment horizontal = just & Qt::AlignHorizontal_Mask;
    if (!horizontal)
        horizontal = Qt::AlignLeft;

    painter.save();
    painter.setFont(face);
    painter.setPen(color);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // Without Qt::TextDontClip, QPainter clips text that overflows dest to dest.
    painter.drawText(dest, int(horizontal | Qt::AlignVCenter), text);
    painter.restore();
}

} // namespace Extensions
