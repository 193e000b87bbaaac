#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

namespace Extensions {

// Draws text inside dest in the application's font at pointSize (typographic points, > 0),
// antialiased, in the painter's current coordinates, one line per '\n' and clipped to dest;
// leaves the painter's state as it found it.
// just: only the horizontal part is used (left when it has none); the text block is always
// centred vertically in dest.
// Draws nothing for empty text, an empty or invalid dest, a point size that is not a
// positive finite number, or an invalid colour.
void drawText(QPainter &painter, const QString &text, const QRectF &dest, qreal pointSize, Qt::Alignment just,
    const QColor &color);

} // namespace Extensions
