#include "DialGeometry.h"

#include <Extensions/Geometry.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal inset = 3;           // between the bounds' corner and the face
constexpr qreal numeralInset = 16;   // from the rim to the numerals' circle
constexpr qreal handInset = 10;      // from the rim to the hands' base length
constexpr qreal numeralSize = 20;
constexpr qreal captionInset = 10;
constexpr qreal captionHeight = 20;
constexpr qreal dotRadius = 4;

qreal faceRadius(qreal width)
{
    return std::max<qreal>(0, (width - 2 * inset) / 2);
}

QPointF polar(qreal length, qreal angle)
{
    return { length * std::cos(angle), length * std::sin(angle) };
}

// Angle of a position in minute divisions: 0 at twelve o'clock, running clockwise.
qreal dialAngle(double position)
{
    return (75 - position) * 2 * DialGeometry::PI / DialGeometry::clockIntervals;
}

QLineF hand(QPointF centre, qreal baseLength, double position, qreal lengthFactor)
{
    const qreal angle = dialAngle(position);
    return { centre + polar(-0.2 * baseLength, angle), centre + polar(lengthFactor * baseLength, angle) };
}

} // namespace

HandPositions handPositions(const ClockTime &time)
{
    const qint64 minuteSeconds = time.min * 60 + time.sec;
    const qint64 hourSeconds = (time.hour * 60 + time.min) * 60 + time.sec;
    return { double(hourSeconds) * 5 / 3600, double(minuteSeconds) / 60, double(time.sec) };
}

DialGeometry dialGeometry(const QRectF &bounds, const ClockTime &time)
{
    DialGeometry g;
    g.bezel = bounds;
    g.radius = faceRadius(bounds.width());
    const qreal r = g.radius;
    g.face = QRectF(inset, inset, 2 * r, 2 * r);
    g.centre = Extensions::centre(g.face);
    g.handLength = std::max<qreal>(0, r - handInset);

    const qreal numeralCircle = std::max<qreal>(0, r - numeralInset);
    for (int n = 1; n <= 12; ++n) {
        const qreal angle = (15 - n) * 2 * DialGeometry::PI / 12;
        // Centred horizontally on the numerals' circle, bottom edge 13 below it.
        const QPointF origin = QPointF(g.face.x() + r - numeralSize / 2, g.face.y() + r - 13)
            + polar(numeralCircle, angle);
        g.numerals[std::size_t(n - 1)] = QRectF(origin, QSizeF(numeralSize, numeralSize));
    }

    const qreal captionWidth = std::max<qreal>(0, g.face.width() - 2 * captionInset);
    g.morningCaption = QRectF(g.face.x() + captionInset, g.face.y() + 20, captionWidth, captionHeight);
    g.dateCaption = QRectF(g.face.x() + captionInset, g.face.y() + g.face.height() - 55,
                           captionWidth, captionHeight);

    const HandPositions p = handPositions(time);
    g.hourHand = hand(g.centre, g.handLength, p.hour, 0.6);
    g.minuteHand = hand(g.centre, g.handLength, p.minute, 0.85);
    g.secondHand = hand(g.centre, g.handLength, p.second, 0.98);

    g.centreDot = QRectF(g.centre - QPointF(dotRadius, dotRadius), QSizeF(2 * dotRadius, 2 * dotRadius));
    return g;
}

QList<QLineF> tickMarks(qreal width)
{
    const qreal r = faceRadius(width);
    const QPointF centre(inset + r, inset + r);
    QList<QLineF> ticks;
    ticks.reserve(int(DialGeometry::clockIntervals));
    for (int i = 1; i <= int(DialGeometry::clockIntervals); ++i) {
        const qreal angle = i * 2 * DialGeometry::PI / DialGeometry::clockIntervals;
        const qreal length = i % 5 == 0 ? 10 : 5;
        ticks.append({ centre + polar(r, angle), centre + polar(std::max<qreal>(0, r - length), angle) });
    }
    return ticks;
}
