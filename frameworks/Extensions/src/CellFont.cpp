#include <Extensions/CellFont.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace Extensions {

namespace {

// The rasteriser may place a glyph differently at each sub-pixel position of its pen, so each
// position, in 64ths of a device pixel, has its own copy.
constexpr int phases = 64;
// Palettes and window sizes come and go; a few lines' worth of glyphs in each is plenty.
constexpr qsizetype mostGlyphs = 1024;

struct GlyphKey
{
    char16_t character;
    QRgb colour;
    qreal ratio;
    int phaseX;
    int phaseY;
    bool operator==(const GlyphKey &) const = default;
};

size_t qHash(const GlyphKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.character, key.colour, key.ratio, key.phaseX, key.phaseY);
}

struct Glyph
{
    QImage image; // at the device pixel ratio it was drawn for
    QPoint offset; // of its top left corner from the pen's whole device pixel
};

// The smallest rectangle holding every pixel of image that is not wholly transparent.
QRect inkOf(const QImage &image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) != 0)
                ink |= QRect(x, y, 1, 1);
    }
    return ink;
}

} // namespace

struct CellFont::Shared
{
    QFont font;
    QFontMetricsF metrics;
    int dpiX;
    int dpiY;
    qreal ascent; // the metrics' figures, which ask the font engine at each call
    qreal descent;
    qreal height;
    qreal digitAdvance;
    qreal overhang = 0; // of the characters measured so far, which are all that were drawn
    std::array<qreal, 128> asciiReaches{}; // each character's own
    QHash<char16_t, qreal> reaches;
    std::array<qreal, 128> asciiAdvances; // measured at first use, negative until then
    QHash<char16_t, qreal> advances; // of the others, measured at first use
    QHash<GlyphKey, Glyph> glyphs; // drawn at first use

    // Takes in how far character's ink, from `left` to `right` of its cell's left edge, reaches
    // out of its cell `advance` wide.
    void reach(QChar character, qreal left, qreal right, qreal advance)
    {
        qreal &known = character.unicode() < asciiReaches.size() ? asciiReaches[character.unicode()]
                                                                 : reaches[character.unicode()];
        known = std::max({known, -left, right - advance});
        overhang = std::max(overhang, known);
    }

    const Glyph &glyph(const GlyphKey &key)
    {
        if (const auto found = glyphs.constFind(key); found != glyphs.cend())
            return *found;
        if (glyphs.size() >= mostGlyphs)
            glyphs.clear();
        const QChar character(key.character);
        const qreal ratio = key.ratio;
        // The ink and the cell, in device pixels from the pen, with room for antialiasing.
        const QRectF ink = metrics.boundingRect(character).united(
            QRectF(0, -metrics.ascent(), metrics.horizontalAdvance(character), metrics.height()));
        const QRect box = QRectF(ink.topLeft() * ratio, ink.size() * ratio).toAlignedRect().adjusted(-2, -2, 3, 3);
        Glyph made{QImage(box.size(), QImage::Format_ARGB32_Premultiplied), box.topLeft()};
        made.image.fill(Qt::transparent);
        // The font takes the size it has on the screen, whatever an image's default resolution.
        made.image.setDotsPerMeterX(qRound(dpiX / 0.0254));
        made.image.setDotsPerMeterY(qRound(dpiY / 0.0254));
        made.image.setDevicePixelRatio(ratio);
        QPainter painter(&made.image);
        painter.setFont(font);
        painter.setPen(QColor::fromRgba(key.colour));
        const QPointF phase(qreal(key.phaseX) / phases, qreal(key.phaseY) / phases);
        painter.drawText((phase - QPointF(box.topLeft())) / ratio, QString(character));
        painter.end();
        // Only the pixels with ink are kept, for they are blended each time the glyph is copied.
        const QRect inked = inkOf(made.image);
        made.image = inked.isEmpty() ? QImage() : made.image.copy(inked);
        made.offset += inked.topLeft();
        // Antialiased, the ink may reach a little beyond the outline's box.
        if (!inked.isEmpty())
            reach(character, (made.offset.x() - phase.x()) / ratio, (made.offset.x() + inked.width() - phase.x()) / ratio,
                metrics.horizontalAdvance(character));
        return *glyphs.insert(key, std::move(made));
    }
};

CellFont::CellFont(std::shared_ptr<Shared> font)
    : m_font(std::move(font))
{
}

