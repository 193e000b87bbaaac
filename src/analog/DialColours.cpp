#include "DialColours.h"

#include "look/NightPalette.h"

#include <QPalette>

DialColours dialColours(const QPalette &palette)
{
    const QColor face = palette.color(QPalette::Base);
    const QColor ink = palette.color(QPalette::Text);
    const QColor background = palette.color(QPalette::Window);
    if (isNightPalette(palette)) // a black face, a dark red ring, the second hand brightest
        return {palette.color(QPalette::Light), face, ink, palette.color(QPalette::BrightText), background};
    const bool dark = ink.lightnessF() > face.lightnessF();
    return {dark ? QColor(0x0A, 0x84, 0xFF) : QColor(0x00, 0x7A, 0xFF), face, ink,
        dark ? QColor(0xFF, 0x45, 0x3A) : QColor(0xFF, 0x3B, 0x30), background};
}
