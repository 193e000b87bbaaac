#pragma once

#include "ClockTime.h"

#include <QLineF>
#include <QList>
#include <QRectF>

#include <array>
#include <numbers>

// Where the hands point, in minute divisions of the dial (6° each, 0 at twelve o'clock,
// clockwise). For a record in range each lies in [0, 60).
struct HandPositions
{
    double hour; // hours × 5, with the fraction of the hour: 10:10:30 is 50.875
    double minute; // minutes with the fraction of the minute
    double second; // whole seconds: the second hand steps
};

HandPositions handPositions(const ClockTime &time);

// Everything a dial draws, in the view's y-up frame: origin at the bottom left, y upward,
// angles counter-clockwise from +x, so twelve o'clock lies at π/2. The view maps (x, y) to
// (x, H − y) when it paints.
// The face is sized by the width alone and sits at the bottom left; the bounds' height only
// shapes the outer edge of the bezel. Lengths that a very small dial (38 wide or less) would
// make negative are clamped to 0, so nothing is drawn mirrored through the centre.
struct DialGeometry
{
    static constexpr double clockIntervals = 60.0; // divisions of one turn
    static constexpr double PI = std::numbers::pi;
    static constexpr qreal hourWidth = 3; // pen widths of the hands, drawn with flat caps
    static constexpr qreal minuteWidth = 2;
    static constexpr qreal secondWidth = 1;

    QRectF bezel; // the bounds; the ellipse inscribed in it edges the ring
    QRectF face; // F = (3, 3, 2r, 2r), whatever the bounds' origin
    qreal radius = 0; // r = (W − 6) / 2
    QPointF centre; // C, the middle of F
    qreal handLength = 0; // R = r − 10, scaled per hand
    std::array<QRectF, 12> numerals; // [n − 1]: 20 × 20 rect of numeral n
    QRectF morningCaption; // "AM"/"PM", low on the face
    QRectF dateCaption; // the date, high on the face
    QLineF hourHand; // each hand runs from its tail behind C to its tip
    QLineF minuteHand;
    QLineF secondHand;
    QRectF centreDot; // 8 × 8 about C
};

// The dial for bounds (any origin, W = width, H = height) showing time.
DialGeometry dialGeometry(const QRectF &bounds, const ClockTime &time);

// What a dial of `size` must repaint to go from showing `from` to showing `to`, in whole
// pixels of the painted frame (y down): the pixels that each hand whose line moved can touch
// before and after, the centre dot drawn over them, and each caption whose text changed, with
// a pixel to spare on every side for antialiasing; all in one rectangle. Empty when nothing
// drawn moves or changes.
QRect changedRect(const QSizeF &size, const ClockTime &from, const ClockTime &to);

// The 60 tick marks of a dial `width` wide, each from the rim inward: [i − 1] is tick i, at
// i × 6° counter-clockwise from three o'clock; every fifth is 10 long, the others 5.
QList<QLineF> tickMarks(qreal width);
