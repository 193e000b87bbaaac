#include <Extensions/TextDrawing.h>

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace Extensions {

namespace {

QString elided(const QString &text, const QFontMetricsF &metrics, qreal width, Qt::TextElideMode mode)
{
    QStringList lines = text.split(u'\n');
    for (QString &line : lines)
        line = metrics.elidedText(line, mode, width);
    return lines.join(u'\n');
}

} // namespace

void drawText(QPainter &painter, const QString &text, const QRectF &dest, qreal pointSize,
              const QFont *font, Qt::Alignment just, const QColor &color, qreal alpha,
              bool antialias, LineBreak lineBreak)
{
    if (text.isEmpty() || dest.isEmpty() || !std::isfinite(pointSize) || pointSize <= 0
        || !color.isValid() || std::isnan(alpha) || alpha <= 0)
        return;

    QFont face = font ? *font : QGuiApplication::font();
    face.setPointSizeF(pointSize);
    if (!antialias)
        face.setStyleStrategy(QFont::NoAntialias);

    QColor ink = color;
    ink.setAlphaF(ink.alphaF() * float(std::min(alpha, qreal(1))));

    Qt::Alignment horizontal = just & Qt::AlignHorizontal_Mask;
    if (!horizontal)
        horizontal = Qt::AlignLeft;
    // Without Qt::TextDontClip, QPainter clips text that overflows dest to dest.
    int flags = int(horizontal | Qt::AlignVCenter);
    QString shown = text;
    switch (lineBreak) {
    case LineBreak::Clip:
        break;
    case LineBreak::WordWrap:
        flags |= Qt::TextWordWrap;
        break;
    case LineBreak::CharWrap:
        flags |= Qt::TextWrapAnywhere;
        break;
    case LineBreak::TruncateHead:
    case LineBreak::TruncateMiddle:
    case LineBreak::TruncateTail: {
        const Qt::TextElideMode mode = lineBreak == LineBreak::TruncateHead ? Qt::ElideLeft
            : lineBreak == LineBreak::TruncateMiddle                        ? Qt::ElideMiddle
                                                                            : Qt::ElideRight;
        shown = elided(text, QFontMetricsF(face, painter.device()), dest.width(), mode);
        break;
    }
    }

    painter.save();
    painter.setFont(face);
    painter.setPen(ink);
    painter.setRenderHint(QPainter::TextAntialiasing, antialias);
    painter.drawText(dest, flags, shown);
    painter.restore();
}

} // namespace Extensions
