#include "SystemColours.h"

#include <QPalette>

namespace {
bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Text).lightnessF() > palette.color(QPalette::Base).lightnessF();
}
} // namespace

QColor systemBlue(const QPalette &palette)
{
    return isDark(palette) ? QColor(0x0A, 0x84, 0xFF) : QColor(0x00, 0x7A, 0xFF);
}

QColor systemRed(const QPalette &palette)
{
    return isDark(palette) ? QColor(0xFF, 0x45, 0x3A) : QColor(0xFF, 0x3B, 0x30);
}
