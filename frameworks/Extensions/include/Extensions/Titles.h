#pragma once

#include <QString>

namespace Extensions {

// The title of the preferences window, "<application's display name> Preferences", in the
// user's language once a translator for the context "Extensions" is installed.
QString prefsTitle();

} // namespace Extensions
