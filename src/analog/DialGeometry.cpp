#include "DialGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr qreal inset = 3; // between the bounds' corner and the face
// The text's layout on a dial of r = 100, scaled by DialGeometry::textScale above it.
constexpr qreal textRadius = 100;
constexpr qreal labelSize = 10;
constexpr qreal numeralInset = 16; // from the rim to the numerals' circle
constexpr qreal numeralSize = 20;
constexpr qreal numeralDrop = 13; // from the numerals' circle down to their rects' bottom edge
constexpr qreal captionInset = 10;
constexpr qreal captionHeight = 20;
constexpr qreal morningRise = 20; // from the face's bottom to the morning caption's
constexpr qreal dateDrop = 55; // from the face's top to the date caption's bottom
constexpr qreal handInset = 10; // from the rim to the hands' base length
constexpr qreal dotRadius = 4;
constexpr qreal fringe = 1; // beyond a shape's box, for antialiasing that tints the next pixel

qreal faceRadius(qreal width)
{
    return std::max<qreal>(0, (width - 2 * inset) / 2);
}

QPointF polar(qreal length, qreal angle)
{
    return {length * std::cos(angle), length * std::sin(angle)};
}

// Angle of hour h on a dial of `hours`: 0 (or 12) at the top, running clockwise.
qreal hourAngle(int h, int hours)
{
    return DialGeometry::PI / 2 - h * 2 * DialGeometry::PI / hours;
}

int hoursOf(DialKind kind)
{
    return kind == DialKind::twelveHour ? 12 : 24;
}

// Angle of a position in minute divisions: 0 at twelve o'clock, running clockwise.
qreal dialAngle(double position)
{
    return (75 - position) * 2 * DialGeometry::PI / DialGeometry::clockIntervals;
}

QLineF hand(QPointF centre, qreal baseLength, double position, qreal lengthFactor)
{
    const qreal angle = dialAngle(position);
    return {centre + polar(-0.2 * baseLength, angle), centre + polar(lengthFactor * baseLength, angle)};
}

struct Hands
{
    QPointF centre;
    std::array<QLineF, 3> lines; // hour, minute, second
};

Hands hands(qreal width, const ClockTime &time, DialKind kind)
{
    const qreal r = faceRadius(width);
    const QPointF centre(inset + r, inset + r);
    const qreal length = std::max<qreal>(0, r - handInset);
    const HandPositions p = handPositions(time, kind);
    return {centre,
        {hand(centre, length, p.hour, 0.6), hand(centre, length, p.minute, 0.85),
            hand(centre, length, p.second, 0.98)}};
}

QRectF centreDot(QPointF centre)
{
    return {centre - QPointF(dotRadius, dotRadius), QSizeF(2 * dotRadius, 2 * dotRadius)};
}

// A flat cap ends at the line's end and the sides lie half the width away: the line's box
// grown by half the width holds the stroke at any angle.
QRectF strokeBounds(const QLineF &line, qreal width)
{
    const qreal half = width / 2;
    return QRectF(line.p1(), line.p2()).normalized().adjusted(-half, -half, half, half);
}

} // namespace

HandPositions handPositions(const ClockTime &time, DialKind kind)
{
    const qint64 minuteSeconds = time.min * 60 + time.sec;
    if (kind == DialKind::twentyFourHour) {
        const qint64 daySeconds = (hourOfDay(time) * 60 + time.min) * 60 + time.sec;
        return {double(daySeconds) / 1440, double(minuteSeconds) / 60, double(time.sec)};
    }
    const qint64 hourSeconds = (time.hour * 60 + time.min) * 60 + time.sec;
    return {double(hourSeconds) * 5 / 3600, double(minuteSeconds) / 60, double(time.sec)};
}

DialGeometry dialGeometry(const QRectF &bounds, const ClockTime &time, DialKind kind)
{
    DialGeometry g;
    g.bezel = bounds;
    g.radius = faceRadius(bounds.width());
    const qreal r = g.radius;
    g.face = QRectF(inset, inset, 2 * r, 2 * r);
    g.centre = g.face.center();
    g.handLength = std::max<qreal>(0, r - handInset);
    const qreal s = g.textScale = std::max<qreal>(1, r / textRadius);
    g.labelSize = labelSize * s;

    const int hours = hoursOf(kind);
    g.firstNumeral = kind == DialKind::twelveHour ? 1 : 0;
    const qreal numeralCircle = std::max<qreal>(0, r - numeralInset * s);
    const qreal side = numeralSize * s;
    for (int n = g.firstNumeral; n < g.firstNumeral + hours; ++n) {
        const QPointF origin = QPointF(g.face.x() + r - side / 2, g.face.y() + r - numeralDrop * s)
            + polar(numeralCircle, hourAngle(n, hours));
        g.numerals.append(QRectF(origin, QSizeF(side, side)));
    }

    const qreal captionWidth = std::max<qreal>(0, g.face.width() - 2 * captionInset * s);
    const qreal captionX = g.face.x() + captionInset * s;
    if (kind == DialKind::twelveHour)
        g.morningCaption = QRectF(captionX, g.face.y() + morningRise * s, captionWidth, captionHeight * s);
    g.dateCaption = QRectF(captionX, g.face.bottom() - dateDrop * s, captionWidth, captionHeight * s);

    const Hands h = hands(bounds.width(), time, kind);
    g.hourHand = h.lines[0];
    g.minuteHand = h.lines[1];
    g.secondHand = h.lines[2];
    g.centreDot = centreDot(g.centre);
    return g;
}

QRect changedRect(const QSizeF &size, const ClockTime &from, const ClockTime &to, DialKind kind)
{
    constexpr std::array widths{DialGeometry::hourWidth, DialGeometry::minuteWidth, DialGeometry::secondWidth};
    const Hands before = hands(size.width(), from, kind), after = hands(size.width(), to, kind);
    QRectF changed; // y up
    // The minute and hour hands creep every second: their lines, not their minute or hour,
    // say whether their pixels change.
    for (std::size_t i = 0; i < widths.size(); ++i)
        if (before.lines[i] != after.lines[i])
            changed |= strokeBounds(before.lines[i], widths[i]) | strokeBounds(after.lines[i], widths[i])
                | centreDot(after.centre);
    if (from.morning != to.morning || from.date != to.date) { // twice a day
        const DialGeometry g = dialGeometry(QRectF(QPointF(), size), to, kind); // no morning caption on 24 h
        if (from.morning != to.morning)
            changed |= g.morningCaption;
        if (from.date != to.date)
            changed |= g.dateCaption;
    }
    if (changed.isNull())
        return {};
    const QRectF painted(changed.left(), size.height() - changed.bottom(), changed.width(), changed.height());
    return painted.adjusted(-fringe, -fringe, fringe, fringe).toAlignedRect();
}

QList<QLineF> tickMarks(qreal width, DialKind kind)
{
    const qreal r = faceRadius(width);
    const QPointF centre(inset + r, inset + r);
    const auto tick = [&](qreal angle, qreal length) {
        return QLineF(centre + polar(r, angle), centre + polar(std::max<qreal>(0, r - length), angle));
    };
    QList<QLineF> ticks;
    ticks.reserve(int(DialGeometry::clockIntervals) + 12);
    for (int i = 1; i <= int(DialGeometry::clockIntervals); ++i)
        ticks.append(tick(i * 2 * DialGeometry::PI / DialGeometry::clockIntervals, i % 5 == 0 ? 10 : 5));
    if (kind == DialKind::twentyFourHour)
        for (int h = 1; h < 24; h += 2)
            ticks.append(tick(hourAngle(h, 24), 10));
    return ticks;
}
