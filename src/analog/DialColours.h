#pragma once

#include <QColor>

class QPalette;

// The colours of a dial, taken from a palette. The bezel blue and the second-hand red follow
// the palette's lightness (a dark palette gets the lighter, more saturated pair), so a theme
// change shows at the next paint.
struct DialColours
{
    QColor bezel; // light #007AFF, dark #0A84FF
    QColor face; // QPalette::Base
    QColor ink; // QPalette::Text: ticks, numerals, captions, hour and minute hands, dot
    QColor secondHand; // light #FF3B30, dark #FF453A
    QColor background; // QPalette::Window: around the ring, where the window shows

    bool operator==(const DialColours &) const = default;
};

// A palette counts as dark when its text is lighter than its base. In the night palette the
// dial keeps to its reds.
DialColours dialColours(const QPalette &palette);
