#pragma once

#include <QPalette>

// How bright night vision draws. Dark adaptation is kept best by the dimmest red that can still
// be read, which depends on the screen and the night.
enum class NightBrightness { dim = 0, medium = 1, bright = 2 };

// The brightest red night vision draws at brightness, out of 255.
int brightestRed(NightBrightness brightness);

// A palette in which every colour of every group is a red with green and blue at zero: black
// fields (and dial faces), windows a red just above black so that the frames the style draws
// darker than the window still show, text at 80 % of brightestRed and bright text at all of it.
QPalette nightPalette(NightBrightness brightness);

// Whether palette is one of nightPalette's: its window, base and text have no green or blue.
// Things that pick their own colours (the dials, the clock's health) draw in its reds then.
bool isNightPalette(const QPalette &palette);
