#pragma once

namespace Preferences {

// The tool bar icons of the preferences window where the desktop's icon theme has none:
// "preferences-system" (a gear) and "system-software-update" (a circular arrow), in a
// variant for light and one for dark palettes.
//
// They form an icon theme of their own that QIcon::fromTheme() consults after the
// desktop's. It is installed when the QGuiApplication starts, so icons asked for before
// any window exists find it too, and it follows the application palette from then on:
// icons already made redraw in the variant that shows on the new palette.
namespace FallbackIcons {

// The name of the variant that shows on the application palette now.
const char *themeName();

// Installs the bundled theme as QIcon's fallback. Runs by itself at start-up; calling it
// again changes nothing. Does nothing without a QGuiApplication.
void install();

} // namespace FallbackIcons
} // namespace Preferences
