#include "AnalogClockView.h"

#include "DialColours.h"
#include "DialGeometry.h"

#include <Extensions/TextDrawing.h>

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

// The dial's figures are laid out for labels of a height in its units (widget pixels). A point
// is 4/3 of a unit on a 96 dpi desktop, where points would make the numerals run into the ticks.
void drawLabel(QPainter &painter, const QString &text, const QRectF &rect, qreal size, const QColor &ink)
{
    Extensions::drawText(painter, text, rect, size * 72.0 / painter.device()->logicalDpiY(), Qt::AlignHCenter, ink);
}

void drawHand(QPainter &painter, const QLineF &hand, qreal width, const QColor &colour)
{
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(hand);
}

} // namespace

AnalogClockView::AnalogClockView(QWidget *parent)
    : QWidget(parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setAccessibleDescription(spokenText(m_time));
}

void AnalogClockView::setTime(const ClockTime &time)
{
    if (time == m_time)
        return; // nothing moved: no repaint
    // One rectangle, not the hands' own boxes: a region of several makes the painter clip
    // every span of the hands and of the face to it, which costs more than the pixels saved.
    const QRect changed = changedRect(size(), m_time, time, m_kind);
    m_time = time;
    setAccessibleDescription(spokenText(m_time, m_kind));
    update(changed);
}

const ClockTime &AnalogClockView::time() const
{
    return m_time;
}

void AnalogClockView::setDialKind(DialKind kind)
{
    if (kind == m_kind)
        return;
    m_kind = kind;
    setAccessibleDescription(spokenText(m_time, m_kind));
    update(); // numerals, ticks and hour hand all move
}

DialKind AnalogClockView::dialKind() const
{
    return m_kind;
}

QSize AnalogClockView::sizeHint() const
{
    return {206, 206};
}

QSize AnalogClockView::minimumSizeHint() const
{
    return {170, 170}; // a ten-character date still clears the numerals beside it
}

bool AnalogClockView::hasHeightForWidth() const
{
    return true;
}

int AnalogClockView::heightForWidth(int width) const
{
    return width;
}

void AnalogClockView::paintEvent(QPaintEvent *)
{
    const QRectF bounds(rect());
    const DialGeometry g = dialGeometry(bounds, m_time, m_kind);
    const DialColours colours = dialColours(palette());
    const QTransform yUp(1, 0, 0, -1, 0, bounds.height()); // (x, y) to (x, H − y)

    QPainter painter(this);
    // Device pixels per unit of what is painted on: the screen's ratio, or an image's when the
    // widget is rendered into one. The still parts are drawn whole: the painter copies only the
    // pixels in the exposed region, where a sub-rectangle's copy would be a pixel off on a dial
    // that starts mid-pixel (at a ratio such as 1.5).
    painter.drawPixmap(0, 0, stillParts(g, colours, painter.deviceTransform().m11()));
    painter.setRenderHint(QPainter::Antialiasing);

    // The hands and the dot are drawn whole and clipped to what is repainted, so that a hand
    // crossing the region is drawn over it as it would be over the whole dial.
    // No shadow under the hands: one with no offset and no blur would not show.
    painter.setTransform(yUp, true);
    drawHand(painter, g.hourHand, DialGeometry::hourWidth, colours.ink);
    drawHand(painter, g.minuteHand, DialGeometry::minuteWidth, colours.ink);
    drawHand(painter, g.secondHand, DialGeometry::secondWidth, colours.secondHand); // on top of the other two
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.ink);
    painter.drawEllipse(g.centreDot); // covers the point where the hands meet
}

const QPixmap &AnalogClockView::stillParts(const DialGeometry &g, const DialColours &colours, qreal pixelRatio)
{
    // A 24-hour dial has no morning caption: noon leaves its face as it was.
    const QString morning = g.morningCaption.isEmpty() ? QString() : morningText(m_time);
    StillKey key{size(), m_kind, pixelRatio, colours, QGuiApplication::font(), // the labels' font
        morning, m_time.date};
    if (!m_still.isNull() && key == m_stillKey)
        return m_still;
    m_stillKey = std::move(key);
    m_still = QPixmap(size() * pixelRatio);
    m_still.setDevicePixelRatio(pixelRatio);
    m_still.fill(Qt::transparent); // whatever is behind the dial shows around the ring

    const QTransform yUp(1, 0, 0, -1, 0, height());
    QPainter painter(&m_still);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    painter.setTransform(yUp, true);
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addEllipse(g.bezel);
    ring.addEllipse(g.face);
    painter.fillPath(ring, colours.bezel);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.face);
    painter.drawEllipse(g.face);
    painter.setPen(QPen(colours.ink, 1, Qt::SolidLine, Qt::FlatCap));
    painter.drawLines(tickMarks(width(), m_kind));
    painter.restore();
    // Text stays upright: only its rectangles are mapped.
    for (qsizetype i = 0; i < g.numerals.size(); ++i)
        drawLabel(painter, QString::number(g.firstNumeral + i), yUp.mapRect(g.numerals[i]), g.labelSize, colours.ink);
    drawLabel(painter, m_stillKey.morning, yUp.mapRect(g.morningCaption), g.labelSize, colours.ink);
    drawLabel(painter, m_stillKey.date, yUp.mapRect(g.dateCaption), g.labelSize, colours.ink);
    return m_still;
}
