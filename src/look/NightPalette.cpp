#include "NightPalette.h"

#include <array>

namespace {

QColor red(int level)
{
    return QColor(level, 0, 0);
}

bool isRed(const QColor &colour)
{
    return colour.green() == 0 && colour.blue() == 0;
}

} // namespace

int brightestRed(NightBrightness brightness)
{
    constexpr std::array levels{96, 160, 255};
    return levels[static_cast<std::size_t>(brightness)];
}

QPalette nightPalette(NightBrightness brightness)
{
    const int top = brightestRed(brightness);
    const auto share = [top](double fraction) { return red(static_cast<int>(top * fraction)); };
    struct Role
    {
        QPalette::ColorRole role;
        double active; // of the brightest red
        double disabled;
    };
    constexpr std::array roles{
        Role{QPalette::Window, 0.14, 0.14},
        Role{QPalette::WindowText, 0.8, 0.45},
        Role{QPalette::Base, 0, 0},
        Role{QPalette::AlternateBase, 0.08, 0.08},
        Role{QPalette::ToolTipBase, 0.1, 0.1},
        Role{QPalette::ToolTipText, 0.8, 0.45},
        Role{QPalette::PlaceholderText, 0.5, 0.35},
        Role{QPalette::Text, 0.8, 0.45},
        Role{QPalette::Button, 0.22, 0.14},
        Role{QPalette::ButtonText, 0.8, 0.45},
        Role{QPalette::BrightText, 1, 0.5},
        Role{QPalette::Light, 0.35, 0.2},
        Role{QPalette::Midlight, 0.28, 0.15},
        Role{QPalette::Mid, 0.18, 0.1},
        Role{QPalette::Dark, 0.1, 0.05},
        Role{QPalette::Shadow, 0, 0},
        Role{QPalette::Highlight, 0.35, 0.2},
        Role{QPalette::HighlightedText, 1, 0.5},
        Role{QPalette::Link, 1, 0.5},
        Role{QPalette::LinkVisited, 0.7, 0.4},
    };
    QPalette palette;
    for (const Role &r : roles) {
        palette.setColor(QPalette::Active, r.role, share(r.active));
        palette.setColor(QPalette::Inactive, r.role, share(r.active));
        palette.setColor(QPalette::Disabled, r.role, share(r.disabled));
    }
    return palette;
}

bool isNightPalette(const QPalette &palette)
{
    return isRed(palette.color(QPalette::Window)) && isRed(palette.color(QPalette::Base))
        && isRed(palette.color(QPalette::Text));
}
