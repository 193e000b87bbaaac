#pragma once

#include <QIcon>
#include <QString>

namespace Preferences {

// The desktop theme's icon called name ("preferences-system", "system-software-update"), or,
// where the theme has none, the bundled drawing of it in the variant for the palette of the
// moment: dark ink on a light window, light ink on a dark one. The variant is chosen each time
// the icon is drawn, so a palette change shows at the next paint. A name with no bundled
// drawing gives an icon that draws nothing.
QIcon themedIcon(const QString &name);

} // namespace Preferences