std::optional<CellFont> CellFont::of(const QFont &font, const QPaintDevice &device)
{
    if (!QFontInfo(font).fixedPitch())
        return std::nullopt;
    static QHash<QString, std::weak_ptr<Shared>> fonts; // read-outs run on the interface's thread alone
    const QString key = font.key() + u'@' + QString::number(device.logicalDpiX()) + u'x'
        + QString::number(device.logicalDpiY());
    if (std::shared_ptr<Shared> known = fonts.value(key).lock())
        return CellFont(std::move(known));
    fonts.removeIf([](const auto &entry) { return entry.value().expired(); });

    const QFontMetricsF metrics(font, &device);
    qreal digitAdvance = 0;
    for (char16_t digit = u'0'; digit <= u'9'; ++digit)
        digitAdvance = std::max(digitAdvance, metrics.horizontalAdvance(QChar(digit)));
    auto shared = std::make_shared<Shared>(
        Shared{font, metrics, device.logicalDpiX(), device.logicalDpiY(), metrics.ascent(), metrics.descent(),
            metrics.height(), digitAdvance, 0, {}, {}, {}, {}, {}});
    shared->asciiAdvances.fill(-1);
    for (char16_t digit = u'0'; digit <= u'9'; ++digit) {
        const QRectF ink = metrics.boundingRect(QChar(digit));
        shared->reach(QChar(digit), ink.left(), ink.right(), digitAdvance);
    }
    fonts.insert(key, shared);
    return CellFont(std::move(shared));
}

bool CellFont::fits(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        if (c >= u' ' && c <= u'~')
            return true; // printable ASCII, what a clock mostly shows, without asking its properties
        if (c.isSurrogate() || c.isMark() || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return false;
        const QChar::Direction direction = c.direction();
        return direction != QChar::DirR && direction != QChar::DirAL;
    });
}

qreal CellFont::advance(QChar character) const
{
    if (character >= u'0' && character <= u'9')
        return m_font->digitAdvance;
    const auto measured = [&] {
        const qreal advance = m_font->metrics.horizontalAdvance(character);
        const QRectF ink = m_font->metrics.boundingRect(character);
        m_font->reach(character, ink.left(), ink.right(), advance);
        return advance;
    };
    if (character.unicode() < m_font->asciiAdvances.size()) {
        qreal &advance = m_font->asciiAdvances[character.unicode()];
        if (advance < 0)
            advance = measured();
        return advance;
    }
    auto found = m_font->advances.find(character.unicode());
    if (found == m_font->advances.end())
        found = m_font->advances.insert(character.unicode(), measured());
    return *found;
}

qreal CellFont::advance(QStringView text) const
{
    qreal sum = 0;
    for (const QChar character : text)
        sum += advance(character);
    return sum;
}

qreal CellFont::ascent() const
{
    return m_font->ascent;
}

qreal CellFont::descent() const
{
    return m_font->descent;
}

qreal CellFont::height() const
{
    return m_font->height;
}

qreal CellFont::overhang() const
{
    return m_font->overhang;
}

qreal CellFont::reach(QChar character) const
{
    return character.unicode() < m_font->asciiReaches.size() ? m_font->asciiReaches[character.unicode()]
                                                             : m_font->reaches.value(character.unicode());
}

void CellFont::draw(QPainter &painter, QPointF pen, QChar character, const QColor &colour) const
{
    const QTransform &toDevice = painter.deviceTransform();
    const qreal ratio = toDevice.m11();
    const QPointF at = toDevice.map(pen);
    const qint64 x = std::llround(at.x() * phases), y = std::llround(at.y() * phases);
    const QPoint whole(int(std::floor(qreal(x) / phases)), int(std::floor(qreal(y) / phases)));
    const Glyph &glyph = m_font->glyph(
        {character.unicode(), colour.rgba(), ratio, int(x - qint64(whole.x()) * phases), int(y - qint64(whole.y()) * phases)});
    if (glyph.image.isNull())
        return; // a space
    // Placed on whole device pixels, the image is copied rather than resampled.
    const QPointF corner(whole + glyph.offset);
    painter.drawImage(QPointF((corner.x() - toDevice.dx()) / ratio, (corner.y() - toDevice.dy()) / ratio), glyph.image);
}

} // namespace Extensions
