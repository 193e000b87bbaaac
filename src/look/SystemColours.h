#pragma once

#include <QColor>

class QPalette;

// The desktop's named accent colours, for what draws its own colours: each in the shade made
// for the palette's lightness, a dark palette (text lighter than its base) getting the lighter,
// more saturated one. Asked at each paint, so that a change of theme shows at once.
QColor systemBlue(const QPalette &palette); // light #007AFF, dark #0A84FF
QColor systemRed(const QPalette &palette); // light #FF3B30, dark #FF453A
