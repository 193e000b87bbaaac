#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

class QFont;
class QPainter;

namespace Extensions {

// What happens to text that does not fit its rectangle. Every mode clips to the rectangle.
enum class LineBreak {
    Clip,           // one line per '\n', cut off at the edges
    WordWrap,       // wrapped at word boundaries, lines past the bottom cut off
    CharWrap,       // wrapped anywhere, lines past the bottom cut off
    TruncateHead,   // one line per '\n', "…" replaces what does not fit at the start
    TruncateMiddle, // ... in the middle
    TruncateTail,   // ... at the end
};

// Draws text inside dest, in the painter's current coordinates, and leaves the painter's
// state as it found it.
// pointSize: typographic points (QFont::setPointSizeF), > 0. font: its family, weight and
// style are used at pointSize; null means the application's default font.
// just: only the horizontal part is used (left when it has none); the text block is
// always centred vertically in dest.
// alpha: multiplies the colour's own alpha, clamped to [0, 1].
// antialias: false draws glyphs without antialiasing, for crisp text at small sizes.
// Draws nothing for empty text, an empty or invalid dest, a point size that is not a
// positive finite number, an invalid colour, or an alpha that is NaN or not above 0.
void drawText(QPainter &painter, const QString &text, const QRectF &dest, qreal pointSize,
              const QFont *font, Qt::Alignment just, const QColor &color, qreal alpha,
              bool antialias, LineBreak lineBreak);

} // namespace Extensions
