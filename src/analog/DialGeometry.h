#pragma once

#include "ClockTime.h"

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QVarLengthArray>

#include <numbers>

// Where the hands point, in minute divisions of the dial (6° each, 0 at the top, clockwise).
// For a record in range each lies in [0, 60).
struct HandPositions
{
    // 12-hour dial: hours × 5 with the fraction of the hour, 10:10:30 is 50.875;
    // 24-hour dial: seconds of the day / 1440, 06:00:00 is 15 (pointing right)
    double hour;
    double minute; // minutes with the fraction of the minute
    double second; // whole seconds: the second hand steps
};

HandPositions handPositions(const ClockTime &time, DialKind kind = DialKind::twelveHour);

// Everything a dial draws, in the view's y-up frame: origin at the bottom left, y upward,
// angles counter-clockwise from +x, so twelve o'clock lies at π/2. The view maps (x, y) to
// (x, H − y) when it paints.
// The face is sized by the width alone and sits at the bottom left; the bounds' height only
// shapes the outer edge of the bezel. Lengths that a very small dial (38 wide or less) would
// make negative are clamped to 0, so nothing is drawn mirrored through the centre.
// The text is laid out for a dial of r = 100 (206 wide); a larger dial scales its labels, their
// rectangles and their distances from the rim by r / 100, so that they stay readable from as
// far away as the dial can be seen. A smaller one keeps them at that size.
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
    qreal textScale = 1; // s = max(1, r / 100)
    qreal labelSize = 10; // height of the labels' text in the frame's units: 10 s
    int firstNumeral = 1; // 1 on a 12-hour dial, 0 on a 24-hour one
    // [i]: the 20 s × 20 s rect of numeral firstNumeral + i, centred on the circle r − 16 s,
    // its bottom edge 13 s below it; 12 on a 12-hour dial, 24 on a 24-hour one.
    QVarLengthArray<QRectF, 24> numerals;
    QRectF morningCaption; // "AM"/"PM", low on the face; empty on a 24-hour dial, which has none
    QRectF dateCaption; // the date, high on the face
    QLineF hourHand; // each hand runs from its tail behind C to its tip
    QLineF minuteHand;
    QLineF secondHand;
    QRectF centreDot; // 8 × 8 about C
};

// The dial of kind for bounds (any origin, W = width, H = height) showing time.
DialGeometry dialGeometry(const QRectF &bounds, const ClockTime &time, DialKind kind = DialKind::twelveHour);

// What a dial of `size` must repaint to go from showing `from` to showing `to`, in whole
// pixels of the painted frame (y down): the pixels that each hand whose line moved can touch
// before and after, the centre dot drawn over them, and each caption whose text changed, with
// a pixel to spare on every side for antialiasing; all in one rectangle. Empty when nothing
// drawn moves or changes.
QRect changedRect(const QSizeF &size, const ClockTime &from, const ClockTime &to, DialKind kind = DialKind::twelveHour);

// The tick marks of a dial `width` wide, each from the rim inward. [i − 1] is minute tick i, at
// i × 6° counter-clockwise from three o'clock; every fifth is 10 long, the others 5. A 24-hour
// dial adds the marks of the odd hours, which fall between minute ticks (the even ones fall on
// the long ticks): [60 + k] marks hour 2k + 1, 10 long.
QList<QLineF> tickMarks(qreal width, DialKind kind = DialKind::twelveHour);
