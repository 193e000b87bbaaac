#include "AnalogClockView.h"

#include "DialColours.h"
#include "DialGeometry.h"

#include <Extensions/TextDrawing.h>

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstring>

namespace {

// The dial's figures are laid out for labels of a height in its units (widget pixels). A point
// is 4/3 of a unit on a 96 dpi desktop, where points would make the numerals run into the ticks.
void drawLabel(QPainter &painter, const QString &text, const QRectF &rect, qreal size, const QColor &ink)
{
    Extensions::drawText(painter, text, rect, size * 72.0 / painter.device()->logicalDpiY(), Qt::AlignHCenter, ink);
}

// A shape's box in the frame's device pixels, grown by `margin` of the dial's units and a pixel
// for antialiasing.
QRect deviceBox(const QTransform &toDevice, const QRectF &box, qreal margin)
{
    return toDevice.mapRect(box.adjusted(-margin, -margin, margin, margin)).toAlignedRect().adjusted(-1, -1, 1, 1);
}

} // namespace

AnalogClockView::AnalogClockView(QWidget *parent)
    : QWidget(parent)
{
    // The still parts carry the window's colour around the ring: nothing under the dial needs
    // painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
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

void AnalogClockView::paintEvent(QPaintEvent *event)
{
    const QRectF bounds(rect());
    const DialGeometry g = dialGeometry(bounds, m_time, m_kind);
    const DialColours colours = dialColours(palette());

    QPainter painter(this);
    // Device pixels per unit of what is painted on: the screen's ratio, or an image's when the
    // widget is rendered into one.
    const qreal ratio = painter.deviceTransform().m11();
    updateStillParts(g, colours, ratio);
    // Only the exposed pixels of the frame are made again: the still parts copied over the old
    // hands, then the hands and the dot laid on whole and clipped to them, so that a hand
    // crossing the region is drawn over it as it would be over the whole dial.
    const QRect exposed = QRectF(QPointF(event->rect().topLeft()) * ratio, QSizeF(event->rect().size()) * ratio)
                              .toAlignedRect()
        & m_frame.rect();
    if (!exposed.isEmpty()) {
        const qsizetype rowBytes = qsizetype(exposed.width()) * qsizetype(sizeof(QRgb));
        for (int y = exposed.top(); y <= exposed.bottom(); ++y)
            std::memcpy(m_frame.scanLine(y) + exposed.left() * int(sizeof(QRgb)),
                m_still.constScanLine(y) + exposed.left() * int(sizeof(QRgb)), std::size_t(rowBytes));
    }
    // Hands and dot are laid on as the painter would draw them: antialiased, the hour and
    // minute hands as flat-capped lines worked out here (they move every second), the second
    // hand and the dot from what the painter drew once. No shadow under the hands: one with no
    // offset and no blur would not show.
    const QTransform toDevice = QTransform(1, 0, 0, -1, 0, bounds.height()) * QTransform::fromScale(ratio, ratio);
    const QRgb ink = qPremultiply(colours.ink.rgba());
    fillBar(m_frame, exposed, toDevice.map(g.hourHand), DialGeometry::hourWidth * ratio, ink);
    fillBar(m_frame, exposed, toDevice.map(g.minuteHand), DialGeometry::minuteWidth * ratio, ink);
    secondHand(g, int(handPositions(m_time, m_kind).second))
        .blendOnto(m_frame, exposed, qPremultiply(colours.secondHand.rgba())); // on top of the other two
    m_dot.blendOnto(m_frame, exposed, ink); // covers the point where the hands meet
    // The frame is copied whole and clipped to the exposed region: a sub-rectangle's copy would
    // be a pixel off on a dial that starts mid-pixel (at a ratio such as 1.5).
    painter.drawImage(QPointF(0, 0), m_frame);
}

const CoverageMask &AnalogClockView::secondHand(const DialGeometry &g, int second)
{
    CoverageMask &mask = m_secondHands.at(std::size_t(std::clamp(second, 0, 59)));
    if (!mask.isEmpty() || g.secondHand.p1() == g.secondHand.p2())
        return mask;
    const qreal ratio = m_still.devicePixelRatio();
    const QTransform yUp(1, 0, 0, -1, 0, height());
    const QRectF line = QRectF(g.secondHand.p1(), g.secondHand.p2()).normalized();
    mask = CoverageMask::painted(m_still.size(),
        deviceBox(yUp * QTransform::fromScale(ratio, ratio), line, DialGeometry::secondWidth), [&](QPainter &painter) {
            painter.scale(ratio, ratio);
            painter.setTransform(yUp, true);
            painter.setPen(QPen(Qt::black, DialGeometry::secondWidth, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(g.secondHand);
        });
    return mask;
}

void AnalogClockView::updateStillParts(const DialGeometry &g, const DialColours &colours, qreal pixelRatio)
{
    // A 24-hour dial has no morning caption: noon leaves its face as it was.
    const QString morning = g.morningCaption.isEmpty() ? QString() : morningText(m_time);
    StillKey key{size(), m_kind, pixelRatio, colours, QGuiApplication::font(), // the labels' font
        morning, m_time.date};
    if (!m_still.isNull() && key == m_stillKey)
        return;
    const bool sameShape = m_stillKey.size == key.size && m_stillKey.pixelRatio == key.pixelRatio;
    m_stillKey = std::move(key);
    m_still = QImage(size() * pixelRatio, QImage::Format_RGB32);
    m_still.setDevicePixelRatio(pixelRatio);
    m_still.fill(colours.background); // the window's colour around the ring

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
    painter.end();

    m_frame = m_still.copy();
    if (sameShape)
        return; // the hands' masks hold for colours, captions and fonts
    m_secondHands = {};
    m_dot = CoverageMask::painted(m_still.size(), deviceBox(yUp * QTransform::fromScale(pixelRatio, pixelRatio), g.centreDot, 0),
        [&](QPainter &dot) {
            dot.scale(pixelRatio, pixelRatio);
            dot.setTransform(yUp, true);
            dot.setPen(Qt::NoPen);
            dot.setBrush(Qt::black);
            dot.drawEllipse(g.centreDot);
        });
}
