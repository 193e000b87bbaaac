#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QStringView>

#include <memory>
#include <optional>

class QPaintDevice;
class QPainter;

namespace Extensions {

// A fixed-pitch font that draws text as a row of cells: each character a cell as wide as its
// advance, every digit as wide as the widest, and each glyph rasterised once per colour, device
// pixel ratio and sub-pixel position, then copied. A read-out whose seconds change repaints one
// cell and shapes nothing; shaping and rasterising its line cost a hundred times more.
// Read-outs of the same font at the same resolution share one cache, freed with the last of them.
class CellFont
{
public:
    // nullopt unless font, at device's resolution, is fixed-pitch: only there do cells of the
    // characters' own advances stand where shaping would put the glyphs, with no kerning.
    static std::optional<CellFont> of(const QFont &font, const QPaintDevice &device);

    // Whether every character of text is a glyph of its own, read left to right: no surrogate
    // pairs, combining marks, controls or right-to-left letters.
    static bool fits(QStringView text);

    qreal advance(QChar character) const;
    // The width of text's cells side by side.
    qreal advance(QStringView text) const;
    qreal ascent() const;
    qreal descent() const;
    qreal height() const; // as QFontMetricsF::height()
    // How far the ink of any glyph measured or drawn so far may reach out of its cell: its
    // outline's box, and the pixels antialiasing touched. Every character drawn was measured first.
    qreal overhang() const;
    // The same for character alone.
    qreal reach(QChar character) const;

    // Draws the glyph of character with its pen (left end of the baseline) at pen, in the
    // painter's coordinates, which may scale only by the device pixel ratio and translate.
    void draw(QPainter &painter, QPointF pen, QChar character, const QColor &colour) const;

    bool operator==(const CellFont &other) const { return m_font == other.m_font; }

private:
    struct Shared;
    explicit CellFont(std::shared_ptr<Shared> font);
    std::shared_ptr<Shared> m_font;
};

} // namespace Extensions
