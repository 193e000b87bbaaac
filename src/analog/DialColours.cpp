#include "DialColours.h"

#include "look/NightPalette.h"
#include "look/SystemColours.h"

#include <QPalette>

DialColours dialColours(const QPalette &palette)
{
    const QColor face = palette.color(QPalette::Base);
    const QColor ink = palette.color(QPalette::Text);
    const QColor background = palette.color(QPalette::Window);
    if (isNightPalette(palette)) // a black face, a dark red ring, the second hand brightest
        return {palette.color(QPalette::Light), face, ink, palette.color(QPalette::BrightText), background};
    return {systemBlue(palette), face, ink, systemRed(palette), background};
}
